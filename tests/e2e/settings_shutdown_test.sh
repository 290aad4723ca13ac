#!/usr/bin/env bash
# A user switches the date format to U.S. in Options > Settings (mouse on the
# menu, keys in the dialog) and sees the clock line change. Then the desktop
# session ends: SIGTERM closes Tockmere cleanly with the new setting written,
# and the next start shows it. SIGHUP and the X server going away write the
# settings as well.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/screen_text.sh"
setup "$1"

readonly REG="$CONFIG_DIR/Tockmere/registry.reg"
start="$(epoch_of '2026-06-15 10:00:00')"
start_tockmere "$start" 1
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"
wait_window_text "$main" '15/06/26' 10 || fail "the clock line does not show 15/06/26: $(window_text "$main")"

open_settings "$main"
# From the font buttons, Tab passes the five colour boxes to the date format
# box; Down picks its next item, U.S.; then Tab past the sound box and
# Cancel to Save.
xdotool key Tab Tab Tab Tab Tab Tab Down Tab Tab Tab space
wait_window_gone "$APP_PID" 'Tockmere Settings' 5 || fail "Save did not close the settings dialog"
wait_window_text "$main" '06/15/26' 5 || fail "the clock line did not change to U.S. order: $(window_text "$main")"
pass "the clock line shows the U.S. date order"
[ ! -e "$REG" ] || fail "the settings were written before the program closed"

first="$APP_PID"
kill -TERM "$first"
wait_exit "$first" 10 || fail "SIGTERM did not end Tockmere"
status=0
wait "$first" || status=$?
[ "$status" -eq 0 ] || fail "after SIGTERM Tockmere ended with status $status"
grep -qF '"DateFormat"="1"' "$REG" || fail "SIGTERM did not write the new date format: $(cat "$REG")"
pass "SIGTERM wrote the settings and ended with status 0"

start_tockmere "$start" 1
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not come back"
wait_window_text "$main" '06/15/26' 10 || fail "the next start lost the U.S. date order: $(window_text "$main")"
pass "the next start shows the U.S. date order"

rm -f "$REG"
kill -HUP "$APP_PID"
wait_exit "$APP_PID" 10 || fail "SIGHUP did not end Tockmere"
grep -qF '"DateFormat"="1"' "$REG" || fail "SIGHUP did not write the settings"
pass "SIGHUP wrote the settings"

start_tockmere "$start" 1
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not come back"
sleep 0.5
rm -f "$REG"
kill "${XVFB_PIDS[0]}"
wait_exit "$APP_PID" 10 || fail "Tockmere outlived its X server"
grep -qF '"DateFormat"="1"' "$REG" || fail "the X server going away did not write the settings"
pass "the end of the X connection wrote the settings"
