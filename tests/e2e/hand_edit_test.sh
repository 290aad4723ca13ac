#!/usr/bin/env bash
# alarms.txt is a link into a synced folder. A hand edit made while the
# program runs is read in by itself, and an Add afterwards keeps it: the saved
# file holds the edited alarms and the new one, the link stays a link, and the
# file as the user wrote it is kept as alarms.txt.bak. Then, on a plain file:
# deleting it, its folder, and replacing the folder keep the alarms going off
# (the real --folder, working directory and stderr, which nothing smaller has).
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly DAILY='1,00/00/00,0,07:00,'
readonly EDITED='2,00/00/00,5,06:45,Swim|'
readonly ADDED='0,26/06/15,0,23:59,'
mkdir -p "$RUN_DIR/synced"
printf '%s\r\n' "$DAILY" >"$RUN_DIR/synced/alarms.txt"
ln -s "$RUN_DIR/synced/alarms.txt" "$WORK_DIR/alarms.txt"

start_tockmere "$(epoch_of '2026-06-15 10:00:00')" 1
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"

# An edit as a text editor makes it: LF line ends, a blank line, renamed over
# the file the link names.
edited="$(printf '%s\n\n%s\n' "$EDITED" "$DAILY")"
printf '%s\n' "$edited" >"$RUN_DIR/synced/alarms.txt.new"
mv "$RUN_DIR/synced/alarms.txt.new" "$RUN_DIR/synced/alarms.txt"
# Read in within a couple of seconds; the file itself is not touched by that.
sleep 2.5

timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
xdotool key ctrl+a
xdotool type --delay 30 2359
xdotool key Tab Tab Tab space
wait_for_line "$ADDED" || true
expect_line "$ADDED"
expect_line "$EDITED"
expect_line "$DAILY"
[ "$(alarm_lines | wc -l)" -eq 3 ] || fail "alarms.txt should hold three lines"
[ -L "$WORK_DIR/alarms.txt" ] || fail "the save replaced the link alarms.txt by a file"
[ "$(readlink "$WORK_DIR/alarms.txt")" = "$RUN_DIR/synced/alarms.txt" ] || fail "the link was changed"
[ "$(cat "$WORK_DIR/alarms.txt.bak" 2>/dev/null)" = "$edited" ] ||
  fail "alarms.txt.bak does not hold the file as edited by hand"
[ "$(ls -A "$RUN_DIR/synced")" = alarms.txt ] || fail "files left beside the synced file: $(ls -A "$RUN_DIR/synced")"
pass "the hand edit was read in, kept by the Add, and saved through the link"

# Deleting alarms.txt, then its folder, then replacing the folder by a new one
# of the same name: the alarms stay in memory and go off, stderr says what
# happened, and each save writes alarms.txt into the folder of that name.
kill -TERM "$APP_PID"
wait_exit "$APP_PID" 10 || fail "the program did not end on SIGTERM"
rm -f "$WORK_DIR/alarms.txt" "$WORK_DIR/alarms.txt.bak"
readonly POPUP='Your alarm call:'
readonly KEPT='1,00/00/00,0,10:02,Kept|'
readonly FIRST='0,26/06/15,0,10:03,First|'
readonly SECOND='0,26/06/15,0,10:04,Second|'
write_alarms "$KEPT" "$FIRST" "$SECOND"
start_tockmere "$(epoch_of '2026-06-15 10:01:00')" 10
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not appear again"

said() {
  local _
  for _ in $(seq 1 100); do
    grep -qF -- "$1" "$APP_LOG" && return 0
    sleep 0.05
  done
  fail "stderr does not say '$1'"
}
goes_off() {
  local popup
  popup="$(wait_window "$APP_PID" "$POPUP" 30)" || fail "the $1 alarm did not go off"
  press_enter "$popup"
  wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
}

rm "$WORK_DIR/alarms.txt"
said "alarms.txt in $WORK_DIR was deleted or moved away; the 3 alarms are kept"
goes_off "Daily 10:02"
[ ! -e "$WORK_DIR/alarms.txt" ] || fail "alarms.txt was written again without a save"

rm -r "$WORK_DIR"
said "the alarms folder $WORK_DIR was deleted or moved away"
goes_off "one-off 10:03"
said "made the alarms folder $WORK_DIR again"
wait_line_gone "$FIRST" || true
[ "$(alarm_lines)" = "$SECOND"$'\n'"$KEPT" ] || fail "the save after the folder was deleted"

mv "$WORK_DIR" "$WORK_DIR.aside"
mkdir "$WORK_DIR"
said "working in the alarms folder $WORK_DIR again"
goes_off "one-off 10:04"
wait_for_line "$KEPT" || true
[ "$(alarm_lines)" = "$KEPT" ] || fail "the save did not go into the new folder $WORK_DIR"
grep -qF "$SECOND" "$WORK_DIR.aside/alarms.txt" || fail "the folder moved aside was written to"
pass "a deleted file or folder kept the alarms, and the saves wrote alarms.txt into $WORK_DIR"
