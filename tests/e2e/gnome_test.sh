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

readonly POPUP='Your alarm call:' SUMMARY='Your alarm call: 08:00'
notified() {
  shell_eval 'Main.messageTray.getSources().flatMap(s => s.notifications).map(n => n.title)' |
    grep -qF "\"$SUMMARY\""
}

# A later start in a folder of its own, $1, with an alarm at 08:00 and its
# clock 8 s before: the pop-up comes up in front with the keyboard.
popup_in_front() {
  CONFIG_DIR="$RUN_DIR/config-$1" WORK_DIR="$RUN_DIR/$1"
  APP_ARGS=(--folder "$WORK_DIR")
  mkdir -p "$WORK_DIR"
  write_settings
  write_alarms '1,00/00/00,0,08:00,Wake up|'
  start_tockmere $(($(epoch_of '2026-06-15 08:00:00') - 8)) 1
  state="$(wait_shell_state "$APP_PID" "$POPUP" 'false true true' 25)" ||
    fail "$1: the pop-up did not come up in front: $state"
}

start_gnome_shell x11
write_settings
start_tockmere_real
state="$(wait_shell_state "$APP_PID" Tockmere 'true false false' 20)" ||
  fail "a later start did not open minimised: $state"
sleep 7 # a window learns within 5 s that it is no longer drawn
wakes="$(main_thread_wakeups "$APP_PID")"
sleep 60
wakes=$(($(main_thread_wakeups "$APP_PID") - wakes))
[ "$wakes" -le 2 ] || fail "x11: minimised, the main thread woke $wakes times in a minute"
pass "x11: a later start opens minimised; its main thread woke $wakes times in a minute"

popup_in_front sigterm
for _ in $(seq 25); do notified && break || sleep 0.2; done
notified || fail "the shell shows no notification '$SUMMARY'"
kill -TERM "$APP_PID"
wait_exit "$APP_PID" 10 || fail "SIGTERM did not end the program"
notified && fail "SIGTERM left '$SUMMARY' in the shell"
pass "x11: SIGTERM with a pop-up open leaves no notification behind"
{ kill "$SHELL_PID" && wait "$SHELL_PID"; } 2>/dev/null || true

start_gnome_shell wayland
popup_in_front wayland
DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" gdbus call --session --dest org.gnome.Shell.Screenshot \
  --object-path /org/gnome/Shell/Screenshot --method org.gnome.Shell.Screenshot.ScreenshotWindow \
  true false false "$RUN_DIR/popup.png" >/dev/null || fail "the shell took no picture of the pop-up"
title="$(image_text "$RUN_DIR/popup.png" | head -n 1)"
[[ "$title" == *"$POPUP"* ]] || fail "wayland: the pop-up's title bar shows '$title'"
pass "wayland: the pop-up's title bar shows its whole title"

xmessage -geometry 800x600+112+84 "another program" >/dev/null 2>&1 &
track_pid $!
cover_with xmessage
state="$(wait_shell_state "$APP_PID" "$POPUP" 'false false false')" ||
  fail "the test's window did not cover the pop-up: $state"
click_notification "$SUMMARY" || fail "the shell's message list has no notification '$SUMMARY'"
state="$(wait_shell_state "$APP_PID" "$POPUP" 'false true true')" ||
  fail "a click on the notification left the pop-up behind: $state"
pass "wayland: a click on the notification brings the covered pop-up back with the keyboard"

shell_eval "Main.messageTray.getSources().flatMap(s => s.notifications).find(n =>
  n.title == '$SUMMARY').actions.find(a => a.label == 'Snooze 10 minutes').callback()" >/dev/null ||
  fail "the notification offers no snooze"
wait_for_line '0,26/06/15,0,08:10,Wake up|' || fail "Snooze added no alarm: $(alarm_lines)"
state="$(wait_shell_state "$APP_PID" "$POPUP" none)" || fail "Snooze left the pop-up open: $state"
pass "wayland: Snooze closes the pop-up and adds the alarm for 08:10"
