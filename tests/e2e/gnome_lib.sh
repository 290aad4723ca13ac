#!/usr/bin/env bash
# Helpers for end-to-end tests under GNOME Shell, headless, used with lib.sh
# and wayland_lib.sh:
#
#   source "$(dirname "$0")/lib.sh"
#   source "$(dirname "$0")/wayland_lib.sh"
#   source "$(dirname "$0")/gnome_lib.sh"
#   setup "$1"
#   start_gnome_shell x11        # or wayland
#
# Functions (they fail the test with a message when something cannot be done):
#
#   start_gnome_shell x11|wayland  start a private session bus (E2E_SESSION_BUS,
#                            which the program gets too), a stand-in system bus
#                            and GNOME Shell on them: as the window manager of
#                            the test's X display, or as a Wayland compositor
#                            with a virtual monitor, its XWayland display in
#                            DISPLAY and the programs started by lib.sh on Qt's
#                            Wayland platform (APP_ENV). The shell knows the
#                            program by its desktop entry, as when installed,
#                            and runs a small extension of the test's that
#                            lets shell_eval in and leaves the overview.
#   stop_gnome_shell         end the shell and its buses.
#   shell_eval JS            run JS in the shell; print its value (JSON).
#   shell_window PID TITLE   print "minimised focused top" of that window, each
#                            true or false (top: no window that is not
#                            minimised lies above it, but the shell's own);
#                            nothing if the shell
#                            manages no such window.
#   wait_shell_state PID TITLE STATE [SECONDS]  wait up to SECONDS (default 5)
#                            for shell_window to print STATE; status 1 if not.
#   cover_with TITLE         wait up to 10 s for the shell to manage a window
#                            of that title; raise it and give it the keyboard,
#                            as a user's click would.
#   click_notification TITLE click the notification of that title in the
#                            shell's message list (opened from the clock, where
#                            the notification of an application with the
#                            keyboard goes without a banner), with the shell's
#                            own virtual pointer; status 1 if the list has none.
#   click_notification_button TITLE LABEL  what a click on its button LABEL
#                            does.
#   shell_notifications      print the titles of the notifications the shell
#                            holds, one per line.
#   focused_window_shot FILE save a picture of the window with the keyboard,
#                            its title bar with it, as the shell draws it.

readonly SHELL_EXTENSION=tockmere-e2e@tests.tockmere
SHELL_PID=""

# The extension: Eval allowed (unsafe mode), and the desktop rather than the
# overview the shell opens on when no window is open.
write_shell_extension() {
  local dir="$1/gnome-shell/extensions/$SHELL_EXTENSION"
  mkdir -p "$dir"
  printf '{"uuid": "%s", "name": "e2e", "description": "e2e", "shell-version": ["43"]}\n' \
    "$SHELL_EXTENSION" >"$dir/metadata.json"
  cat >"$dir/extension.js" <<'EOF'
const Main = imports.ui.main;
function init() {}
function enable() {
  global.context.unsafe_mode = true;
  if (Main.layoutManager._startingUp)
    Main.layoutManager.connect('startup-complete', () => Main.overview.hide());
  else
    Main.overview.hide();
}
function disable() {}
EOF
}

start_gnome_shell() {
  local mode="$1" home="$RUN_DIR/shell-home" runtime="$RUN_DIR/runtime" args=() _
  command -v gnome-shell >/dev/null || fail "gnome-shell is not installed"
  mkdir -p "$home/config/glib-2.0/settings" "$home/data/applications"
  write_shell_extension "$home/data"
  printf '[org/gnome/shell]\nenabled-extensions=['"'%s'"']\n' "$SHELL_EXTENSION" \
    >"$home/config/glib-2.0/settings/keyfile"
  # The desktop entry an installed program has, so that the shell knows its
  # windows and notifications as the application's.
  printf '[Desktop Entry]\nType=Application\nName=Tockmere\nExec=%s\nIcon=tockmere\n' \
    "$TOCKMERE" >"$home/data/applications/tockmere.desktop"
  SHELL_ENV=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$runtime" GSETTINGS_BACKEND=keyfile)
  # The services the bus starts (the notification service) share the
  # shell's settings.
  env "${SHELL_ENV[@]}" dbus-daemon --session --nofork --nopidfile \
    --address="unix:path=$runtime/system-bus" 2>"$RUN_DIR/system-bus.log" &
  track_pid $!
  env "${SHELL_ENV[@]}" dbus-daemon --session --nofork --nopidfile \
    --address="unix:path=$runtime/bus" 2>"$RUN_DIR/bus.log" &
  track_pid $!
  E2E_SESSION_BUS="unix:path=$runtime/bus"
  for _ in $(seq 100); do
    [ -S "$runtime/bus" ] && [ -S "$runtime/system-bus" ] && break
    sleep 0.05
  done
  case "$mode" in
    x11) args=(--x11 --replace) ;;
    wayland)
      args=(--wayland --headless --virtual-monitor 1024x768 --wayland-display tockmere-shell)
      ;;
    *) fail "start_gnome_shell: no mode $mode" ;;
  esac
  env -u LD_PRELOAD -u WAYLAND_DISPLAY "${SHELL_ENV[@]}" DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" \
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$runtime/system-bus" \
    gnome-shell "${args[@]}" >"$RUN_DIR/shell.log" 2>&1 &
  SHELL_PID=$!
  track_pid "$SHELL_PID"
  wait_started "$SHELL_PID" gnome-shell "$RUN_DIR/shell.log" shell_ready
  if [ "$mode" = wayland ]; then
    export WAYLAND_DISPLAY="$runtime/tockmere-shell"
    APP_ENV=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$WAYLAND_DISPLAY")
    DISPLAY="$(shell_eval 'imports.gi.GLib.getenv("DISPLAY")' | tr -d '"')"
    XAUTHORITY="$(shell_eval 'imports.gi.GLib.getenv("XAUTHORITY")' | tr -d '"')"
    export DISPLAY XAUTHORITY
  fi
}

# Whether the shell is up, its overview left and Eval allowed.
shell_ready() {
  [ "$(shell_eval 'Main.layoutManager._startingUp || Main.overview.visible' 2>/dev/null)" = false ]
}

stop_gnome_shell() {
  kill "$SHELL_PID" 2>/dev/null || true
  wait "$SHELL_PID" 2>/dev/null || true
}

shell_eval() {
  local reply
  reply="$(DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" timeout 10 gdbus call --session \
    --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.gnome.Shell.Eval "$1")" ||
    return 1
  case "$reply" in
    "(true, '"*"')") reply="${reply#"(true, '"}" && printf '%s\n' "${reply%"')"}" ;;
    *) echo "the shell refused: $reply" >&2 && return 1 ;;
  esac
}

# JS that finds the window of pid $1 titled $2 as w (none: null).
shell_find_window() {
  echo "const w = global.display.list_all_windows().find(w => w.get_pid() == $1 &&
    w.get_title() == '$2');"
}

shell_window() {
  shell_eval "(() => { $(shell_find_window "$1" "$2")
    if (!w) return '';
    const shown = global.display.sort_windows_by_stacking(global.display.list_all_windows())
      .filter(o => !o.minimized && !o.is_override_redirect() && o.showing_on_its_workspace());
    return [w.minimized, w.has_focus(), shown[shown.length - 1] == w].join(' '); })()" |
    tr -d '"'
}

wait_shell_state() {
  local tries=0
  while [ "$tries" -lt $((${4:-5} * 5)) ]; do
    [ "$(shell_window "$1" "$2")" = "$3" ] && return 0
    sleep 0.2
    tries=$((tries + 1))
  done
  return 1
}

cover_with() {
  local deadline=$((SECONDS + 10))
  until shell_eval "(() => { const w = global.display.list_all_windows().find(w =>
    w.get_title() == '$1'); if (!w) return false;
    w.activate(global.display.get_current_time_roundtrip()); return true; })()" | grep -qx true; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the shell manages no window '$1'"
    sleep 0.1
  done
}

# Runs JS (a statement about the notification n) on the notification titled $1.
shell_on_notification() {
  shell_eval "(() => { for (const s of Main.messageTray.getSources())
    for (const n of s.notifications) if (n.title == '$1') { $2; return true; }
    return false; })()" | grep -qx true
}

click_notification_button() {
  shell_on_notification "$1" "n.actions.find(a => a.label == '$2').callback()"
}

shell_notifications() {
  shell_eval "Main.messageTray.getSources().flatMap(s => s.notifications)
    .map(n => n.title).join(String.fromCharCode(10))" | sed 's/^"//; s/"$//; s/\\\\n/\n/g'
}

# A click of the shell's own virtual pointer at $1 $2 (screen pixels), as the
# user's: the shell sees a real button press with its time.
shell_click() {
  shell_eval "(() => { const { Clutter } = imports.gi;
    const seat = Clutter.get_default_backend().get_default_seat();
    global.e2ePointer ??= seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
    const d = global.e2ePointer;
    d.notify_absolute_motion(Clutter.CURRENT_TIME, $1, $2);
    d.notify_button(Clutter.CURRENT_TIME, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);
    d.notify_button(Clutter.CURRENT_TIME, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED);
  })()" >/dev/null
}

# Opens the shell's message list and prints where the notification titled
# $1 is in it (x y of its middle); nothing if it is not there.
notification_in_list() {
  shell_eval "(() => { const m = Main.panel.statusArea.dateMenu; m.menu.open();
    const msg = m._messageList._notificationSection._messages.find(x =>
      x.notification && x.notification.title == '$1');
    if (!msg || !msg.mapped) return '';
    const [x, y] = msg.get_transformed_position(); const [w, h] = msg.get_transformed_size();
    if (isNaN(x + y + w + h)) return '';
    return [Math.round(x + w / 2), Math.round(y + h / 2)].join(' '); })()" | tr -d '"'
}

click_notification() {
  local at="" _
  for _ in $(seq 20); do
    at="$(notification_in_list "$1")"
    [ -n "$at" ] && break
    sleep 0.1
  done
  [ -n "$at" ] || return 1
  sleep 0.5 # the list opens with an animation
  shell_click $(notification_in_list "$1")
}

focused_window_shot() {
  DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" gdbus call --session --dest org.gnome.Shell.Screenshot \
    --object-path /org/gnome/Shell/Screenshot --method org.gnome.Shell.Screenshot.ScreenshotWindow \
    true false false "$1" >/dev/null || fail "the shell took no picture of the focused window"
}
