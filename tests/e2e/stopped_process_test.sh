#!/usr/bin/env bash
# A process stopped (SIGSTOP) across an alarm's minute does not lose the
# alarm: continued (SIGCONT), the minimised program shows the late pop-up at
# once, and a one-off alarm then leaves alarms.txt.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
readonly DUE='0,26/06/15,0,08:00,Dentist|'
readonly DAILY='1,00/00/00,0,09:00,'
write_alarms "$DUE" "$DAILY"
write_settings

minute="$(epoch_of '2026-06-15 08:00:00')"
start_tockmere $((minute - 8))
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not appear"
[ "$(fake_now)" -lt $((minute - 2)) ] || fail "start-up took until the alarm's minute"
kill -STOP "$APP_PID"
while [ "$(fake_now)" -lt $((minute + 4)) ]; do sleep 0.1; done
[ -z "$(windows "$APP_PID" "$POPUP")" ] || fail "a pop-up was shown before the process was stopped"
kill -CONT "$APP_PID"
continued_ns="$(date +%s%N)"

popup="$(wait_window "$APP_PID" "$POPUP" 2)" || fail "no pop-up within 2 s of SIGCONT"
pass "late pop-up $((($(date +%s%N) - continued_ns) / 1000000)) ms after SIGCONT"
press_enter "$popup"
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
wait_line_gone "$DUE" || true
[ "$(alarm_lines)" = "$DAILY" ] || fail "the fired one-off should have left alarms.txt"
sleep 1
[ -z "$(windows "$APP_PID" "$POPUP")" ] || fail "the late alarm popped up twice"
alive "$APP_PID" || fail "the program ended"
pass "the one-off left alarms.txt, the Daily alarm stayed"
