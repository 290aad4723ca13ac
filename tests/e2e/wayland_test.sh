#!/usr/bin/env bash
# Under a Wayland compositor (KWin with a virtual output), on Qt's own Wayland
# platform: a first run shows the main window; a later start opens it
# minimised; an alarm's pop-up comes up at its minute as the active window on
# top, a click on its notification brings it forward again and its snooze adds
# the alarm; a second start given the launcher's activation token brings the first
# copy's window forward and activates it; minimised, whether by the user or
# from the start, the program's main thread wakes at most twice a minute.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland_lib.sh"
setup "$1"
start_kwin

readonly POPUP='Your alarm call:'

# Starts a copy of the program on the real clock in folder $1 with the
# settings folder $2; sets APP_PID.
start_in() {
  mkdir -p "$1"
  APP_ARGS=(--folder "$1")
  CONFIG_DIR="$2"
  start_tockmere_real
}

# ---- a first run -------------------------------------------------------------
start_in "$RUN_DIR/first" "$RUN_DIR/config-first"
first="$APP_PID"
line="$(wait_kwin_window "$first" Tockmere 20)" || fail "KWin lists no main window of a first run"
[ "$(kwin_field "$line" minimised)" = false ] || fail "a first run opened minimised"
pass "a first run shows its main window"

# ---- a pop-up at its minute, its notification's actions -------------------------
# Under a faked clock, in a folder of its own, while the first run's window is
# the active one. A window of the test's own then covers the pop-up; a click
# on the notification, with the token the desktop sends with it, brings the
# pop-up forward again; "Snooze 10 minutes", still offered after the click,
# closes it and adds the alarm.
source "$(dirname "$0")/notification_lib.sh"
start_service 0
CONFIG_DIR="$RUN_DIR/config-popup"
write_settings
mkdir -p "$RUN_DIR/popup"
WORK_DIR="$RUN_DIR/popup"
APP_ARGS=(--folder "$WORK_DIR")
write_alarms '1,00/00/00,0,08:00,Wake up|'
start_tockmere $(($(epoch_of '2026-06-15 08:00:00') - 8)) 1
popup_pid="$APP_PID"
wait_kwin_window "$popup_pid" "$POPUP" 25 >/dev/null || fail "KWin lists no pop-up for the 08:00 alarm"
wait_on_top() {
  for _ in $(seq 25); do
    on_top "$popup_pid" "$POPUP" && return 0
    sleep 0.2
  done
  return 1
}
wait_on_top || fail "the pop-up is not the active window on top: $(kwin_windows | tr '\t' ' ')"
pass "the pop-up comes up at its minute, active and on top"

wait_call '^Notify' || fail "no notification for the pop-up"
id="$(grep '^Notify' "$CALLS" | cut -f10)"
hold_activation_token
on_top "$popup_pid" "$POPUP" && fail "the test's window did not cover the pop-up"
invoke "$id" default "$TOKEN"
wait_on_top || fail "a click on the notification left the pop-up behind: $(kwin_windows | tr '\t' ' ')"
stop_token_holder
pass "a click on the notification brings the pop-up forward"

invoke "$id" snooze ''
wait_kwin_window_gone() {
  for _ in $(seq 50); do
    [ -z "$(kwin_window "$popup_pid" "$POPUP")" ] && return 0
    sleep 0.1
  done
  return 1
}
wait_kwin_window_gone || fail "Snooze did not close the pop-up"
wait_for_line '0,26/06/15,0,08:10,Wake up|' || fail "no snoozed alarm in alarms.txt: $(alarm_lines)"
pass "Snooze closes the pop-up and adds the alarm for 08:10"
stop_service
kill "$popup_pid"
wait_exit "$popup_pid" 5 || fail "the program with the pop-up did not end on SIGTERM"

# ---- a later start ---------------------------------------------------------------
CONFIG_DIR="$RUN_DIR/config-later"
write_settings
start_in "$RUN_DIR/later" "$CONFIG_DIR"
later="$APP_PID"
line="$(wait_kwin_window "$later" Tockmere 20)" || fail "KWin lists no main window of a later start"
[ "$(kwin_field "$line" minimised)" = true ] || fail "a later start did not open minimised"
pass "a later start opens minimised"

# ---- a second start with the launcher's token ---------------------------------------
# The first run's window is the active one: the token comes from a window of
# the test's own, as from a launcher the user started the program from.
hold_activation_token
APP_ENV+=(XDG_ACTIVATION_TOKEN="$TOKEN")
start_in "$RUN_DIR/later" "$RUN_DIR/config-later"
second="$APP_PID"
unset 'APP_ENV[-1]'
wait_exit "$second" 10 || fail "the second start is still running after 10 s"
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status, not 0"
wait_kwin_state "$later" Tockmere minimised false ||
  fail "the first copy's window is still minimised after a second start"
wait_kwin_state "$later" Tockmere active true ||
  fail "the first copy's window is not active after a second start with a token"
stop_token_holder
pass "a second start with a token brings the first copy forward"

# ---- asleep while minimised --------------------------------------------------------
# Three ways to be minimised, counted over the same minute of real time: from
# the start; by the user while another window covers it (a window that draws
# nothing meanwhile); by the user while it is the active window on top.
CONFIG_DIR="$RUN_DIR/config-asleep"
write_settings
start_in "$RUN_DIR/asleep" "$CONFIG_DIR"
asleep_from_start="$APP_PID"
wait_kwin_window "$asleep_from_start" Tockmere 20 >/dev/null || fail "KWin lists no window of a fourth copy"
kwin_activate "$later" Tockmere
for pid in "$first" "$later"; do
  kwin_on_window "$pid" Tockmere 'c.frameGeometry = {x: 0, y: 0, width: c.width, height: c.height}'
done
on_top "$later" Tockmere || fail "the later start's window is not on top: $(kwin_windows | tr '\t' ' ')"
sleep 2
declare -A asleep=([from its start]="$asleep_from_start" [under another window]="$first"
  [on top]="$later") wakes=()
for pid in "$first" "$later"; do
  kwin_minimise "$pid" Tockmere
  wait_kwin_state "$pid" Tockmere minimised true || fail "KWin did not minimise a window"
done
sleep 7 # a window learns within 5 s that it is no longer drawn
for how in "${!asleep[@]}"; do wakes[$how]="$(main_thread_wakeups "${asleep[$how]}")"; done
sleep 60
for how in "${!asleep[@]}"; do
  wakes[$how]=$(($(main_thread_wakeups "${asleep[$how]}") - wakes[$how]))
done
counts="$(for how in "${!asleep[@]}"; do printf '%s %s, ' "$how" "${wakes[$how]}"; done)"
for how in "${!asleep[@]}"; do
  [ "${wakes[$how]}" -le 2 ] ||
    fail "minimised $how, the main thread woke ${wakes[$how]} times in a minute ($counts)"
done
pass "minimised, the main thread wakes at most twice a minute: $counts"
