#!/usr/bin/env bash
# What a screen reader hears of the program, read through AT-SPI on a private
# session bus: every focusable control of the main window has a name and no
# two of its buttons share one; the time and date fields are read whole; Tab
# reaches the list's scroll bar, where End brings the 7th alarm into view,
# whose row's buttons say its time and kind; the window says the clock line;
# F10 opens the menu, which Esc closes; the settings come up on the checked
# font without first telling of their building; the calendar says its days in
# full; after Add the focus is on the new alarm's row; the alarm text dialog
# and the question of Clear say their alarm; the pop-up is an alert whose
# wake-up text can be read.
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
# The accessibility bus's socket goes into this run's own runtime folder, and
# its daemon, which outlives a killed launcher, is stopped with the run.
XDG_RUNTIME_DIR="$RUN_DIR/runtime" /usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
track_pid "$launcher"
for _ in $(seq 1 100); do a11y_bus="$(pgrep -P "$launcher" || true)" && [ -n "$a11y_bus" ] && break; sleep 0.05; done
[ -n "$a11y_bus" ] || fail "the accessibility bus did not start"
track_pid "$a11y_bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

write_alarms '1,00/00/00,0,06:01,|' '1,00/00/00,0,06:02,|' '1,00/00/00,0,06:03,|' \
  '1,00/00/00,0,06:04,|' '1,00/00/00,0,06:05,|' '1,00/00/00,0,06:06,|' \
  '1,00/00/00,0,06:07,|' '0,26/09/16,0,10:00,Feed the cat|at the back door|'
minute="$(epoch_of '2026-09-16 10:00:00')"
start_tockmere $((minute - 40)) 1
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"

names="$("$tree" names Tockmere)" || fail "the main window: $names"
echo "$names"
for field in Time: Date:; do
  [ -n "$("$tree" field "$field")" ] || fail "the field '$field' is empty"
  "$tree" runs "$field" || fail "a screen reader would not read the field '$field' whole"
done
pass "the time and date fields are read whole"
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
"$tree" tab-to 'Scroll the alarm calls' || fail "Tab did not reach the list's scroll bar"
xdotool key End
sleep 0.5
shown="$("$tree" field 'Alarm 7 time')" || fail "End on the scroll bar did not show the 7th alarm"
[ "$shown" = "06:07" ] || fail "the row named for the 7th alarm shows '$shown', not 06:07"
said="$("$tree" description 'Text of alarm 7')"
[ "$said" = "06:07, Daily" ] || fail "the 7th alarm's Text button says '$said', not its alarm"
said="$("$tree" description Tockmere)"
[[ "$said" == *16/09/26* ]] || fail "the main window does not say the clock line: '$said'"
pass "every control of the main window is named; Tab and End bring the 7th alarm into view, whose buttons say its time and kind; the window says the clock line"

xdotool key F10
"$tree" focus Options || fail "F10 did not open the Options menu"
xdotool key Down
"$tree" focus Settings || fail "Down did not reach the Options menu's first item"
xdotool key Escape Escape
"$tree" focus 'Scroll the alarm calls' || fail "Esc did not close the menu"
alive "$APP_PID" || fail "Esc on the open menu ended the program"
pass "F10 opens the Options menu and Esc closes it, leaving the program running"

xdotool key F10
"$tree" focus Options || fail "F10 did not open the Options menu"
xdotool key Down
"$tree" focus Settings || fail "Down did not reach Settings"
sent="$("$tree" events-before 'Tockmere Settings' Return)" || fail "Return did not open the settings"
[ "$sent" -lt 10 ] || fail "$sent events told of the settings dialog's building before it came up"
"$tree" focus 'Alarm call font: Times New Roman' ||
  fail "the settings dialog did not open on its checked font"
xdotool key Escape
wait_window_gone "$APP_PID" 'Tockmere Settings' || fail "Esc did not close the settings"
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
pass "the settings dialog comes up at once, on its checked font"

xdotool key F10
for item in Options Settings Calendar; do
  "$tree" focus "$item" || fail "F10 and Down did not reach the menu item $item"
  xdotool key Down
done
xdotool key Up Return
"$tree" focus 'Month calendar' || fail "the calendar's grid did not take the focus"
said="$("$tree" description 'Month calendar')"
[ "$said" = "Wednesday 16 September 2026" ] || fail "the calendar's grid says '$said' of today"
xdotool key Right
"$tree" focus 'Thursday 17 September 2026' || fail "Right in the calendar did not say the next day"
xdotool key Escape
wait_window_gone "$APP_PID" Calendar || fail "Esc did not close the calendar"
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
pass "the calendar says the day chosen in full, as the arrow keys move it"

"$tree" tab-to 'Time:'
xdotool key ctrl+a
xdotool type --delay 50 0630
xdotool key Tab Down Down Tab Tab space  # Daily, then Add
wait_for_line '1,00/00/00,0,06:30,' || fail "Add did not store the Daily alarm at 06:30"
"$tree" focus 'Text of alarm 9' || fail "the new alarm's row did not take the focus"
said="$("$tree" description 'Text of alarm 9')"
[ "$said" = "06:30, Daily" ] || fail "the new alarm's row says '$said'"
pass "after Add the focus is on the new alarm's row, which says it"

xdotool key space
wait_window "$APP_PID" 'Alarm Text' >/dev/null || fail "Text did not open the alarm's text"
said="$("$tree" description 'Alarm Text')"
[ "$said" = "06:30, Daily" ] || fail "the alarm text dialog says '$said' of its alarm"
xdotool key Escape
wait_window_gone "$APP_PID" 'Alarm Text' || fail "Esc did not close the alarm text dialog"
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
"$tree" tab-to 'Clear alarm 9'
xdotool key space
"$tree" focus Yes || fail "Clear did not ask"
said="$("$tree" description tockmere)"  # the box's caption is the program's name
[ "$said" = "06:30, Daily" ] || fail "the question of Clear says '$said' of its alarm"
xdotool key Escape
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
"$tree" focus 'Clear alarm 9' || fail "Esc did not answer the question"
expect_line '1,00/00/00,0,06:30,'
pass "the alarm text dialog and the question of Clear say their alarm"

wait_window "$APP_PID" 'Your alarm call:' 60 >/dev/null || fail "no pop-up at 10:00"
"$tree" alert 'Feed the cat' || fail "the pop-up's text cannot be read"
"$tree" names 'Your alarm call:' >/dev/null || fail "the pop-up has an unnamed control"
pass "the pop-up is an alert whose wake-up text can be read"
