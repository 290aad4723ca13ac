#!/usr/bin/env bash
# alarms.txt is a link into a synced folder. A hand edit made while the
# program runs is read in by itself, and an Add afterwards keeps it: the saved
# file holds the edited alarms and the new one, the link stays a link, and the
# file as the user wrote it is kept as alarms.txt.bak.
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
