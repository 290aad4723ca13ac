#!/usr/bin/env bash
# The command line and the alarms folder. --help and --version answer without
# a display and exit 0; a bad argument exits 2 and a missing --folder exits 1,
# each with a message. Started with no folder chosen, from a folder that holds
# another alarms.txt, the program creates $XDG_DATA_HOME/tockmere, works in it
# and fires the alarms of the alarms.txt there.
source "$(dirname "$0")/lib.sh"
setup "$1"

out="$RUN_DIR/answer"
env -u DISPLAY "$TOCKMERE" --version >"$out" 2>&1 || fail "--version did not exit 0"
grep -qxE 'tockmere [0-9]+(\.[0-9]+)+' "$out" || fail "--version printed '$(cat "$out")'"
env -u DISPLAY "$TOCKMERE" --help >"$out" 2>&1 || fail "--help did not exit 0"
head -n 1 "$out" | grep -qxF 'Usage: tockmere [--folder DIR]' || fail "--help printed '$(cat "$out")'"
grep -q -- '--folder DIR' "$out" || fail "--help does not describe --folder"
status=0
env -u DISPLAY "$TOCKMERE" --frobnicate >"$out" 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "a bad argument exited with $status, not 2"
grep -qF "unknown argument '--frobnicate'" "$out" || fail "a bad argument printed '$(cat "$out")'"
status=0
env -u DISPLAY "$TOCKMERE" --folder "$RUN_DIR/nowhere" >"$out" 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "a missing --folder exited with $status, not 1"
grep -qF "the alarms folder $RUN_DIR/nowhere does not exist" "$out" ||
  fail "a missing --folder printed '$(cat "$out")'"
[ ! -e "$RUN_DIR/nowhere" ] || fail "a missing --folder was created"
pass "--help, --version and bad arguments answer on the terminal"

readonly DECOY='1,00/00/00,0,07:00,Not this folder|'
readonly DUE='1,00/00/00,0,10:01,Wake up|'
printf '%s\r\n' "$DECOY" >"$RUN_DIR/alarms.txt"
write_settings
APP_ARGS=()
start="$(epoch_of '2026-06-15 10:00:50')"
start_tockmere "$start" 1
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not appear"
folder="$DATA_DIR/tockmere"
[ -d "$folder" ] || fail "$folder was not created"
[ "$(readlink "/proc/$APP_PID/cwd")" = "$folder" ] || fail "the program does not work in $folder"
guard_held "$folder" || fail "the program holds no guard for $folder"
kill -TERM "$APP_PID"
wait_exit "$APP_PID" 10 || fail "the program did not end on SIGTERM"
pass "with no folder chosen the program created and used $folder"

printf '%s\r\n' "$DUE" >"$folder/alarms.txt"
start_tockmere "$start" 5
wait_window "$APP_PID" 'Your alarm call:' 20 >/dev/null ||
  fail "the Daily 10:01 alarm of $folder/alarms.txt did not pop up"
[ "$(tr -d '\r' <"$RUN_DIR/alarms.txt")" = "$DECOY" ] || fail "the alarms.txt of the starting folder changed"
pass "the program ran the alarms of $folder, not of the starting folder"
