#!/usr/bin/env bash
# Shared helpers for the end-to-end tests: they drive the real tockmere binary
# on a private X server with a faked wall clock.
#
#   source "$(dirname "$0")/lib.sh"
#   setup "$1"                      # $1: the tockmere binary
#
# Functions (all fail the test with a message when something cannot be done):
#
#   setup BINARY             make a private alarms folder (WORK_DIR, chosen with
#                            --folder), XDG_CONFIG_HOME (CONFIG_DIR), XDG_DATA_HOME
#                            (DATA_DIR), XDG_CACHE_HOME (RUN_DIR/cache) and
#                            XDG_RUNTIME_DIR (RUN_DIR/runtime), start
#                            Xvfb (sets DISPLAY), turn key repeat off, install the
#                            cleanup trap.
#   start_display            start one more Xvfb (key repeat off); sets LAST_DISPLAY.
#   track_pid PID            have cleanup kill PID (and remove its faketime files).
#   write_alarms LINE...     write WORK_DIR/alarms.txt, each line ended by CR LF.
#   alarm_lines              print the lines of alarms.txt without their CR.
#   expect_line LINE         fail unless alarms.txt holds exactly this line.
#   expect_no_line LINE      fail if alarms.txt holds this line.
#   wait_for_line LINE, wait_line_gone LINE   wait up to 5 s for alarms.txt to
#                            hold LINE / to no longer hold it (status 0 when so).
#   open_settings WINDOW     Options > Settings on the main window; the dialog focused.
#   write_settings           write registry.reg, so that the next start is not a
#                            first run and the main window opens minimised.
#   epoch_of 'YYYY-MM-DD HH:MM:SS'  seconds since 1970 of that local time in $TZ.
#   start_tockmere EPOCH [SPEED]    start the program on WORK_DIR with its clock
#                            starting at EPOCH and running SPEED times as fast as
#                            real time (default 1). Sets APP_PID (also the pid the
#                            program's windows carry) and APP_LOG (its output).
#                            It starts from RUN_DIR with the arguments in
#                            APP_ARGS (default: --folder WORK_DIR); with
#                            APP_ARGS=() it uses its default folder,
#                            DATA_DIR/tockmere. APP_ENV (default none) holds
#                            more NAME=VALUE settings for its environment.
#   start_tockmere_real [WRAPPER...]  the same on the real clock (no faketime,
#                            so kernel timers and the program agree), exec'd
#                            through WRAPPER when given: a command that ends by
#                            exec'ing the arguments that follow it.
#   fake_now [PID]           the program's fake time now, in epoch seconds
#                            (whole seconds; default pid APP_PID).
#   windows PID TITLE        print the ids of the visible windows of PID whose
#                            title is exactly TITLE, one per line (maybe none).
#   all_windows PID TITLE    the same, mapped or not.
#   wait_window PID TITLE [SECONDS]       print the id of the first such window;
#                            returns 1 after SECONDS (default 15) without one.
#   wait_window_gone PID TITLE [SECONDS]  returns 1 if such a window is still
#                            visible after SECONDS (default 5).
#   no_window_until PID TITLE EPOCH       returns 1 as soon as such a window is
#                            visible before the program's fake clock reaches EPOCH.
#   window_area WIN          print width*height of a window in pixels.
#   minimised WIN            true when the program asked for WIN to be iconic
#                            (without a window manager a minimised window stays
#                            mapped, so its WM_HINTS initial state tells).
#   press_enter WIN          focus WIN and press and release Return.
#   alive PID                true while the process runs (and is no zombie).
#   guard_held FOLDER        true while a copy holds the one-copy guard of FOLDER
#                            (its lock on the folder).
#   wait_exit PID [SECONDS]  returns 1 if PID still runs after SECONDS (default 10).
#   fail MESSAGE             print "FAIL: MESSAGE" with the program's output, exit 1.
#   pass MESSAGE             print "PASS: MESSAGE".
#
# The defaults can be changed before setup: TZ (Europe/London).
# The program gets the session bus E2E_SESSION_BUS (an address) or, when it is
# empty, an address where nothing listens, so that no test reaches the
# desktop's own notifications nor starts a bus of its own (where dbus-x11 is
# installed, a program without an address launches one).

set -euo pipefail

readonly FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
export TZ="${TZ:-Europe/London}"

TOCKMERE=""
WORK_DIR=""
CONFIG_DIR=""
DATA_DIR=""
RUN_DIR=""
APP_ARGS=()
APP_ENV=()
APP_PID=""
APP_LOG=""
XVFB_PIDS=()
LAST_DISPLAY=""
STARTED_PIDS=()
declare -A START_NS=() START_EPOCH=() START_SPEED=()

fail() {
  echo "FAIL: $*" >&2
  if [ -n "$APP_LOG" ] && [ -s "$APP_LOG" ]; then
    echo "--- program output ---" >&2
    cat "$APP_LOG" >&2
  fi
  if [ -n "$WORK_DIR" ] && [ -f "$WORK_DIR/alarms.txt" ]; then
    echo "--- alarms.txt ---" >&2
    tr -d '\r' <"$WORK_DIR/alarms.txt" >&2
  fi
  exit 1
}

pass() { echo "PASS: $*"; }

cleanup() {
  local pid
  for pid in "${STARTED_PIDS[@]}"; do
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -f "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"
  done
  for pid in "${XVFB_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  [ -n "$RUN_DIR" ] && rm -rf "$RUN_DIR"
  return 0
}

# Starts one more Xvfb with a display number of its own; sets LAST_DISPLAY
# (":N"). cleanup stops it.
start_display() {
  local display_file="$RUN_DIR/display.${#XVFB_PIDS[@]}" waited=0 pid
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$display_file" \
    >"$display_file.log" 2>&1 &
  pid=$!
  XVFB_PIDS+=("$pid")
  until [ -s "$display_file" ] && grep -q '^[0-9]' "$display_file"; do
    alive "$pid" || fail "Xvfb did not start: $(cat "$display_file.log")"
    [ "$waited" -lt 200 ] || fail "Xvfb gave no display number within 10 s"
    sleep 0.05
    waited=$((waited + 1))
  done
  LAST_DISPLAY=":$(head -n 1 "$display_file")"
  DISPLAY="$LAST_DISPLAY" xset r off || fail "xset r off failed on $LAST_DISPLAY"
}

setup() {
  [ -x "${1:-}" ] || fail "usage: $0 PATH_TO_TOCKMERE (got '${1:-}')"
  TOCKMERE="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
  RUN_DIR="$(mktemp -d /tmp/tockmere-e2e.XXXXXX)"
  WORK_DIR="$RUN_DIR/alarms"
  CONFIG_DIR="$RUN_DIR/config"
  DATA_DIR="$RUN_DIR/data"
  APP_ARGS=(--folder "$WORK_DIR")
  # The program speaks the desktop's language; the tests read its English.
  export LC_ALL=C.UTF-8
  unset LANGUAGE
  mkdir -p "$WORK_DIR" "$CONFIG_DIR" "$RUN_DIR/runtime"
  chmod 700 "$RUN_DIR/runtime"
  trap cleanup EXIT
  trap 'exit 130' INT TERM
  start_display
  export DISPLAY="$LAST_DISPLAY"
}

write_alarms() {
  local line
  : >"$WORK_DIR/alarms.txt"
  for line in "$@"; do
    printf '%s\r\n' "$line" >>"$WORK_DIR/alarms.txt"
  done
}

alarm_lines() {
  [ -f "$WORK_DIR/alarms.txt" ] || return 0
  tr -d '\r' <"$WORK_DIR/alarms.txt"
}

expect_line() {
  alarm_lines | grep -qxF -- "$1" || fail "alarms.txt should hold the line '$1'"
}

# Wait up to 5 s for alarms.txt to hold the line / to no longer hold it; the
# caller checks the outcome (expect_line, expect_no_line or the whole file).
wait_for_line() {
  local _
  for _ in $(seq 1 100); do
    alarm_lines | grep -qxF -- "$1" && return 0
    sleep 0.05
  done
  return 1
}

wait_line_gone() {
  local _
  for _ in $(seq 1 100); do
    alarm_lines | grep -qxF -- "$1" || return 0
    sleep 0.05
  done
  return 1
}

# Options > Settings by the mouse on the menu of the main window WINDOW, as a
# user would (Options is the only title of the menu bar, at its top left);
# leaves the settings dialog focused.
open_settings() {
  local settings
  xdotool mousemove --window "$1" 25 10 click 1
  sleep 0.5
  xdotool key Down Return
  settings="$(wait_window "$APP_PID" 'Tockmere Settings' 10)" ||
    fail "Options > Settings did not open the settings dialog"
  timeout 5 xdotool windowfocus --sync "$settings" || fail "could not focus the settings dialog"
}

expect_no_line() {
  if alarm_lines | grep -qxF -- "$1"; then
    fail "alarms.txt should no longer hold the line '$1'"
  fi
}

write_settings() {
  mkdir -p "$CONFIG_DIR/Tockmere"
  printf '%s\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_LOCAL_MACHINE\Software\Tockmere]' \
    '"FontNo"="1"' '"DateFormat"="0"' '"OColour"="0"' '"DColour"="1"' \
    '"WColour"="2"' '"FColour"="3"' '"MColour"="4"' '"Sound"="0"' \
    >"$CONFIG_DIR/Tockmere/registry.reg"
}

epoch_of() {
  date -d "$1" +%s || fail "cannot read the date '$1'"
}

track_pid() {
  STARTED_PIDS+=("$1")
}

start_tockmere() {
  local epoch="$1" speed="${2:-1}"
  APP_LOG="$RUN_DIR/tockmere.$((${#STARTED_PIDS[@]} + 1)).log"
  local started_ns
  started_ns="$(date +%s%N)"
  (
    cd "$RUN_DIR"
    exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $(session_bus_env) \
      XDG_CONFIG_HOME="$CONFIG_DIR" XDG_DATA_HOME="$DATA_DIR" XDG_RUNTIME_DIR="$RUN_DIR/runtime" \
      XDG_CACHE_HOME="$RUN_DIR/cache" LD_PRELOAD="$FAKETIME_LIB" FAKETIME_FMT=%s FAKETIME="@$epoch x$speed" "${APP_ENV[@]}" \
      "$TOCKMERE" "${APP_ARGS[@]}" >"$APP_LOG" 2>&1
  ) &
  APP_PID=$!
  track_pid "$APP_PID"
  START_NS[$APP_PID]="$started_ns"
  START_EPOCH[$APP_PID]="$epoch"
  START_SPEED[$APP_PID]="$speed"
}

start_tockmere_real() {
  APP_LOG="$RUN_DIR/tockmere.$((${#STARTED_PIDS[@]} + 1)).log"
  (
    cd "$RUN_DIR"
    exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LD_PRELOAD $(session_bus_env) \
      XDG_CONFIG_HOME="$CONFIG_DIR" XDG_DATA_HOME="$DATA_DIR" XDG_RUNTIME_DIR="$RUN_DIR/runtime" \
      XDG_CACHE_HOME="$RUN_DIR/cache" "${APP_ENV[@]}" "$@" "$TOCKMERE" "${APP_ARGS[@]}" >"$APP_LOG" 2>&1
  ) &
  APP_PID=$!
  track_pid "$APP_PID"
}

# The env(1) argument that gives the program E2E_SESSION_BUS or a bus address
# where nothing listens.
session_bus_env() {
  echo "DBUS_SESSION_BUS_ADDRESS=${E2E_SESSION_BUS:-unix:path=$RUN_DIR/no-bus}"
}

fake_now() {
  local pid="${1:-$APP_PID}" now_ns
  now_ns="$(date +%s%N)"
  echo $((START_EPOCH[$pid] + (now_ns - START_NS[$pid]) * START_SPEED[$pid] / 1000000000))
}

windows() {
  xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null || true
}

all_windows() {
  xdotool search --all --pid "$1" --name "^$2\$" 2>/dev/null || true
}

wait_window() {
  wait_first_line "${3:-15}" "$1" windows "$1" "$2"
}

# Runs the command (its arguments after the first two) until it prints a line,
# for up to $1 seconds while process $2 lives; prints that line. Status 1 if
# none came.
wait_first_line() {
  local seconds="$1" pid="$2" found tries=0
  shift 2
  while [ "$tries" -lt $((seconds * 20)) ]; do
    found="$("$@" | head -n 1)"
    if [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    alive "$pid" || return 1
    sleep 0.05
    tries=$((tries + 1))
  done
  return 1
}

wait_window_gone() {
  local pid="$1" title="$2" seconds="${3:-5}" tries=0
  while [ -n "$(windows "$pid" "$title")" ]; do
    [ "$tries" -lt $((seconds * 20)) ] || return 1
    sleep 0.05
    tries=$((tries + 1))
  done
  return 0
}

no_window_until() {
  local pid="$1" title="$2" target="$3"
  while [ "$(fake_now "$pid")" -lt "$target" ]; do
    [ -z "$(windows "$pid" "$title")" ] || return 1
    sleep 0.05
  done
  return 0
}

window_area() {
  local WIDTH=0 HEIGHT=0
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
  echo $((WIDTH * HEIGHT))
}

minimised() {
  xprop -id "$1" WM_HINTS 2>/dev/null | grep -q 'Initial state is Iconic State'
}

press_enter() {
  timeout 5 xdotool windowfocus --sync "$1" || fail "could not focus window $1"
  xdotool key Return || fail "could not press Return on window $1"
}

alive() {
  local state
  state="$(awk '/^State:/ {print $2}' "/proc/$1/status" 2>/dev/null)" || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

guard_held() {
  [ -d "$1" ] && ! flock -n "$1" true
}

wait_exit() {
  local pid="$1" seconds="${2:-10}" tries=0
  while alive "$pid"; do
    [ "$tries" -lt $((seconds * 20)) ] || return 1
    sleep 0.05
    tries=$((tries + 1))
  done
  return 0
}
