#!/usr/bin/env bash
# A one-off alarm whose moment passed while the program was not running is
# cleared at start with a "Tockmere" notice; Enter closes the notice and the
# line leaves alarms.txt. A future one-off and a Daily alarm whose minute
# passed are left alone.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly MISSED='0,26/06/14,0,07:30,Dentist|Bring card|'
readonly FUTURE='0,26/06/16,0,07:30,Future|'
readonly DAILY='1,00/00/00,0,07:00,'
write_alarms "$MISSED" "$FUTURE" "$DAILY"
write_settings

# The largest "Tockmere" window of the program, mapped or not, is the main
# window; the notice is a visible one of less than half its size.
notice_window() {
  local win main_area=0 area
  for win in $(all_windows "$APP_PID" Tockmere); do
    area="$(window_area "$win")"
    [ "$area" -le "$main_area" ] || main_area="$area"
  done
  for win in $(windows "$APP_PID" Tockmere); do
    [ $(($(window_area "$win") * 2)) -lt "$main_area" ] && echo "$win" && return 0
  done
  return 1
}

start_tockmere "$(epoch_of '2026-06-15 10:00:00')" 1
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "no window titled Tockmere appeared"
notice=""
for _ in $(seq 1 100); do
  notice="$(notice_window)" && break
  sleep 0.05
done
[ -n "$notice" ] || fail "no small 'Tockmere' notice beside the main window"
pass "the missed alarm's notice is shown"

press_enter "$notice"
notice_shown() { windows "$APP_PID" Tockmere | grep -qxF "$notice"; }
for _ in $(seq 1 100); do
  notice_shown || break
  sleep 0.05
done
notice_shown && fail "Enter did not close the notice"
wait_line_gone "$MISSED" || true
expect_no_line "$MISSED"
[ "$(alarm_lines)" = "$FUTURE"$'\n'"$DAILY" ] ||
  fail "alarms.txt should hold exactly the future one-off and the Daily alarm"
sleep 1
notice_window >/dev/null && fail "a second notice appeared for a single missed alarm"
alive "$APP_PID" || fail "the program ended after the notice"
pass "Enter closed the notice; only the missed line left alarms.txt"
