#!/usr/bin/env bash
# A second start in the same alarms folder wakes the first copy and exits at
# once with status 0: one process and one main window remain, and the first
# copy's window, started minimised, is restored.
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
main="$(wait_window "$first" Tockmere 20)" || fail "the first copy's main window did not appear"
[ "$(cat "$WORK_DIR/.tockmere.lock" 2>/dev/null)" = "$first" ] ||
  fail "the first copy did not write its pid into .tockmere.lock"
minimised "$main" || fail "with a registry.reg present the main window should start minimised"

start_tockmere "$start" 1
second="$APP_PID"
wait_exit "$second" 10 || fail "the second copy is still running after 10 s"
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || fail "the second copy exited with status $status, not 0"
pass "the second copy exited with status 0"

for _ in $(seq 1 100); do
  minimised "$main" || break
  sleep 0.05
done
minimised "$main" && fail "the first copy's window was not restored by the second start"
alive "$first" || fail "the first copy ended when the second started"
[ "$(copies_in_folder)" -eq 1 ] || fail "$(copies_in_folder) copies run in the alarms folder, not 1"
shown="$(xdotool search --all --onlyvisible --name '^Tockmere$' | wc -l)"
[ "$shown" -eq 1 ] || fail "$shown windows titled Tockmere are shown, not 1"
[ "$(cat "$WORK_DIR/.tockmere.lock")" = "$first" ] || fail ".tockmere.lock no longer names the first copy"
[ "$(alarm_lines)" = "$DAILY" ] || fail "alarms.txt changed"
pass "one copy runs, and its window was brought to the front"
