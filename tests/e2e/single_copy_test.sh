#!/usr/bin/env bash
# A second start in the same alarms folder, named by another path, wakes the
# first copy and exits at once with status 0: one process and one main window
# remain, and the first copy's window, started minimised, is restored. The
# guard is a lock on the alarms folder itself, and a second copy started in the first
# one's first milliseconds never ends it. The second start ends its
# launcher's startup notification (a busy pointer otherwise). When the folder is replaced, the
# guard follows the first copy into the new one. A start beside a stopped
# first copy says so and ends with status 1; a stopped copy that wakes in a
# folder another copy has taken meanwhile ends.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly DAILY='1,00/00/00,0,07:00,'
write_alarms "$DAILY"
write_settings

# Processes of this binary whose working directory is our alarms folder.
copies_in_folder() {
  local pid count=0
  for pid in $(pgrep -x tockmere || true); do
    [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$WORK_DIR" ] && alive "$pid" &&
      count=$((count + 1))
  done
  echo "$count"
}

start="$(epoch_of '2026-06-15 10:00:00')"
start_tockmere "$start" 1
first="$APP_PID"
APP_LOG_FIRST="$APP_LOG"
main="$(wait_window "$first" Tockmere 20)" || fail "the first copy's main window did not appear"
guard_held "$WORK_DIR" || fail "the first copy holds no guard for its folder"
[ -z "$(ls -A "$RUN_DIR/runtime")" ] || fail "files in \$XDG_RUNTIME_DIR: $(ls -A "$RUN_DIR/runtime")"
[ "$(ls -A "$WORK_DIR")" = alarms.txt ] || fail "the alarms folder holds more than alarms.txt: $(ls -A "$WORK_DIR")"
minimised "$main" || fail "with a registry.reg present the main window should start minimised"

[ -x "${STARTUP_MESSAGES:-}" ] || fail "STARTUP_MESSAGES names no startup_messages program"
"$STARTUP_MESSAGES" >"$RUN_DIR/startup.log" 2>&1 &
track_pid $!
for _ in $(seq 100); do
  grep -qx ready "$RUN_DIR/startup.log" && break
  sleep 0.05
done
ln -s "$WORK_DIR" "$RUN_DIR/link"
APP_ARGS=(--folder "$RUN_DIR/link")
APP_ENV=(DESKTOP_STARTUP_ID="launcher-7 x_TIME42")
start_tockmere "$start" 1
second="$APP_PID"
APP_ARGS=(--folder "$WORK_DIR")
APP_ENV=()
wait_exit "$second" 10 || fail "the second copy is still running after 10 s"
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || fail "the second copy exited with status $status, not 0"
pass "the second copy exited with status 0"
for _ in $(seq 40); do
  grep -q remove "$RUN_DIR/startup.log" && break
  sleep 0.05
done
grep -qxF 'remove: ID="launcher-7 x_TIME42"' "$RUN_DIR/startup.log" ||
  fail "the second start did not end its startup notification: $(cat "$RUN_DIR/startup.log")"

for _ in $(seq 1 100); do
  minimised "$main" || break
  sleep 0.05
done
minimised "$main" && fail "the first copy's window was not restored by the second start"
alive "$first" || fail "the first copy ended when the second started"
[ "$(copies_in_folder)" -eq 1 ] || fail "$(copies_in_folder) copies run in the alarms folder, not 1"
shown="$(xdotool search --all --onlyvisible --name '^Tockmere$' | wc -l)"
[ "$shown" -eq 1 ] || fail "$shown windows titled Tockmere are shown, not 1"
[ "$(alarm_lines)" = "$DAILY" ] || fail "alarms.txt changed"
pass "one copy runs, and its window was brought to the front"

mv "$WORK_DIR" "$RUN_DIR/aside"
mkdir "$WORK_DIR"
for _ in $(seq 1 100); do
  grep -q "working in the alarms folder $WORK_DIR again" "$APP_LOG_FIRST" && break
  sleep 0.05
done
grep -q "working in the alarms folder $WORK_DIR again" "$APP_LOG_FIRST" ||
  fail "the first copy did not enter the new alarms folder"
start_tockmere "$start" 1
wait_exit "$APP_PID" 10 || fail "a start on the replaced folder runs beside the first copy"
status=0
wait "$APP_PID" || status=$?
[ "$status" -eq 0 ] || fail "a start on the replaced folder exited with status $status, not 0"
pass "the guard followed the first copy into the replaced folder"

kill -STOP "$first"
start_tockmere "$start" 1
wait_exit "$APP_PID" 10 || fail "a start beside a stopped first copy is still running after 10 s"
status=0
wait "$APP_PID" || status=$?
[ "$status" -eq 1 ] || fail "a start beside a stopped first copy exited with status $status, not 1"
grep -q 'gave no answer within 2 s' "$APP_LOG" || fail "the start beside a stopped copy did not say why it ended"
kill -CONT "$first"
pass "a start beside a stopped first copy said so and ended with status 1"

# The folder is replaced while the first copy is stopped, and a copy starts in
# the new one: woken, the first finds it there and ends, without calling its
# window forward.
kill -STOP "$first"
mv "$WORK_DIR" "$RUN_DIR/aside-2"
mkdir "$WORK_DIR"
write_alarms "$DAILY"
start_tockmere "$start" 1
second="$APP_PID"
second_main="$(wait_window "$second" Tockmere 20)" || fail "the copy in the new folder shows no window"
kill -CONT "$first"
wait_exit "$first" 10 || fail "the woken copy runs on beside the one in its new folder"
grep -q "this copy ends" "$APP_LOG_FIRST" || fail "the woken copy did not say why it ended"
sleep 1
alive "$second" || fail "the copy in the new folder ended"
minimised "$second_main" || fail "the woken copy brought the other's window forward"
pass "a copy woken in a folder another copy works in ends, and leaves the other be"
first="$second"

# Two copies started together, five times: exactly one runs on each time.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
for round in 1 2 3 4 5; do
  start_tockmere "$start" 1
  a="$APP_PID"
  start_tockmere "$start" 1
  b="$APP_PID"
  # The later copy leaves at once; give a wrongly ended first copy time to go too.
  for _ in $(seq 1 200); do
    alive "$a" && alive "$b" || break
    sleep 0.05
  done
  sleep 0.5
  running=0
  for pid in "$a" "$b"; do
    if alive "$pid"; then
      running=$((running + 1))
      survivor="$pid"
    fi
  done
  [ "$running" -eq 1 ] || fail "round $round: $running copies run, not 1"
  wait_window "$survivor" Tockmere 20 >/dev/null || fail "round $round: the running copy shows no window"
  kill -KILL "$survivor"
  wait "$survivor" 2>/dev/null || true
done
pass "two copies started together leave exactly one running, five times out of five"
