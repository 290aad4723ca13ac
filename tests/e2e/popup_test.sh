#!/usr/bin/env bash
# A Daily alarm pops up "Your alarm call:" in its own minute and not before;
# Enter closes the pop-up, the alarm does not fire twice, the program runs on
# and the recurring alarm stays in alarms.txt unchanged.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
readonly DUE='1,00/00/00,0,08:00,Wake up|'
readonly LATER='1,00/00/00,0,08:05,Not yet|'
write_alarms "$DUE" "$LATER"

minute="$(epoch_of '2026-06-15 08:00:00')"
start_tockmere $((minute - 30)) 5
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not appear"
[ "$(fake_now)" -lt $((minute - 2)) ] ||
  fail "start-up took until $(date -d "@$(fake_now)" +%T): too late to watch the minute before 08:00"

no_window_until "$APP_PID" "$POPUP" $((minute - 1)) || fail "a pop-up appeared before 08:00"
popup="$(wait_window "$APP_PID" "$POPUP" 20)" || fail "no pop-up for the Daily 08:00 alarm"
shown_at="$(fake_now)"
if [ "$shown_at" -lt "$minute" ] || [ "$shown_at" -ge $((minute + 60)) ]; then
  fail "the pop-up came at $(date -d "@$shown_at" +%T), outside the minute 08:00"
fi
pass "pop-up shown at $(date -d "@$shown_at" +%T)"

press_enter "$popup"
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
no_window_until "$APP_PID" "$POPUP" $((minute + 20)) ||
  fail "a second pop-up appeared in the minute 08:00"
alive "$APP_PID" || fail "the program ended after the pop-up was closed"
[ -n "$(windows "$APP_PID" Tockmere)" ] || fail "the main window is gone after the pop-up"
[ "$(alarm_lines)" = "$DUE"$'\n'"$LATER" ] || fail "alarms.txt changed although no one-off alarm fired"
pass "Enter closed the pop-up; the program runs on with both Daily alarms"
