#!/usr/bin/env bash
# GNOME Shell, headless, for the end-to-end tests; sourced after lib.sh and
# wayland_lib.sh.
#
#   start_gnome_shell x11|wayland  a private session bus (E2E_SESSION_BUS, the
#                            program's too), a stand-in system bus and the shell:
#                            the window manager of the test's X display, or a
#                            Wayland compositor (programs then start on Qt's
#                            Wayland platform; DISPLAY names its XWayland). The
#                            shell knows the program by a desktop entry, as when
#                            installed, and runs an extension of the test's that
#                            allows shell_eval and leaves the overview.
#   shell_eval JS            print the value of JS run in the shell (JSON).
#   wait_shell_state PID TITLE STATE [SECONDS]  wait up to SECONDS (default 5)
#                            for that window's "minimised focused top" (each
#                            true or false; top: no other window shown above it)
#                            to be STATE; else print it and return 1.
#   cover_with TITLE         raise the window of that title and focus it.
#   click_notification TITLE click the notification of that title in the
#                            message list, with the shell's virtual pointer.

readonly SHELL_EXTENSION=e2e@tockmere
SHELL_PID=""

start_gnome_shell() {
  local home="$RUN_DIR/shell-home" runtime="$RUN_DIR/runtime" args=(--x11 --replace) bus
  local extension="$RUN_DIR/shell-home/data/gnome-shell/extensions/$SHELL_EXTENSION"
  command -v gnome-shell >/dev/null || fail "gnome-shell is not installed"
  mkdir -p "$home/config/glib-2.0/settings" "$home/data/applications" "$extension"
  echo "{\"uuid\": \"$SHELL_EXTENSION\", \"name\": \"e2e\", \"description\": \"e2e\",
    \"shell-version\": [\"43\"]}" >"$extension/metadata.json"
  echo "const Main = imports.ui.main; function init() {} function disable() {}
    function enable() { global.context.unsafe_mode = true; Main.layoutManager._startingUp
      ? Main.layoutManager.connect('startup-complete', () => Main.overview.hide())
      : Main.overview.hide(); }" >"$extension/extension.js"
  printf "[org/gnome/shell]\nenabled-extensions=['%s']\n" "$SHELL_EXTENSION" \
    >"$home/config/glib-2.0/settings/keyfile"
  printf '[Desktop Entry]\nType=Application\nName=Tockmere\nExec=%s\n' "$TOCKMERE" \
    >"$home/data/applications/tockmere.desktop"
  # The services the bus starts (the notification service) share these.
  local shell_env=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$runtime" GSETTINGS_BACKEND=keyfile)
  for bus in bus system-bus; do
    env "${shell_env[@]}" dbus-daemon --session --nofork --nopidfile \
      --address="unix:path=$runtime/$bus" 2>>"$RUN_DIR/bus.log" &
    track_pid $!
  done
  E2E_SESSION_BUS="unix:path=$runtime/bus"
  wait_started "$!" dbus-daemon "$RUN_DIR/bus.log" test -S "$runtime/bus" -a -S "$runtime/system-bus"
  [ "$1" = x11 ] || args=(--wayland --headless --virtual-monitor 1024x768 --wayland-display shell)
  env -u LD_PRELOAD -u WAYLAND_DISPLAY "${shell_env[@]}" DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" \
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$runtime/system-bus" gnome-shell "${args[@]}" \
    >"$RUN_DIR/shell.log" 2>&1 &
  SHELL_PID=$!
  track_pid "$SHELL_PID"
  wait_started "$SHELL_PID" gnome-shell "$RUN_DIR/shell.log" shell_ready
  [ "$1" = x11 ] && return
  export WAYLAND_DISPLAY="$runtime/shell"
  APP_ENV=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$WAYLAND_DISPLAY")
  DISPLAY="$(shell_eval 'imports.gi.GLib.getenv("DISPLAY")' | tr -d '"')"
  XAUTHORITY="$(shell_eval 'imports.gi.GLib.getenv("XAUTHORITY")' | tr -d '"')"
  export DISPLAY XAUTHORITY
}

shell_ready() {
  [ "$(shell_eval 'Main.layoutManager._startingUp || Main.overview.visible' 2>/dev/null)" = false ]
}

shell_eval() {
  local reply
  reply="$(DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" timeout 10 gdbus call --session \
    --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.gnome.Shell.Eval "$1")" ||
    return 1
  [[ "$reply" == "(true, '"*"')" ]] || { echo "the shell refused: $reply" >&2 && return 1; }
  reply="${reply#"(true, '"}" && printf '%s\n' "${reply%"')"}"
}

wait_shell_state() {
  local state tries=0
  while [ "$tries" -lt $((${4:-5} * 5)) ]; do
    state="$(shell_eval "(() => { const ws = global.display.sort_windows_by_stacking(
      global.display.list_all_windows()).filter(w => !w.is_override_redirect());
      const w = ws.find(w => w.get_pid() == $1 && w.get_title() == '$2');
      return w ? [w.minimized, w.has_focus(), ws.filter(o => !o.minimized).pop() == w]
        .join(' ') : 'none'; })()" | tr -d '"')"
    [ "$state" = "$3" ] && return 0
    sleep 0.2
    tries=$((tries + 1))
  done
  echo "$state"
  return 1
}

cover_with() {
  local _
  for _ in $(seq 50); do
    shell_eval "global.display.list_all_windows().filter(w => w.get_title() == '$1')
      .map(w => w.activate(global.display.get_current_time_roundtrip())).length" |
      grep -qx 1 && return 0
    sleep 0.2
  done
  fail "the shell shows no window '$1'"
}

# The list opens with an animation: where the notification is is asked once
# it has settled.
click_notification() {
  local at _
  shell_eval 'Main.panel.statusArea.dateMenu.menu.open()' >/dev/null
  for _ in $(seq 20); do
    sleep 0.3
    at="$(shell_eval "(() => { const { Clutter } = imports.gi;
      const m = Main.panel.statusArea.dateMenu._messageList._notificationSection._messages
        .find(m => m.notification?.title == '$1');
      const [x, y] = m?.get_transformed_position() ?? [NaN, NaN];
      const [w, h] = m?.get_transformed_size() ?? [NaN, NaN];
      if (isNaN(x + y + w + h)) return false;
      global.e2ePointer ??= Clutter.get_default_backend().get_default_seat()
        .create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
      global.e2ePointer.notify_absolute_motion(Clutter.CURRENT_TIME, x + w / 2, y + h / 2);
      for (const state of [Clutter.ButtonState.PRESSED, Clutter.ButtonState.RELEASED])
        global.e2ePointer.notify_button(Clutter.CURRENT_TIME, Clutter.BUTTON_PRIMARY, state);
      return true; })()")"
    [ "$at" = true ] && return 0
  done
  return 1
}
