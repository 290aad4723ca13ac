#!/usr/bin/env bash
# Under a Wayland compositor (KWin with a virtual output), on Qt's own Wayland
# platform: a first run shows the main window; a later start opens it
# minimised; an alarm's pop-up comes up at its minute as the active window on
# top; minimised, whether by the user or from the start, the program's main
# thread wakes at most twice a minute; a second start given the launcher's
# activation token brings the first copy's window forward and activates it.
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

# ---- a pop-up at its minute ----------------------------------------------------
# Under a faked clock, in a folder of its own, while the first run's window is
# the active one.
CONFIG_DIR="$RUN_DIR/config-popup"
write_settings
mkdir -p "$RUN_DIR/popup"
WORK_DIR="$RUN_DIR/popup"
APP_ARGS=(--folder "$WORK_DIR")
write_alarms '1,00/00/00,0,08:00,Wake up|'
start_tockmere $(($(epoch_of '2026-06-15 08:00:00') - 8)) 1
popup_pid="$APP_PID"
wait_kwin_window "$popup_pid" "$POPUP" 25 >/dev/null || fail "KWin lists no pop-up for the 08:00 alarm"
for _ in $(seq 25); do
  on_top "$popup_pid" "$POPUP" && break
  sleep 0.2
done
on_top "$popup_pid" "$POPUP" ||
  fail "the pop-up is not the active window on top: $(kwin_windows | tr '\t' ' ')"
pass "the pop-up comes up at its minute, active and on top"
kwin_close "$popup_pid" "$POPUP"
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

# ---- asleep while minimised --------------------------------------------------------
# The first run's window minimised by the user, the later one from its start:
# both counted over the same minute of real time.
kwin_minimise "$first" Tockmere
wait_kwin_state "$first" Tockmere minimised true || fail "KWin did not minimise the window"
sleep 2
first_before="$(main_thread_wakeups "$first")"
later_before="$(main_thread_wakeups "$later")"
sleep 60
first_wakes=$(($(main_thread_wakeups "$first") - first_before))
later_wakes=$(($(main_thread_wakeups "$later") - later_before))
[ "$first_wakes" -le 2 ] ||
  fail "minimised by the user, the main thread woke $first_wakes times in a minute"
[ "$later_wakes" -le 2 ] ||
  fail "minimised from its start, the main thread woke $later_wakes times in a minute"
pass "minimised, the main thread woke $first_wakes and $later_wakes times in a minute"

# ---- a second start with the launcher's token ---------------------------------------
# Nothing is active now, and KWin grants a token to a client without a window
# then, as it does to a launcher.
token="$(activation_token)"
APP_ENV+=(XDG_ACTIVATION_TOKEN="$token")
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
pass "a second start with a token brings the first copy forward"
