#!/usr/bin/env bash
# A user gives a Daily alarm a two-line wake-up text through its Text button,
# by keys alone: Save writes it into alarms.txt at once, and the pop-up of
# that alarm shows both lines.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/screen_text.sh"
setup "$1"

readonly POPUP='Your alarm call:'
write_alarms '1,00/00/00,0,08:00,|'
minute="$(epoch_of '2026-06-15 08:00:00')"
start_tockmere $((minute - 60)) 4
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"

# From the time field, Tab passes the Type box, the date field and Add to the
# first row's Text button.
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
xdotool key Tab Tab Tab Tab space
editor="$(wait_window "$APP_PID" 'Alarm Text' 10)" || fail "Text did not open the alarm text editor"
timeout 5 xdotool windowfocus --sync "$editor" || fail "could not focus the editor"
xdotool type --delay 30 'Wake up'
xdotool key Return
xdotool type --delay 30 'Coffee is ready'
xdotool key Tab space
wait_window_gone "$APP_PID" 'Alarm Text' 5 || fail "Save did not close the editor"
expect_line '1,00/00/00,0,08:00,Wake up|Coffee is ready|'
pass "Save stored the two lines"

[ "$(fake_now)" -lt "$minute" ] || fail "the text was saved too late to watch the 08:00 pop-up"
popup="$(wait_window "$APP_PID" "$POPUP" 40)" || fail "no pop-up for the 08:00 alarm"
sleep 0.3
shown="$(window_text "$popup")"
grep -qF 'Wake up' <<<"$shown" || fail "the pop-up does not show 'Wake up': $shown"
grep -qF 'Coffee is ready' <<<"$shown" || fail "the pop-up does not show 'Coffee is ready': $shown"
[ "$(grep -cF -e 'Wake up' -e 'Coffee' <<<"$shown")" -eq 2 ] ||
  fail "the two lines are not on lines of their own: $shown"
pass "the pop-up shows the text on two lines"
press_enter "$popup"
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
expect_line '1,00/00/00,0,08:00,Wake up|Coffee is ready|'
