#!/usr/bin/env bash
# A One Date alarm fires in its minute and leaves alarms.txt once its pop-up
# is closed; the other alarms (a one-off of the same time tomorrow, a Daily
# one) stay, in order, with CR LF line ends.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
readonly TODAY='0,26/06/15,0,08:00,Dentist|'
readonly TOMORROW='0,26/06/16,0,08:00,Dentist again|'
readonly DAILY='1,00/00/00,0,09:00,'
write_alarms "$TODAY" "$TOMORROW" "$DAILY"

minute="$(epoch_of '2026-06-15 08:00:00')"
start_tockmere $((minute - 30)) 5
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not appear"
[ "$(fake_now)" -lt "$minute" ] ||
  fail "start-up took until $(date -d "@$(fake_now)" +%T): the alarm's minute had begun"
expect_line "$TODAY"

popup="$(wait_window "$APP_PID" "$POPUP" 30)" || fail "no pop-up for the one-off 08:00 alarm"
press_enter "$popup"
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"

wait_line_gone "$TODAY" || true
expect_no_line "$TODAY"
[ "$(alarm_lines)" = "$TOMORROW"$'\n'"$DAILY" ] ||
  fail "alarms.txt should hold exactly the two other alarms, in order"
[ "$(grep -c $'\r$' "$WORK_DIR/alarms.txt")" -eq 2 ] || fail "alarms.txt lost its CR LF line ends"
pass "the fired one-off alarm left alarms.txt, the others stayed"

no_window_until "$APP_PID" "$POPUP" $((minute + 20)) || fail "the one-off alarm fired twice"
alive "$APP_PID" || fail "the program ended after the one-off alarm"
pass "the program runs on"
