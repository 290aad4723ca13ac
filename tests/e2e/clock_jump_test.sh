#!/usr/bin/env bash
# The wall clock jumps forward over two alarms' minutes while the program
# sleeps minimised: at its next wake-up each alarm pops up once, late, and the
# one-off leaves alarms.txt. The jump comes from libfaketime's clock file,
# which the program rereads at every reading of the clock.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
readonly ONE_OFF='0,26/06/15,0,08:00,Dentist|'
readonly DAILY='1,00/00/00,0,08:01,Tea|'
write_alarms "$ONE_OFF" "$DAILY"
write_settings

# The fake clock is the real one plus the offset written in the clock file.
CLOCK_FILE="$RUN_DIR/clock"
set_offset() {
  if [ "$1" -lt 0 ]; then echo "$1" >"$CLOCK_FILE"; else echo "+$1" >"$CLOCK_FILE"; fi
}
start="$(epoch_of '2026-06-15 07:59:40')"
offset=$((start - $(date +%s)))
set_offset "$offset"
APP_LOG="$RUN_DIR/tockmere.log"
(
  cd "$WORK_DIR" || exit 1
  exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $(session_bus_env) \
    XDG_CONFIG_HOME="$CONFIG_DIR" XDG_RUNTIME_DIR="$RUN_DIR/runtime" \
    LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$CLOCK_FILE" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 XDG_DATA_HOME="$DATA_DIR" "$TOCKMERE" "${APP_ARGS[@]}" >"$APP_LOG" 2>&1
) &
APP_PID=$!
track_pid "$APP_PID"
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not appear"
sleep 2
[ -z "$(windows "$APP_PID" "$POPUP")" ] || fail "a pop-up came before the jump"

set_offset $((offset + 11 * 60)) # to about 08:10:45
popup="$(wait_window "$APP_PID" "$POPUP" 25)" ||
  fail "no pop-up by the first wake-up after the jump"
# The second pop-up follows the first at once, under the same title.
close_popup() {
  press_enter "$1"
  for _ in $(seq 1 100); do
    windows "$APP_PID" "$POPUP" | grep -qxF -- "$1" || return 0
    sleep 0.05
  done
  fail "Enter did not close the pop-up $1"
}
close_popup "$popup"
second="$(wait_window "$APP_PID" "$POPUP" 5)" || fail "no second late pop-up"
[ "$second" != "$popup" ] || fail "the first pop-up is still open"
close_popup "$second"
pass "two late pop-ups after the jump"

wait_line_gone "$ONE_OFF" || true
[ "$(alarm_lines)" = "$DAILY" ] || fail "the one-off should have left alarms.txt, the Daily stayed"
sleep 1
[ -z "$(windows "$APP_PID" "$POPUP")" ] || fail "a third pop-up came"
alive "$APP_PID" || fail "the program ended"
pass "the one-off left alarms.txt, the Daily alarm stayed"
