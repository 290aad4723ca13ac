#!/usr/bin/env bash
# While a pop-up is open a desktop notification stands for it: on a private
# session bus with a notification service of the test's own, the pop-up sends
# one urgent notification (the time and the first line of the text, the
# program's icon) and withdraws it when it closes. With a bus but no service,
# with the bus gone, and with no bus at all, the pop-up alone shows and the
# program runs on. Choosing "Snooze 10 minutes" in it adds a one-off alarm,
# also after a click on it; a service started again in the place of the first
# cannot.
# The program ended by the end of its X server withdraws it.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
source "$(dirname "$0")/notification_lib.sh"

command -v dbus-daemon >/dev/null || fail "dbus-daemon is not installed"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$RUN_DIR/bus.address" \
  2>"$RUN_DIR/bus.log" &
track_pid $!
for _ in $(seq 100); do
  [ -s "$RUN_DIR/bus.address" ] && break
  sleep 0.05
done
E2E_SESSION_BUS="$(head -n 1 "$RUN_DIR/bus.address")"
[ -n "$E2E_SESSION_BUS" ] || fail "the private session bus did not start"

# Shows the pop-up of a Daily alarm at 07:31 (text "$1") and closes it with
# Enter; the program is stopped afterwards.
popup_at_0731() {
  write_alarms "1,00/00/00,0,07:31,$1"
  write_settings
  start_tockmere "$(epoch_of '2026-10-22 07:30:48')" 1
  popup="$(wait_window "$APP_PID" "$POPUP" 20)" || fail "no pop-up for the 07:31 alarm"
  shown_popup="$popup"
}

close_popup() {
  press_enter "$shown_popup"
  wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
  alive "$APP_PID" || fail "the program ended after the pop-up"
}

stop_app() {
  { kill -KILL "$APP_PID" && wait "$APP_PID"; } 2>/dev/null || true
}

start_service 0
popup_at_0731 'Feed the cat & dog|Then tea|'
wait_call '^Notify' || fail "no notification while the pop-up is open"
IFS=$'\t' read -r _ app replaces icon summary body urgency image timeout id resident \
  < <(grep '^Notify' "$CALLS")
[ "$app" = Tockmere ] || fail "notification from '$app', not Tockmere"
[ "$summary" = "Your alarm call: 07:31" ] || fail "notification summary '$summary'"
[ "$body" = "Feed the cat &amp; dog" ] || fail "notification body '$body'"
[ "$urgency" = 2 ] || fail "notification urgency '$urgency', not critical (2)"
[ "$icon" = tockmere ] && [ "$image" = 64x64 ] || fail "notification icon '$icon', image '$image'"
[ "$replaces" = 0 ] && [ "$timeout" = 0 ] || fail "notification replaces $replaces, timeout $timeout"
[ "$resident" = 1 ] || fail "notification resident '$resident': a click would take Snooze away"
grep -q '^Close' "$CALLS" && fail "the notification was withdrawn while the pop-up is open"
pass "notification $id sent while the pop-up is open: '$summary' / '$body'"
close_popup
wait_call "^Close	$id\$" || fail "the notification was not withdrawn when the pop-up closed"
[ "$(grep -c '^Notify' "$CALLS")" = 1 ] || fail "more than one notification for one pop-up"
pass "notification $id withdrawn when the pop-up closed"
stop_app
stop_service

# Choosing "Snooze 10 minutes" in the notification, after a click on it,
# closes the pop-up and puts a one-off alarm ten minutes on, with the same
# text, in alarms.txt, once for a double click. A choice in another program's
# notification, and one told after the notification was closed, add nothing.

start_service 0
popup_at_0731 'Snooze, then tea & toast|Second line|'
wait_call '^Notify' || fail "no notification for the pop-up to snooze"
id="$(grep '^Notify' "$CALLS" | cut -f10)"
grep -qxF "Actions	$id	default	Show	snooze	Snooze 10 minutes" "$CALLS" ||
  fail "the notification offered: $(grep '^Actions' "$CALLS")"
invoke $((id + 100)) snooze ''
invoke "$id" default token-0
invoke "$id" snooze token-1 2
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Snooze did not close the pop-up"
readonly SNOOZED='0,26/10/22,0,07:41,Snooze, then tea & toast|Second line|'
wait_for_line "$SNOOZED" || fail "no snoozed alarm in alarms.txt: $(alarm_lines)"
invoke "$id" snooze token-1
sleep 1
[ "$(alarm_lines | grep -c ',07:41,')" = 1 ] || fail "snoozed more than once: $(alarm_lines)"
expect_line '1,00/00/00,0,07:31,Snooze, then tea & toast|Second line|'
alive "$APP_PID" || fail "the program ended after the snooze"
pass "Snooze closed the pop-up and added '$SNOOZED', once"
kill -TERM "$APP_PID"
wait "$APP_PID"
status=$?
[ "$status" = 0 ] || fail "the program ended with status $status after listening to the service"
stop_service

# A service started again counts its ids afresh: a choice in its own
# notification 1 is not one in the pop-up's, which it was never sent, and the
# pop-up's withdrawal does not close its notification 1.
start_service 0
popup_at_0731 'Restarted|'
wait_call '^Notify' || fail "no notification for the pop-up before the service restarts"
stop_service
start_service 0
invoke 1 snooze ''
sleep 1
[ -n "$(windows "$APP_PID" "$POPUP")" ] || fail "a choice told by the new service closed the pop-up"
[ "$(alarm_lines | grep -c 'Restarted|')" = 1 ] || fail "the new service's choice snoozed: $(alarm_lines)"
close_popup
sleep 1
grep '^Close' "$CALLS" && fail "the pop-up's withdrawal closed the new service's notification"
pass "a service started again could neither snooze the pop-up nor be asked to close its own id 1"
stop_app
stop_service

# A pop-up closed before the desktop has answered: its notification is
# withdrawn as soon as the answer (its id) comes.
start_service 3000
popup_at_0731 'Quick|'
wait_call '^Notify' || fail "no notification for the second pop-up"
close_popup
wait_call "^Close	1\$" || fail "a notification withdrawn before its id came was left on the desktop"
pass "a pop-up closed before the desktop answered still had its notification withdrawn"
stop_app
stop_service
popup_at_0731 'No service|'
pass "with a session bus but no notification service the pop-up shows"
close_popup
stop_app

E2E_SESSION_BUS="unix:path=$RUN_DIR/no-bus"
popup_at_0731 'Bus gone|'
pass "with the session bus gone the pop-up shows"
close_popup
stop_app

# The X server going away while a pop-up is open ends the program, which
# takes the pop-up's notification off the desktop first.
E2E_SESSION_BUS="$(head -n 1 "$RUN_DIR/bus.address")"
start_service 0
start_display
export DISPLAY="$LAST_DISPLAY"
popup_at_0731 'X server gone|'
wait_call '^Notify' || fail "no notification for the pop-up on the second X server"
id="$(grep '^Notify' "$CALLS" | cut -f10)"
kill "${XVFB_PIDS[-1]}"
wait_exit "$APP_PID" 10 || fail "the program outlived its X server"
wait_call "^Close	$id\$" || fail "the end of the X server left the pop-up's notification behind"
pass "the end of the X server took the pop-up's notification off the desktop"
stop_service

if grep -qi 'dbus' "$RUN_DIR"/tockmere.*.log; then
  fail "the program reported a D-Bus error: $(grep -hi dbus "$RUN_DIR"/tockmere.*.log)"
fi
pass "no D-Bus error reported"
