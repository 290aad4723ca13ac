#!/usr/bin/env bash
# What a screen reader hears of the program, read through AT-SPI on a private
# session bus: names, the rows' alarms, the clock line and whole fields; F10
# and the menu; the settings, the calendar, Add, the alarm text dialog, the
# question of Clear and the pop-up each heard as the user meets them.
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

# Back to the main window once a dialog has gone (there is no window manager).
back() { timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"; }
# The description of the control or window called $1 must be $2.
says() { [ "$("$tree" description "$1")" = "$2" ] || fail "'$1' does not say '$2'"; }
# F10, then Down to each menu item named in turn.
menu() {
  xdotool key F10
  for item in Options "$@"; do
    "$tree" focus "$item" || fail "F10 and Down did not reach the menu item $item"
    [ "$item" = "${!#}" ] || xdotool key Down
  done
}

names="$("$tree" names Tockmere)" || fail "the main window: $names"
echo "$names"
"$tree" runs Time: && "$tree" runs Date: || fail "the time and date fields are not read whole"
back
"$tree" tab-to 'Scroll the alarm calls' || fail "Tab did not reach the list's scroll bar"
xdotool key End
sleep 0.5
shown="$("$tree" field 'Alarm 7 time')" || fail "End on the scroll bar did not show the 7th alarm"
[ "$shown" = "06:07" ] || fail "the row named for the 7th alarm shows '$shown', not 06:07"
says 'Text of alarm 7' '06:07, Daily'
[[ "$("$tree" description Tockmere)" == *16/09/26* ]] || fail "the window does not say the clock"
pass "every control of the main window is named, the time and date are read whole; Tab and End bring the 7th alarm into view, whose buttons say it; the window says the clock line"

menu Settings
xdotool key Escape Escape
"$tree" focus 'Scroll the alarm calls' || fail "Esc did not close the menu"
alive "$APP_PID" || fail "Esc on the open menu ended the program"
menu Settings
sent="$("$tree" events-before 'Tockmere Settings' Return)" || fail "Return did not open the settings"
[ "$sent" -lt 10 ] || fail "$sent events told of the settings dialog's building before it came up"
"$tree" focus 'Alarm call font: Times New Roman' || fail "the settings did not open on their font"
xdotool key Escape
back
pass "F10 opens the menu, which Esc closes; the settings come up at once, on their checked font"

menu Settings Calendar
xdotool key Return
"$tree" focus 'Month calendar' || fail "the calendar's grid did not take the focus"
says 'Month calendar' 'Wednesday 16 September 2026'
xdotool key Right
"$tree" focus 'Thursday 17 September 2026' || fail "Right in the calendar did not say the next day"
xdotool key Escape
back
pass "the calendar says the day chosen in full, as the arrow keys move it"

"$tree" tab-to 'Time:'
xdotool key ctrl+a
xdotool type --delay 50 0630
xdotool key Tab Down Down Tab Tab space  # Daily, then Add
wait_for_line '1,00/00/00,0,06:30,' || fail "Add did not store the Daily alarm at 06:30"
"$tree" focus 'Text of alarm 9' || fail "the new alarm's row did not take the focus"
says 'Text of alarm 9' '06:30, Daily'
xdotool key space
wait_window "$APP_PID" 'Alarm Text' >/dev/null || fail "Text did not open the alarm's text"
says 'Alarm Text' '06:30, Daily'
xdotool key Escape
back
"$tree" tab-to 'Clear alarm 9'
xdotool key space
"$tree" focus Yes || fail "Clear did not ask"
says tockmere '06:30, Daily'  # the question's caption is the program's name
xdotool key Escape
back
"$tree" focus 'Clear alarm 9' || fail "Esc did not answer the question"
expect_line '1,00/00/00,0,06:30,'
pass "after Add the focus is on the new alarm's row; its text and the question of Clear say it"

wait_window "$APP_PID" 'Your alarm call:' 60 >/dev/null || fail "no pop-up at 10:00"
"$tree" alert 'Feed the cat' || fail "the pop-up's text cannot be read"
"$tree" names 'Your alarm call:' >/dev/null || fail "the pop-up has an unnamed control"
pass "the pop-up is an alert whose wake-up text can be read"
