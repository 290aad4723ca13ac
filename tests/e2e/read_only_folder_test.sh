#!/usr/bin/env bash
# An alarms folder that cannot be written (read-only media, a file system
# remounted read-only) still starts the program: the one-copy guard is no
# file, and the alarms in the folder ring. And the guard does not hang on
# $XDG_RUNTIME_DIR: a copy started without a usable one is found by a second
# start that has one.
#
# The folder is made read-only by a read-only bind mount of itself, which
# needs the right to mount; without it the test says why and skips.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly POPUP='Your alarm call:'
readonly DAILY='1,00/00/00,0,10:01,Stretch|'
write_alarms "$DAILY"
write_settings

mounted=""
unmount() {
  # Lazily: a copy still running in the folder keeps it busy until cleanup ends it.
  [ -z "$mounted" ] || umount -l "$WORK_DIR" || true
  cleanup
}
trap unmount EXIT
if ! mount --bind "$WORK_DIR" "$WORK_DIR" 2>"$RUN_DIR/mount.log"; then
  echo "SKIP: cannot bind-mount the alarms folder read-only here ($(cat "$RUN_DIR/mount.log"));" \
    "the read-only folder was not tried"
  exit 0
fi
mounted=yes
mount -o remount,bind,ro "$WORK_DIR" || fail "cannot remount the alarms folder read-only"
touch "$WORK_DIR/probe" 2>/dev/null && fail "the alarms folder is still writable"

start_tockmere "$(epoch_of '2026-06-15 10:00:50')" 1
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "no main window on a read-only folder"
grep -q 'already running' "$APP_LOG" && fail "a lone copy said another one runs"
popup="$(wait_window "$APP_PID" "$POPUP" 30)" || fail "the Daily alarm of the read-only folder did not ring"
pass "the program runs on a read-only folder and its alarm rang"
press_enter "$popup"
wait_window_gone "$APP_PID" "$POPUP" 5 || fail "Enter did not close the pop-up"
[ "$(alarm_lines)" = "$DAILY" ] || fail "alarms.txt changed"
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true

# No usable runtime folder for the first copy, a usable one for the second.
rm -rf "$RUN_DIR/runtime"
: >"$RUN_DIR/runtime"
start_tockmere "$(epoch_of '2026-06-15 10:00:00')" 1
first="$APP_PID"
wait_window "$first" Tockmere 20 >/dev/null || fail "no main window without a usable \$XDG_RUNTIME_DIR"
grep -q 'no guard' "$APP_LOG" && fail "a lone copy said it runs without the guard"
rm "$RUN_DIR/runtime"
mkdir -m 700 "$RUN_DIR/runtime"
start_tockmere "$(epoch_of '2026-06-15 10:00:00')" 1
wait_exit "$APP_PID" 10 || fail "a second start with another \$XDG_RUNTIME_DIR still runs after 10 s"
wait "$APP_PID" || fail "the second start exited with status $?, not 0"
alive "$first" || fail "the first copy ended when the second started"
pass "a second start with another \$XDG_RUNTIME_DIR found the first copy and left"
