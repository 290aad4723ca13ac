#!/usr/bin/env bash
# Under GNOME Shell, headless. On X11: a later start opens minimised, and its
# main thread then wakes at most twice a minute; a copy ended by SIGTERM with
# a pop-up open leaves no notification behind in the shell. On Wayland: an
# alarm's pop-up shows its whole title in the title bar Qt draws there;
# covered by another window, it comes back to the front with the keyboard
# when its notification is clicked in the shell's message list, and "Snooze
# 10 minutes" then closes it and adds the alarm.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland_lib.sh"
source "$(dirname "$0")/gnome_lib.sh"
source "$(dirname "$0")/screen_text.sh"
setup "$1"

readonly POPUP='Your alarm call:'
readonly SUMMARY='Your alarm call: 08:00'

# Starts a later start with an alarm at 08:00 in a folder of its own named
# $1, its clock 8 s before; waits for the pop-up in front with the keyboard.
popup_in_front() {
  CONFIG_DIR="$RUN_DIR/config-$1"
  WORK_DIR="$RUN_DIR/$1"
  APP_ARGS=(--folder "$WORK_DIR")
  mkdir -p "$WORK_DIR"
  write_settings
  write_alarms '1,00/00/00,0,08:00,Wake up|'
  start_tockmere $(($(epoch_of '2026-06-15 08:00:00') - 8)) 1
  wait_shell_state "$APP_PID" "$POPUP" 'false true true' 25 ||
    fail "$1: the pop-up did not come up in front: $(shell_window "$APP_PID" "$POPUP")"
}

# ---- X11 -------------------------------------------------------------------
start_gnome_shell x11
write_settings
start_tockmere_real
later="$APP_PID"
wait_shell_state "$later" Tockmere 'true false false' 20 ||
  fail "a later start did not open minimised: $(shell_window "$later" Tockmere)"
pass "x11: a later start opens minimised"
sleep 7 # a window learns within 5 s that it is no longer drawn
wakes="$(main_thread_wakeups "$later")"
sleep 60
wakes=$(($(main_thread_wakeups "$later") - wakes))
[ "$wakes" -le 2 ] || fail "x11: minimised, the main thread woke $wakes times in a minute"
pass "x11: minimised, the main thread woke $wakes times in a minute"

popup_in_front sigterm
shell_notifications | grep -qxF "$SUMMARY" || fail "the shell shows no notification '$SUMMARY'"
kill -TERM "$APP_PID"
wait_exit "$APP_PID" 10 || fail "SIGTERM did not end the program"
shell_notifications | grep -qxF "$SUMMARY" && fail "the notification '$SUMMARY' was left in the shell"
pass "x11: SIGTERM with a pop-up open leaves no notification behind"
stop_gnome_shell

# ---- Wayland ------------------------------------------------------------------
start_gnome_shell wayland
popup_in_front wayland
focused_window_shot "$RUN_DIR/popup.png"
image_text "$RUN_DIR/popup.png" | grep -qF "$POPUP" ||
  fail "wayland: the pop-up's title bar does not show '$POPUP': $(image_text "$RUN_DIR/popup.png")"
pass "wayland: the pop-up's title bar shows its whole title"
xmessage -geometry 800x600+112+84 "another program" >/dev/null 2>&1 &
track_pid $!
cover_with xmessage
wait_shell_state "$APP_PID" "$POPUP" 'false false false' ||
  fail "the test's window did not cover the pop-up: $(shell_window "$APP_PID" "$POPUP")"
click_notification "$SUMMARY" || fail "the shell's message list has no notification '$SUMMARY'"
wait_shell_state "$APP_PID" "$POPUP" 'false true true' ||
  fail "a click on the notification left the pop-up behind: $(shell_window "$APP_PID" "$POPUP")"
pass "wayland: a click on the notification brings the covered pop-up back with the keyboard"

click_notification_button "$SUMMARY" 'Snooze 10 minutes' || fail "the notification offers no snooze"
wait_for_line '0,26/06/15,0,08:10,Wake up|' || fail "Snooze added no alarm: $(alarm_lines)"
[ -z "$(shell_window "$APP_PID" "$POPUP")" ] || fail "Snooze left the pop-up open"
pass "wayland: Snooze closes the pop-up and adds the alarm for 08:10"
