#!/usr/bin/env bash
# What a screen reader hears of the program, read through AT-SPI on a private
# session bus: every focusable control of the main window has a name and no
# two of its buttons share one; Tab reaches the list's scroll bar, where End
# brings the 7th alarm into view; the pop-up is an alert whose wake-up text
# can be read.
source "$(dirname "$0")/lib.sh"
setup "$1"
tree="$(dirname "$0")/accessibility_tree.py"

bus_file="$RUN_DIR/bus"
dbus-daemon --session --nofork --print-address=3 3>"$bus_file" &
track_pid $!
for _ in $(seq 1 100); do [ -s "$bus_file" ] && break; sleep 0.05; done
[ -s "$bus_file" ] || fail "the private session bus did not start"
export E2E_SESSION_BUS="$(head -n 1 "$bus_file")"
export DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
track_pid $!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

write_alarms '1,00/00/00,0,06:01,|' '1,00/00/00,0,06:02,|' '1,00/00/00,0,06:03,|' \
  '1,00/00/00,0,06:04,|' '1,00/00/00,0,06:05,|' '1,00/00/00,0,06:06,|' \
  '1,00/00/00,0,06:07,|' '0,26/09/16,0,10:00,Feed the cat|at the back door|'
minute="$(epoch_of '2026-09-16 10:00:00')"
start_tockmere $((minute - 20)) 1
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"

names="$("$tree" names Tockmere)" || fail "the main window: $names"
echo "$names"
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
"$tree" tab-to 'Scroll the alarm calls' || fail "Tab did not reach the list's scroll bar"
xdotool key End
sleep 0.5
shown="$("$tree" field 'Alarm 7 time')" || fail "End on the scroll bar did not show the 7th alarm"
[ "$shown" = "06:07" ] || fail "the row named for the 7th alarm shows '$shown', not 06:07"
pass "every control of the main window is named; Tab and End bring the 7th alarm into view"

wait_window "$APP_PID" 'Your alarm call:' 60 >/dev/null || fail "no pop-up at 10:00"
"$tree" alert 'Feed the cat' || fail "the pop-up's text cannot be read"
"$tree" names 'Your alarm call:' >/dev/null || fail "the pop-up has an unnamed control"
pass "the pop-up is an alert whose wake-up text can be read"
