#!/usr/bin/env bash
# The wake-up timer: a timerfd on CLOCK_REALTIME_ALARM (clockid 8) set one
# minute before the next alarm that tockmere-when --next names, again after an
# Add, a Clear and a hand edit of alarms.txt, and unset when it names none
# (the last alarm cleared, or a hand edit that leaves nothing to wake for). Started without the capability
# CAP_WAKE_ALARM the program runs on, says so in one line on stderr, shows no
# box and holds no such timer.
#
# The kernel's timer runs on the real clock, so this test does too (no
# faketime): its alarms lie hours ahead of the real time. A zone of whole hours
# without daylight saving puts the local time near 11:00, so "Today" alarms a
# few hours ahead stay within today.
source "$(dirname "$0")/lib.sh"
WHEN="$(dirname "$(realpath "$1")")/tockmere-when"
[ -x "$WHEN" ] || { echo "FAIL: tockmere-when not found beside $1" >&2; exit 1; }
offset=$((10#$(date -u +%H) - 11))
if [ "$offset" -ge 0 ]; then TZ="Etc/GMT+$offset"; else TZ="Etc/GMT$offset"; fi
export TZ
setup "$1"

readonly TOLERANCE=3

# The moment the program's wake-up timer is set for (now + the time left), or
# nothing when it holds no CLOCK_REALTIME_ALARM timer or the timer is unset.
wake_timer_moment() {
  local info sec
  for info in /proc/"$APP_PID"/fdinfo/*; do
    grep -qx 'clockid: 8' "$info" 2>/dev/null || continue
    sec="$(sed -n 's/^it_value: (\([0-9]*\), [0-9]*)$/\1/p' "$info")"
    [ -n "$sec" ] && [ "$sec" -gt 0 ] && echo $(($(date +%s) + sec))
    return 0
  done
}

# expect_armed WHAT: within 5 s the timer is set a minute before the firing
# tockmere-when --next finds in alarms.txt now, or unset when it finds none.
expect_armed() {
  local what="$1" next want got=""
  next="$("$WHEN" --file "$WORK_DIR/alarms.txt" --next)"
  if [ "$next" = none ]; then
    for _ in $(seq 1 50); do
      got="$(wake_timer_moment)"
      [ -z "$got" ] && break
      sleep 0.1
    done
    [ -z "$got" ] || fail "$what: nothing to wake for, yet the timer is set for $(date -d "@$got" '+%F %T')"
    pass "$what: no alarm to wake for, the timer is unset"
    return 0
  fi
  want=$((${next##*@} - 60))
  for _ in $(seq 1 50); do
    got="$(wake_timer_moment)"
    [ -n "$got" ] && [ $((got - want)) -le "$TOLERANCE" ] && [ $((want - got)) -le "$TOLERANCE" ] &&
      break
    sleep 0.1
  done
  [ -n "$got" ] || fail "$what: no wake-up timer (clockid 8) is set"
  [ $((got - want)) -le "$TOLERANCE" ] && [ $((want - got)) -le "$TOLERANCE" ] ||
    fail "$what: the timer is set for $(date -d "@$got" +%T), want $(date -d "@$want" +%T) (next: $next)"
  pass "$what: woken at $(date -d "@$got" '+%F %T'), a minute before $next"
}

# hand_edit LINE...: another program replaces alarms.txt with the lines.
hand_edit() {
  local line
  : >"$WORK_DIR/alarms.txt.new"
  for line in "$@"; do printf '%s\r\n' "$line" >>"$WORK_DIR/alarms.txt.new"; done
  mv "$WORK_DIR/alarms.txt.new" "$WORK_DIR/alarms.txt"
  sleep 2
}

# expect_runs_without_wake_up WHY [LAUNCHER...]: started through the launcher,
# the program shows its window and no box, holds no wake-up timer, and says
# once on stderr why (WHY, a pattern).
expect_runs_without_wake_up() {
  local why="$1"
  shift
  start_tockmere_real "$@"
  main="$(wait_window "$APP_PID" Tockmere 20)" || fail "without wake-up the main window did not appear"
  # The timer is tried half a second after the clock starts, which a busy
  # machine may delay past the window's showing.
  for _ in $(seq 1 100); do
    grep -q "$why" "$APP_LOG" && break
    sleep 0.05
  done
  sleep 1
  [ "$(windows "$APP_PID" tockmere | wc -l)" -eq 1 ] || fail "without wake-up a box was shown"
  grep -l 'clockid: 8' /proc/"$APP_PID"/fdinfo/* 2>/dev/null && fail "a wake-up timer without wake-up"
  [ "$(grep -c "$why" "$APP_LOG")" -eq 1 ] || fail "stderr should say once why: $(cat "$APP_LOG")"
  alive "$APP_PID" || fail "the program ended without wake-up"
  pass "without wake-up: $(grep "$why" "$APP_LOG")"
}

# A machine whose clock cannot raise an alarm (or that withholds the capability
# from everyone) cannot show the timer: the program must run as before there.
# Whether it can is asked of the kernel, not of the program.
can_wake() {
  python3 -c 'import ctypes, sys
sys.exit(0 if ctypes.CDLL(None).timerfd_create(8, 0) >= 0 else 1)'
}
if can_wake; then
  "$TOCKMERE" --help | grep -q 'for alarms: available' || fail "--help does not say wake-up is available"
else
  echo "NOTE: this machine cannot set a wake-up timer; only running without one is checked"
  expect_runs_without_wake_up 'for alarms: not available'
  exit 0
fi

hhmm() { date -d "@$1" +%H:%M; }
today="$(date +%y/%m/%d)"  # as alarms.txt writes a date
now="$(date +%s)"
readonly START_LINE="0,$today,0,$(hhmm $((now + 3 * 3600))),Start|"
write_alarms "$START_LINE"

start_tockmere_real
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"
expect_armed "after start"

# Add a Today alarm two hours ahead: it goes off first. A new minute writes
# the current time into the time field, so the time is typed and added within
# one: not in its last 15 s, which a busy machine may need.
added="$(hhmm $((now + 2 * 3600)))"
while [ "$((10#$(date +%S)))" -ge 45 ]; do sleep 0.5; done
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
xdotool key ctrl+a
xdotool type --delay 30 "${added/:/}"
xdotool key Tab Tab Tab space
wait_for_line "0,$today,0,$added," || fail "Add did not write the alarm for $added"
expect_armed "after Add"

# The question box Clear asks (a window of the program's name beside the main
# one), waited for up to 5 s; empty when none came.
question_box() { windows "$APP_PID" tockmere | grep -vxF "$main" | head -n 1 || true; }
wait_question_box() {
  local box=""
  for _ in $(seq 1 100); do
    box="$(question_box)"
    [ -n "$box" ] && break
    sleep 0.05
  done
  echo "$box"
}

# Clear row 1, the earlier alarm: from Add, Tab reaches row 1's Text, then Clear.
xdotool key Tab Tab space
box="$(wait_question_box)"
[ -n "$box" ] || fail "Clear asked nothing"
press_enter "$box"
wait_line_gone "0,$today,0,$added," || fail "Clear did not remove the alarm for $added"
expect_armed "after Clear"

# Clear the last alarm: the focus is back on row 1's Clear.
for _ in $(seq 1 100); do
  [ -z "$(question_box)" ] && break
  sleep 0.05
done
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
xdotool key space
box="$(wait_question_box)"
[ -n "$box" ] || fail "Clear of the last alarm asked nothing"
press_enter "$box"
wait_line_gone "$START_LINE" || fail "Clear did not remove the last alarm"
expect_armed "after Clear of the last alarm"

# A hand edit brings a Daily alarm one hour ahead.
hand_edit "1,00/00/00,0,$(hhmm $((now + 3600))),Hand|" "$START_LINE"
expect_armed "after a hand edit"

# Hand edits that leave nothing to wake for, each after one that does.
past="$(date -d '-2 days' +%y/%m/%d)"
beyond="$(date -d '+400 days' +%y/%m/%d)"
for lines in "" "1,00/00/00,0,25:61,Never|" "9,00/00/00,0,$(hhmm $((now + 3600))),Unknown|" \
  "0,$past,0,$(hhmm $((now + 3600))),Past|" "0,$beyond,0,$(hhmm $((now + 3600))),Beyond|"; do
  hand_edit "$START_LINE"
  expect_armed "after a hand edit back to one alarm"
  if [ -n "$lines" ]; then hand_edit "$lines"; else hand_edit; fi
  expect_armed "after a hand edit to '${lines:-an empty file}'"
done

# Without the capability: no timer, no box, one line on stderr.
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
help="$(capsh --drop=cap_wake_alarm -- -c 'exec "$@"' sh "$TOCKMERE" --help)"
grep -q 'not available.*CAP_WAKE_ALARM' <<<"$help" || fail "--help without the capability: $help"
expect_runs_without_wake_up CAP_WAKE_ALARM capsh --drop=cap_wake_alarm -- -c 'exec "$@"' sh
