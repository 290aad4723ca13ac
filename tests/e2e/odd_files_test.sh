#!/usr/bin/env bash
# Whatever stands in place of the program's files, it starts and loses
# nothing: a FIFO as alarms.txt says "File open error." once and is never
# replaced; a folder as registry.reg gives the defaults of a first run and the
# registry error at closing.
source "$(dirname "$0")/lib.sh"
setup "$1"

mkfifo "$WORK_DIR/alarms.txt"
mkdir -p "$CONFIG_DIR/Tockmere/registry.reg"

start_tockmere "$(epoch_of '2026-06-15 10:00:00')" 1
error="$(wait_window "$APP_PID" Error 20)" || fail "no 'Error' box for a FIFO as alarms.txt"
pass "a FIFO as alarms.txt does not hang the start and is reported"
press_enter "$error"
wait_window_gone "$APP_PID" Error 5 || fail "Enter did not close the 'Error' box"
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "no main window after the message"
minimised "$main" && fail "with no readable settings the start should be a first run (normal window)"
[ -n "$(windows "$APP_PID" Error)" ] && fail "'File open error.' came more than once"

# Esc writes the settings: the folder cannot be replaced, so the registry
# error comes (a second window titled Tockmere), and Enter lets the program end.
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
xdotool key Escape
box=""
for _ in $(seq 1 100); do
  box="$(windows "$APP_PID" Tockmere | grep -vxF "$main" | head -n 1)" && [ -n "$box" ] && break
  sleep 0.05
done
[ -n "$box" ] || fail "no registry error box at closing"
press_enter "$box"
wait_exit "$APP_PID" 10 || fail "the program did not end after the registry error"
[ -p "$WORK_DIR/alarms.txt" ] || fail "the FIFO alarms.txt was replaced"
[ -d "$CONFIG_DIR/Tockmere/registry.reg" ] || fail "the folder registry.reg was replaced"
pass "the FIFO and the folder are as they were and the program ended"
