#!/usr/bin/env bash
# Under a real window manager, with Tockmere minimised and another program's
# window covering the screen, an alarm's pop-up comes up above everything and
# takes the focus; the main window stays minimised before, during and after.
# Under KWin, which restores an iconic window it is asked to activate, a later
# start stays minimised too.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland_lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
track_pid "$openbox_pid"
sleep 1
xmessage -geometry 1024x768+0+0 "another program" >/dev/null 2>&1 &
track_pid $!

write_settings
write_alarms '1,00/00/00,0,08:00,Wake up|'
minute="$(epoch_of '2026-06-15 08:00:00')"
start_tockmere $((minute - 20)) 10

iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
main=""
for _ in $(seq 100); do
  main="$(all_windows "$APP_PID" Tockmere | head -n 1)"
  [ -n "$main" ] && iconic "$main" && break
  sleep 0.05
done
[ -n "$main" ] && iconic "$main" || fail "the main window did not start minimised"

popup="$(wait_window "$APP_PID" "$POPUP" 20)" || fail "no pop-up while the main window is minimised"
sleep 0.3
[ "$(xdotool getactivewindow 2>/dev/null)" = "$popup" ] || fail "the pop-up did not take the focus"
xprop -id "$popup" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the pop-up is not kept above"
iconic "$main" || fail "the main window was restored by the pop-up"
pass "the pop-up is in front and focused; the main window stays minimised"

press_enter "$popup"
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
sleep 0.3
iconic "$main" || fail "the main window is not minimised after the pop-up"
pass "after the pop-up the main window is still minimised"

kill "$APP_PID" "$openbox_pid"
wait "$APP_PID" "$openbox_pid" 2>/dev/null
start_kwin_x11
mkdir -p "$RUN_DIR/kwin-start"
APP_ARGS=(--folder "$RUN_DIR/kwin-start")
start_tockmere_real
main=""
for _ in $(seq 100); do
  main="$(all_windows "$APP_PID" Tockmere | head -n 1)"
  [ -n "$main" ] && xprop -id "$main" WM_STATE 2>/dev/null | grep -q 'window state' && break
  sleep 0.05
done
sleep 2.5 # past the moment KWin restored it
iconic "$main" || fail "under KWin a later start came up restored: $(xprop -id "$main" WM_STATE)"
pass "under KWin a later start stays minimised"
