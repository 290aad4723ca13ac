#!/usr/bin/env bash
# Helpers for end-to-end tests under a headless Wayland compositor (KWin with
# a virtual output), used with lib.sh:
#
#   source "$(dirname "$0")/lib.sh"
#   source "$(dirname "$0")/wayland_lib.sh"
#   setup "$1"
#   start_kwin
#
# Functions (they fail the test with a message when something cannot be done):
#
#   start_kwin               start a private session bus (E2E_SESSION_BUS, which
#                            the program gets too) and kwin_wayland on it, in
#                            RUN_DIR/runtime; wait for its socket. From then on the
#                            programs started by lib.sh run on Qt's Wayland
#                            platform in this compositor (APP_ENV), and
#                            WAYLAND_DISPLAY names it for the test's own clients.
#   start_kwin_x11           start a private session bus and KWin as the window
#                            manager of the test's X display instead.
#   start_weston             start Weston's headless back end instead, in
#                            RUN_DIR/runtime (no session bus, no window list: it
#                            shows every window, and ignores a request to
#                            minimise one); the programs run in it as above.
#   kwin_script JS           run a KWin script and print what it print()s, one
#                            line per call. The script may use answer(...) to
#                            print its fields separated by tabs.
#   kwin_windows             print one line per window KWin manages:
#                            pid, minimised, active, keep-above, top (whether no
#                            window that is not minimised lies above it; each
#                            true or false) and
#                            caption (without the " <2>" by which KWin tells
#                            windows of one title apart), separated by tabs.
#   kwin_window PID CAPTION  the line of kwin_windows for that window (maybe none).
#   wait_kwin_window PID CAPTION [SECONDS]  wait up to SECONDS (default 15) for
#                            KWin to manage such a window; print its line.
#   kwin_field LINE NAME     print one field (pid, minimised, active, above, top,
#                            caption) of such a line.
#   wait_kwin_state PID CAPTION NAME VALUE [SECONDS]  wait up to SECONDS (default
#                            5) for that field of the window to take VALUE;
#                            status 1 if it does not.
#   kwin_minimise PID CAPTION, kwin_activate PID CAPTION, kwin_close PID CAPTION
#                            minimise / activate / close the window as a user's
#                            click on the title bar would.
#   on_top PID CAPTION       true when the window is the active one and the top
#                            of the stacking order.
#   activation_token         print a token KWin grants for activating a window,
#                            as a launcher or a notification service gets it
#                            (tests/support/activation_token, named by
#                            ACTIVATION_TOKEN in the environment). KWin grants it
#                            only while no window is active.
#   hold_activation_token    the same while another window is active: a small
#                            window of the test's own becomes the active one and
#                            asks for it, and stays until stop_token_holder, as a
#                            launcher does (KWin withdraws the token once another
#                            window is activated). Sets TOKEN.
#   main_thread_wakeups PID  print how often the main thread of PID has gone to
#                            sleep and been woken (voluntary context switches).
#
# KWin's output is in RUN_DIR/kwin.log (KWIN_LOGGING, if set, replaces its
# QT_LOGGING_RULES, e.g. "kwin_scripting=true;kwin_core.debug=true" shows why it
# refuses an activation). KWin's program file carries file
# capabilities, with which the loader drops variables such as XDG_RUNTIME_DIR's
# companions and LD_*; in a container it may not start at all. A copy of the
# file carries none.

readonly KWIN_SOCKET=tockmere-e2e

# A private session bus at RUN_DIR/runtime/bus, which the program gets too.
start_private_bus() {
  local runtime="$RUN_DIR/runtime" _
  command -v dbus-daemon >/dev/null || fail "dbus-daemon is not installed"
  dbus-daemon --session --nofork --nopidfile --address="unix:path=$runtime/bus" \
    2>"$RUN_DIR/bus.log" &
  track_pid $!
  E2E_SESSION_BUS="unix:path=$runtime/bus"
  for _ in $(seq 100); do
    [ -S "$runtime/bus" ] && break
    sleep 0.05
  done
  [ -S "$runtime/bus" ] || fail "the private session bus did not start: $(cat "$RUN_DIR/bus.log")"
}

# Runs a copy of KWin's program $1 with a home of its own on the private bus,
# its output in RUN_DIR/kwin.log, the rest of the arguments its own; sets
# KWIN_PID. Only kwin_x11 sees the test's X display.
run_kwin() {
  local kwin="$RUN_DIR/$1" runtime="$RUN_DIR/runtime" unset=(-u LD_PRELOAD -u WAYLAND_DISPLAY)
  command -v "$1" >/dev/null || fail "$1 is not installed"
  cp "$(command -v "$1")" "$kwin"
  [ "$1" = kwin_x11 ] || unset+=(-u DISPLAY)
  shift
  mkdir -p "$RUN_DIR/kwin-home"
  env "${unset[@]}" HOME="$RUN_DIR/kwin-home" \
    XDG_CONFIG_HOME="$RUN_DIR/kwin-home/config" XDG_DATA_HOME="$RUN_DIR/kwin-home/data" \
    XDG_CACHE_HOME="$RUN_DIR/kwin-home/cache" XDG_RUNTIME_DIR="$runtime" \
    DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" QT_LOGGING_RULES="${KWIN_LOGGING:-kwin_scripting=true}" \
    "$kwin" "$@" >"$RUN_DIR/kwin.log" 2>&1 &
  KWIN_PID=$!
  track_pid "$KWIN_PID"
}

start_kwin() {
  local runtime="$RUN_DIR/runtime"
  start_private_bus
  run_kwin kwin_wayland --virtual --no-lockscreen --socket "$KWIN_SOCKET" \
    --width 1024 --height 768
  wait_started "$KWIN_PID" kwin_wayland "$RUN_DIR/kwin.log" kwin_answers "$runtime/$KWIN_SOCKET"
  export WAYLAND_DISPLAY="$runtime/$KWIN_SOCKET"
  APP_ENV=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$WAYLAND_DISPLAY")
}

# KWin as the window manager of the test's X display (DISPLAY), on a private
# bus; waits until it manages the screen.
start_kwin_x11() {
  local _
  start_private_bus
  run_kwin kwin_x11 --replace
  wait_started "$KWIN_PID" kwin_x11 "$RUN_DIR/kwin.log" kwin_answers
}

# Whether KWin answers on the private bus, and has made the socket $1 if given.
kwin_answers() {
  { [ -z "${1:-}" ] || [ -S "$1" ]; } && kwin_dbus org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}

# Waits up to 15 s for the command (the arguments after the first three) to
# succeed, failing the test if the process $1, named $2, ends first (its log $3).
wait_started() {
  local pid="$1" name="$2" log="$3" _
  shift 3
  for _ in $(seq 300); do
    "$@" && return 0
    alive "$pid" || fail "$name did not start: $(tail -n 20 "$log")"
    sleep 0.05
  done
  fail "$name did not come up within 15 s"
}

start_weston() {
  local socket=tockmere-weston runtime="$RUN_DIR/runtime" pid _
  command -v weston >/dev/null || fail "weston is not installed"
  env -u LD_PRELOAD -u WAYLAND_DISPLAY -u DISPLAY XDG_RUNTIME_DIR="$runtime" \
    weston --backend=headless-backend.so --use-pixman --socket="$socket" --width=1024 \
    --height=768 >"$RUN_DIR/weston.log" 2>&1 &
  pid=$!
  track_pid "$pid"
  wait_started "$pid" weston "$RUN_DIR/weston.log" test -S "$runtime/$socket"
  export WAYLAND_DISPLAY="$runtime/$socket"
  APP_ENV=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$WAYLAND_DISPLAY")
}

# A method call on KWin's scripting object; prints the reply.
kwin_dbus() {
  local method="$1"
  shift
  DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" dbus-send --session --print-reply \
    --dest=org.kde.KWin /Scripting "$method" "$@"
}

# Each script prints its lines behind a mark of its own and ends with one more
# mark, so that its answer is found in the compositor's log whole.
kwin_script() {
  local mark="s$BASHPID-$(date +%s%N)" file _
  file="$RUN_DIR/$mark.js"
  {
    echo "function answer() { print(\"$mark\", Array.prototype.slice.call(arguments).join(\"\\t\")); }"
    echo "$1"
    echo "print(\"$mark-end\");"
  } >"$file"
  # KWin, busy with a closing window, has been seen to refuse a load once.
  local loaded=""
  for _ in 1 2 3; do
    kwin_dbus org.kde.kwin.Scripting.loadScript string:"$file" string:"$mark" \
      >/dev/null 2>"$file.err" && loaded=yes && break
    sleep 0.2
  done
  [ -n "$loaded" ] || fail "KWin did not load the script $file: $(cat "$file.err")"
  kwin_dbus org.kde.kwin.Scripting.start >/dev/null || fail "KWin did not start its scripts"
  for _ in $(seq 100); do
    grep -qx "js: $mark-end" "$RUN_DIR/kwin.log" && break
    sleep 0.05
  done
  kwin_dbus org.kde.kwin.Scripting.unloadScript string:"$mark" >/dev/null || true
  grep -qx "js: $mark-end" "$RUN_DIR/kwin.log" ||
    fail "the KWin script $file gave no answer: $(tail -n 5 "$RUN_DIR/kwin.log")"
  sed -n "s/^js: $mark //p" "$RUN_DIR/kwin.log"
}

kwin_windows() {
  kwin_script '
var clients = workspace.clientList();
var top = -1;
for (var i = 0; i < clients.length; ++i) {
  if (!clients[i].minimized) top = Math.max(top, clients[i].stackingOrder);
}
for (var i = 0; i < clients.length; ++i) {
  var c = clients[i];
  answer(c.pid, c.minimized, workspace.activeClient == c, c.keepAbove,
         c.stackingOrder == top, c.caption.replace(/ <[0-9]+>$/, ""));
}'
}

kwin_window() {
  kwin_windows | awk -F '\t' -v pid="$1" -v caption="$2" '$1 == pid && $6 == caption'
}

wait_kwin_window() {
  wait_first_line "${3:-15}" "$1" kwin_window "$1" "$2"
}

kwin_field() {
  local column
  case "$2" in
    pid) column=1 ;;
    minimised) column=2 ;;
    active) column=3 ;;
    above) column=4 ;;
    top) column=5 ;;
    caption) column=6 ;;
    *) fail "kwin_field: no field $2" ;;
  esac
  printf '%s\n' "$1" | cut -f "$column"
}

wait_kwin_state() {
  local pid="$1" caption="$2" name="$3" value="$4" seconds="${5:-5}" tries=0
  while [ "$tries" -lt $((seconds * 5)) ]; do
    [ "$(kwin_field "$(kwin_window "$pid" "$caption")" "$name")" = "$value" ] && return 0
    sleep 0.2
    tries=$((tries + 1))
  done
  return 1
}

# Runs JS (a statement about the window c) on the window of PID titled CAPTION.
kwin_on_window() {
  local caption="${2//\\/\\\\}"
  caption="${caption//\"/\\\"}"
  kwin_script "
var clients = workspace.clientList();
for (var i = 0; i < clients.length; ++i) {
  var c = clients[i];
  if (c.pid == $1 && c.caption.replace(/ <[0-9]+>$/, \"\") == \"$caption\") {
    $3;
    answer(\"done\");
  }
}" | grep -qx done || fail "KWin manages no window '$2' of process $1"
}

kwin_minimise() { kwin_on_window "$1" "$2" 'c.minimized = true'; }
kwin_activate() { kwin_on_window "$1" "$2" 'c.minimized = false; workspace.activeClient = c'; }
kwin_close() { kwin_on_window "$1" "$2" 'c.closeWindow()'; }

on_top() {
  local line
  line="$(kwin_window "$1" "$2")"
  [ "$(kwin_field "$line" active)" = true ] && [ "$(kwin_field "$line" top)" = true ]
}

# KWin answers a request it does not grant with a token that activates
# nothing, named "not-granted-...".
activation_token() {
  local token
  [ -x "${ACTIVATION_TOKEN:-}" ] || fail "ACTIVATION_TOKEN names no activation_token program"
  token="$("$ACTIVATION_TOKEN" "$@")" || fail "KWin gave no activation token"
  case "$token" in
    not-granted*) fail "KWin did not grant an activation token ($token)" ;;
  esac
  echo "$token"
}

TOKEN=""
TOKEN_HOLDER=""
hold_activation_token() {
  local file="$RUN_DIR/token.$((${#STARTED_PIDS[@]} + 1))" _
  [ -x "${ACTIVATION_TOKEN:-}" ] || fail "ACTIVATION_TOKEN names no activation_token program"
  "$ACTIVATION_TOKEN" --surface >"$file" 2>"$file.err" &
  TOKEN_HOLDER=$!
  track_pid "$TOKEN_HOLDER"
  for _ in $(seq 200); do
    [ -s "$file" ] && break
    alive "$TOKEN_HOLDER" || fail "KWin gave no activation token: $(cat "$file.err")"
    sleep 0.05
  done
  TOKEN="$(head -n 1 "$file")"
  case "$TOKEN" in
    "" | not-granted*) fail "KWin did not grant an activation token ('$TOKEN')" ;;
  esac
}

stop_token_holder() {
  kill "$TOKEN_HOLDER" 2>/dev/null || true
  wait "$TOKEN_HOLDER" 2>/dev/null || true
}

main_thread_wakeups() {
  awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/task/$1/status" ||
    fail "process $1 is gone"
}
