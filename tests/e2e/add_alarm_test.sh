#!/usr/bin/env bash
# A new user (no settings, no alarms.txt) types an alarm for the next minute
# into the time field, leaves the type at "Today" and presses Add: the line is
# in alarms.txt at once, the pop-up "Your alarm call:" comes in that minute,
# and once it is closed the one-off alarm is gone from the file.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
readonly ADDED='0,26/06/15,0,07:59,'

# The time field shows the current time again at every new minute, so the
# typing has to be done within the minute the program starts in.
minute="$(epoch_of '2026-06-15 07:59:00')"
start_tockmere $((minute - 30)) 10
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"
minimised "$main" && fail "a first start should open the main window in its normal state"
[ -e "$WORK_DIR/alarms.txt" ] && fail "a new user's folder should hold no alarms.txt before Add"

# Focus starts in the time field; select its text, type over it, then Tab
# past the Type box and the read-only date field to Add (the disabled Day
# box takes no focus) and press it with the space bar.
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
xdotool key ctrl+a
xdotool type --delay 30 0759
xdotool key Tab Tab Tab space
added_at="$(fake_now)"
[ "$added_at" -lt "$minute" ] ||
  fail "Add was pressed at $(date -d "@$added_at" +%T): too late to add an alarm for 07:59"

wait_for_line "$ADDED" || true
[ "$(alarm_lines)" = "$ADDED" ] || fail "alarms.txt should hold just the line '$ADDED'"
[ "$(grep -c $'\r$' "$WORK_DIR/alarms.txt")" -eq 1 ] || fail "alarms.txt should end its line in CR LF"
[ -z "$(windows "$APP_PID" Tockmere | grep -vxF "$main")" ] ||
  fail "Add showed a message box instead of adding the alarm"
pass "Add at $(date -d "@$added_at" +%T) wrote '$ADDED'"

no_window_until "$APP_PID" "$POPUP" $((minute - 1)) || fail "the pop-up came before 07:59"
popup="$(wait_window "$APP_PID" "$POPUP" 20)" || fail "no pop-up for the alarm added for 07:59"
shown_at="$(fake_now)"
[ "$shown_at" -ge "$minute" ] && [ "$shown_at" -lt $((minute + 60)) ] ||
  fail "the pop-up came at $(date -d "@$shown_at" +%T), outside the minute 07:59"
pass "pop-up shown at $(date -d "@$shown_at" +%T)"

press_enter "$popup"
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
wait_line_gone "$ADDED" || true
expect_no_line "$ADDED"
alive "$APP_PID" || fail "the program ended after the pop-up"
pass "the fired alarm left alarms.txt and the program runs on"
