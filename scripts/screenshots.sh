#!/usr/bin/env bash
# Makes the README's pictures: the main window with a few alarms, an alarm
# pop-up, the alarm text editor, the settings dialog and the About box, as PNG files in
# docs/screenshots/. Runs the real program on a private X server (Xvfb) with a
# faked clock, driven by keys and clicks.
#
#   scripts/screenshots.sh [PATH_TO_TOCKMERE]     (default: build/tockmere)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/docs/screenshots"
source "$root/tests/e2e/lib.sh"
setup "${1:-$root/build/tockmere}"
mkdir -p "$out"
# A window manager draws the title bars the pictures show.
openbox --sm-disable >/dev/null 2>&1 &
track_pid $!
sleep 1

shoot() {
  sleep 0.7
  import -frame -window "$1" "$out/$2.png" || fail "could not capture $2"
  echo "wrote docs/screenshots/$2.png"
}

write_alarms '0,26/06/15,0,10:01,Stand-up meeting|in room 4|' \
  '1,00/00/00,0,07:00,Wake up|' \
  '2,00/00/00,3,18:30,Choir practice|' \
  '3,26/06/22,0,09:00,Put the bins out|' \
  '5,00000009,6,12:00,Pay the rent|'
minute="$(epoch_of '2026-06-15 10:01:00')"
start_tockmere $((minute - 50)) 1
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"
shoot "$main" main-window

# The first row's Text button: four Tabs from the time field.
timeout 5 xdotool windowfocus --sync "$main"
xdotool key Tab Tab Tab Tab space
editor="$(wait_window "$APP_PID" 'Alarm Text' 10)" || fail "no alarm text editor"
shoot "$editor" alarm-text
timeout 5 xdotool windowfocus --sync "$editor"
xdotool key Escape
wait_window_gone "$APP_PID" 'Alarm Text' 5 || fail "the editor stayed open"

xdotool mousemove --window "$main" 25 10 click 1
sleep 0.5
xdotool key Down Return
settings="$(wait_window "$APP_PID" 'Tockmere Settings' 10)" || fail "no settings dialog"
shoot "$settings" settings
timeout 5 xdotool windowfocus --sync "$settings"
xdotool key Escape
wait_window_gone "$APP_PID" 'Tockmere Settings' 5 || fail "the settings dialog stayed open"

# About... is the menu's last item.
xdotool mousemove --window "$main" 25 10 click 1
sleep 0.5
xdotool key Up Return
about="$(wait_window "$APP_PID" 'About Tockmere' 10)" || fail "no About box"
shoot "$about" about
timeout 5 xdotool windowfocus --sync "$about"
xdotool key Escape
wait_window_gone "$APP_PID" 'About Tockmere' 5 || fail "the About box stayed open"

popup="$(wait_window "$APP_PID" 'Your alarm call:' 90)" || fail "no pop-up at 10:01"
shoot "$popup" popup
press_enter "$popup"
