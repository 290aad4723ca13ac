#!/usr/bin/env bash
# A week of use, Thursday 22 to Thursday 29 October 2026 in Europe/London,
# over the night the clocks go back. A new user types nine alarms of every
# kind into the form; the program is closed and started again (minimised),
# clears the one-off alarm missed while it was closed with its notice, and
# once is stopped as a logout stops it. The faked clock jumps to a few
# seconds before each minute in which tockmere-when (built beside the
# program) predicts a firing, and runs at sixty times real speed through the
# night of the change. From outside it checks that every predicted pop-up
# came in its minute with its text (read from the screen), that no other
# pop-up came in the minutes watched, and that nothing the user entered was
# lost. It ends with its figures.
#
# For looking into a run: WEEK_SHOTS=DIR keeps the pictures of the pop-ups and
# the notice in DIR; WEEK_DEBUG=FILE logs each clock change and pop-up there.
source "$(dirname "$0")/lib.sh"
setup "$1"

readonly WHEN="$(dirname "$TOCKMERE")/tockmere-when"
readonly POPUP='Your alarm call:'
readonly SHOTS="$RUN_DIR/shots"
readonly CLOCK_FILE="$RUN_DIR/faketime"
[ -x "$WHEN" ] || fail "tockmere-when is not built beside the program ($WHEN)"
command -v tesseract >/dev/null || fail "tesseract (tesseract-ocr) is needed to read the pop-ups"
mkdir -p "$SHOTS"
test_started="$(date +%s)"

# ---- the faked clock -------------------------------------------------------
# The program reads its time from CLOCK_FILE at every call: writing
# "@EPOCH xSPEED" sets its clock to EPOCH, running SPEED times real speed from
# its first reading of the new text. The test reckons the program's time
# (clock_now) from just before it wrote the text, so its reckoning is never
# behind the program's clock: a pop-up it sees before the pop-up's minute came
# early by the program's clock too, however busy the machine. The clock is
# never set back, which would show a minute's pop-up at a reckoning before
# it: until the program reads a new text it runs on by the old one, so a new
# EPOCH lies at least half a second of the old clock (longer than a write
# takes on a busy machine) ahead of the reckoning.

CLOCK_EPOCH="" CLOCK_NS=0 CLOCK_SPEED=1

# The reckoning at the real time $1 (nanoseconds), in whole seconds.
clock_at() {
  echo $((CLOCK_EPOCH + ($1 - CLOCK_NS) * CLOCK_SPEED / 1000000000))
}

clock_now() { clock_at "$(date +%s%N)"; }

# Sets the clock to EPOCH (or the least it may be set to) at SPEED; a change
# that would only set it back is not made.
set_clock() {
  local epoch="$1" speed="$2" now_ns least
  now_ns="$(date +%s%N)"
  if [ -n "$CLOCK_EPOCH" ]; then
    least="$(clock_at "$now_ns")"
    [ "$epoch" -gt "$least" ] || [ "$speed" != "$CLOCK_SPEED" ] || return 0
    least=$((least + 1 + (CLOCK_SPEED + 1) / 2))
    [ "$epoch" -ge "$least" ] || epoch="$least"
  fi
  CLOCK_EPOCH="$epoch" CLOCK_SPEED="$speed" CLOCK_NS="$now_ns"
  printf '@%s x%s\n' "$epoch" "$speed" >"$CLOCK_FILE.new"
  mv "$CLOCK_FILE.new" "$CLOCK_FILE"
  [ -z "${WEEK_DEBUG:-}" ] || echo "clock $(local_time "$epoch") x$speed at $now_ns" >>"$WEEK_DEBUG"
}

local_time() { date -d "@$1" '+%a %F %T %Z'; }

# ---- the program -----------------------------------------------------------

# Starts the program with its clock at EPOCH running at SPEED.
start_app() {
  CLOCK_EPOCH=""
  set_clock "$1" "$2"
  APP_LOG="$RUN_DIR/tockmere.$((${#STARTED_PIDS[@]} + 1)).log"
  (
    cd "$RUN_DIR"
    exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u FAKETIME $(session_bus_env) \
      XDG_CONFIG_HOME="$CONFIG_DIR" XDG_DATA_HOME="$DATA_DIR" XDG_RUNTIME_DIR="$RUN_DIR/runtime" \
      LD_PRELOAD="$FAKETIME_LIB" FAKETIME_FMT=%s FAKETIME_TIMESTAMP_FILE="$CLOCK_FILE" \
      FAKETIME_NO_CACHE=1 "$TOCKMERE" "${APP_ARGS[@]}" >"$APP_LOG" 2>&1
  ) &
  APP_PID=$!
  track_pid "$APP_PID"
  STARTS=$((STARTS + 1))
}

# The program's main window: its largest "Tockmere" window, mapped or not.
main_window() {
  local win area best="" best_area=0
  for win in $(all_windows "$APP_PID" Tockmere); do
    area="$(window_area "$win")"
    if [ "$area" -gt "$best_area" ]; then best="$win" best_area="$area"; fi
  done
  [ -n "$best" ] && echo "$best"
}

# A visible "Tockmere" window of less than half the main window's size: a
# cleared-alarm notice.
notice_window() {
  local main win
  main="$(main_window)" || return 1
  for win in $(windows "$APP_PID" Tockmere); do
    if [ $(($(window_area "$win") * 2)) -lt "$(window_area "$main")" ]; then
      echo "$win"
      return 0
    fi
  done
  return 1
}

# Reads the words in a picture of a window: grey, three times enlarged, OCR
# as a block of text (PSM 6) or as sparse words (PSM 11, which finds a short
# line on a pop-up's large panel); printed as one line.
read_window() {
  local shot="$1" psm="$2"
  convert "$shot" -colorspace Gray -resize 300% "$shot.big.png" &&
    tesseract "$shot.big.png" - --psm "$psm" 2>/dev/null | tr -s ' \n' '  ' |
    sed 's/^ //; s/ $//'
}

# The colour of a pixel of a picture, as "R,G,B".
colour_at() {
  convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

capture() { import -window "$1" "$2" 2>/dev/null || fail "could not capture window $1"; }

# Closes the program as the user does: Esc in the main window, which writes
# the settings first.
close_with_escape() {
  local main
  main="$(main_window)" || fail "no main window to close"
  timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
  xdotool key Escape
  wait_exit "$APP_PID" 10 || fail "Esc did not end the program"
}

# The session's end: SIGTERM, after which the program must have ended within
# a few seconds, having written the settings (registry.reg is replaced).
stop_as_at_logout() {
  local registry="$CONFIG_DIR/Tockmere/registry.reg" before
  before="$(stat -c %i "$registry")"
  kill -TERM "$APP_PID"
  wait_exit "$APP_PID" 10 || fail "SIGTERM did not end the program within 10 s"
  [ -s "$registry" ] && [ "$(stat -c %i "$registry")" != "$before" ] ||
    fail "SIGTERM ended the program without writing the settings"
  pass "SIGTERM ended the program at $(local_time "$(clock_now)") and the settings were written"
}

# ---- the entry form, by typed keys -----------------------------------------

readonly TYPES=(Today Tomorrow Daily Weekly Fortnightly Monthly "One Date")
readonly DAYS=(Monday Tuesday Wednesday Thursday Friday Saturday Sunday None)

index_of() {
  local want="$1" i=0 item
  shift
  for item in "$@"; do
    [ "$item" = "$want" ] && echo "$i" && return 0
    i=$((i + 1))
  done
  fail "no item '$want'"
}

key_times() {
  local key="$1" count="$2"
  [ "$count" -gt 0 ] || return 0
  # shellcheck disable=SC2046
  xdotool key --delay 20 $(yes "$key" | head -n "$count")
}

# add_alarm TYPE HHMM DAY DATE LINE: with the focus in the time field, picks
# TYPE (and DAY, for Weekly and Monthly) with the arrow keys, types the time
# and DATE (unless empty), presses Add and checks that alarms.txt gained LINE.
# Leaves the focus in the time field again.
add_alarm() {
  local type="$1" time="$2" day="$3" date="$4" line="$5" day_box=0 count
  case "$type" in Weekly | Monthly) day_box=1 ;; esac
  count="$(alarm_lines | grep -c . || true)"
  # A new minute writes the current time into the time field: type within one.
  if [ $(($(clock_now) % 60)) -gt 45 ]; then
    set_clock $(($(clock_now) / 60 * 60 + 62)) 1
    sleep 1.2
  fi
  xdotool key Tab
  key_times Up 6
  key_times Down "$(index_of "$type" "${TYPES[@]}")"
  xdotool key shift+Tab ctrl+a
  xdotool type --delay 30 "$time"
  xdotool key Tab
  if [ "$day_box" = 1 ]; then
    xdotool key Tab
    key_times Up 7
    key_times Down "$(index_of "$day" "${DAYS[@]}")"
  fi
  xdotool key Tab
  if [ -n "$date" ]; then
    xdotool key ctrl+a
    xdotool type --delay 30 "$date"
  fi
  xdotool key Tab space
  wait_for_line "$line" || fail "Add of $type $time did not write the line '$line'"
  [ "$(alarm_lines | grep -c .)" = $((count + 1)) ] || fail "Add of $type $time changed other lines"
  [ -z "$(notice_window 2>/dev/null)" ] || fail "Add of $type $time showed a message box"
  ENTERED=$((ENTERED + 1))
  type_text "$line" "${TEXTS[${time:0:2}:${time:2:2}]}"
  key_times shift+Tab $((3 + day_box))
}

# Wake-up texts, by the time of their alarm. Typed through the row's Text
# button right after each Add; off, written into alarms.txt while the program
# is closed, as the program itself stores them.
declare -A TEXTS=([08:20]="Call the plumber" [07:15]="Dentist at nine" [09:45]="Pay the rent"
  [06:30]="Get up" [01:30]="Clocks go back" [12:00]="Bins out" [19:00]="Water the plants"
  [10:00]="Market day" [20:00]="Book club")

# type_text LINE TEXT: with the focus on Add, just after LINE was added, opens
# its row's Text button, types TEXT and saves it; leaves the focus on Add.
# The list shows the new alarm in its third row when it can (the first five
# rows while there are five alarms or fewer).
type_text() {
  local line="$1" text="$2" index count top row editor main
  index="$(alarm_lines | grep -nxF -- "$line" | cut -d: -f1)"
  index=$((index - 1))
  count="$(alarm_lines | grep -c .)"
  top=$((index > 2 ? index - 2 : 0))
  [ "$top" -le $((count - 5)) ] || top=$((count - 5))
  [ "$count" -ge 6 ] || top=0
  row=$((index - top))
  # From Add, Tab reaches row 1's Text button, then its Clear button, then
  # row 2's Text button, and so on.
  key_times Tab $((1 + 2 * row))
  xdotool key space
  editor="$(wait_window "$APP_PID" 'Alarm Text' 10)" || fail "Text did not open the alarm text editor"
  timeout 5 xdotool windowfocus --sync "$editor" || fail "could not focus the alarm text editor"
  xdotool type --delay 30 "$text"
  xdotool key Tab space
  wait_window_gone "$APP_PID" 'Alarm Text' 5 || fail "Save did not close the alarm text editor"
  for _ in $(seq 1 40); do
    alarm_lines | grep -qxF -- "$line$text|" && break
    sleep 0.05
  done
  alarm_lines | grep -qxF -- "$line$text|" || fail "the text '$text' did not reach alarms.txt"
  main="$(main_window)"
  timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
  key_times shift+Tab $((1 + 2 * row))
}

# Settings changed through the settings dialog (Options > Settings, mouse on
# the menu, keys in the dialog): Weekly pop-ups Pink, the U.S. date order,
# sound on. They reach registry.reg when the program closes.
WEEKLY_COLOUR="150,250,250"  # Blue
change_settings() {
  open_settings "$(main_window)"
  # From the font buttons Tab passes the One-off and Daily boxes to the
  # Weekly box (Blue, two down to Pink), then Fortnightly and Monthly to the
  # date format (one down to U.S.), the sound box (space), Cancel and Save.
  xdotool key --delay 30 Tab Tab Tab Down Down Tab Tab Tab Down Tab space Tab Tab space
  wait_window_gone "$APP_PID" 'Tockmere Settings' 5 || fail "Save did not close the settings dialog"
  WEEKLY_COLOUR="245,195,215"
}

expect_changed_settings() {
  local value registry="$CONFIG_DIR/Tockmere/registry.reg"
  for value in '"WColour"="4"' '"DateFormat"="1"' '"Sound"="1"'; do
    grep -qF "$value" "$registry" || fail "registry.reg lacks $value: $(cat "$registry")"
  done
  pass "the settings dialog's changes are in registry.reg"
}

# ---- predictions and watching ------------------------------------------------

# The local minutes (epochs) of the firings tockmere-when predicts for the
# current alarms.txt in [FROM, UNTIL), one "EPOCH<TAB>LINE" each. A local
# minute that occurs twice (the hour repeated when the clocks go back) takes
# its two epochs in order.
predict() {
  local from="$1" until="$2" days stamp line epoch
  days=$(((until - from) / 86400 + 2))
  declare -A seen=()
  "$WHEN" --file "$WORK_DIR/alarms.txt" --from "$(date -d "@$from" +%FT%H:%M)" --days "$days" |
    while IFS= read -r line; do
      stamp="${line:0:16}"
      epoch="$(date -d "$stamp" +%s)"
      if [ "$(date -d "@$((epoch - 3600))" '+%F %H:%M')" = "$stamp" ]; then
        epoch=$((epoch - 3600))
      fi
      if [ -n "${seen[$stamp]:-}" ]; then epoch=$((epoch + 3600)); fi
      seen[$stamp]=1
      if [ "$epoch" -ge "$from" ] && [ "$epoch" -lt "$until" ]; then
        printf '%s\t%s\n' "$epoch" "${line:17}"
      fi
    done
}

# Watches the program until its clock reaches UNTIL: each pop-up is noted
# with the time it came ("EPOCH<TAB>SHOT" in $SHOTS/seen), captured and
# closed with Enter, after which the clock runs on at sixty times real speed.
watch_until() {
  local until="$1" popup shown_at shot
  while [ "$(clock_now)" -lt "$until" ]; do
    popup="$(windows "$APP_PID" "$POPUP" | head -n 1)"
    if [ -z "$popup" ]; then
      alive "$APP_PID" || fail "the program ended at $(local_time "$(clock_now)")"
      sleep 0.03
      continue
    fi
    shown_at="$(clock_now)"
    [ -z "${WEEK_DEBUG:-}" ] || echo "popup $(local_time "$shown_at") at $(date +%s%N)" >>"$WEEK_DEBUG"
    SEEN=$((SEEN + 1))
    shot="$SHOTS/popup.$SEEN.png"
    sleep 0.1
    capture "$popup" "$shot"
    printf '%s\t%s\n' "$shown_at" "$shot" >>"$SHOTS/seen"
    press_enter "$popup"
    # Noted once, however long a busy machine takes to close it.
    for _ in $(seq 1 200); do
      windows "$APP_PID" "$POPUP" | grep -qxF "$popup" || break
      sleep 0.05
    done
    ! windows "$APP_PID" "$POPUP" | grep -qxF "$popup" ||
      fail "Enter did not close the pop-up shown at $(local_time "$shown_at")"
    [ "$CLOCK_SPEED" = 60 ] || set_clock "$(clock_now)" 60
  done
}

# Watches the predicted minute EPOCH and a little on either side. Its first
# seconds run at ten times real speed, so that the minute in which a pop-up
# came is told exactly even when the machine is slow to notice it. The clock
# slows down in a jump to 5 s before the minute, made while that lies ahead of
# the least it may be set to (set_clock).
watch_minute() {
  local epoch="$1"
  if [ "$(clock_now)" -lt $((epoch - 60)) ]; then
    watch_until $((epoch - 60))
  fi
  set_clock $((epoch - 5)) 10
  watch_until $((epoch + 62))
}

# Runs a stretch of the week, from the clock's present to UNTIL: jumps to a
# few seconds before each predicted minute and watches it; through the night
# the clocks go back ([NIGHT_FROM, NIGHT_UNTIL)) it runs without a jump, at
# sixty times real speed apart from the predicted minutes.
run_until() {
  local until="$1" epoch line
  predict "$(clock_now)" "$until" >"$RUN_DIR/predicted.now"
  cat "$RUN_DIR/predicted.now" >>"$SHOTS/expected"
  while IFS=$'\t' read -r epoch line; do
    if [ "$epoch" -ge "$NIGHT_FROM" ] && [ "$epoch" -lt "$NIGHT_UNTIL" ]; then
      if [ "$(clock_now)" -lt "$NIGHT_FROM" ]; then
        echo "running through the night from $(local_time "$NIGHT_FROM")"
        set_clock "$NIGHT_FROM" 60
      fi
    else
      finish_night
      set_clock $((epoch - 5)) 10
    fi
    watch_minute "$epoch"
  done <"$RUN_DIR/predicted.now"
  finish_night
  set_clock "$until" 60
}

# Within the night, runs on to its end before the clock jumps again.
finish_night() {
  if [ "$(clock_now)" -ge "$NIGHT_FROM" ] && [ "$(clock_now)" -lt "$NIGHT_UNTIL" ]; then
    watch_until "$NIGHT_UNTIL"
    echo "ran through the night to $(local_time "$NIGHT_UNTIL")"
  fi
}

# ---- the week ---------------------------------------------------------------

STARTS=0 ENTERED=0 SEEN=0
: >"$SHOTS/expected"
: >"$SHOTS/seen"
NIGHT_FROM="$(date -d '2026-10-25 01:29:00 +0100' +%s)"  # 01:29 BST
NIGHT_UNTIL=$((NIGHT_FROM + 3600 + 180))          # 01:32 GMT

# Thursday 22 October, 08:00: a new user. The main window opens normal; the
# alarms are typed into the form.
start_app "$(epoch_of '2026-10-22 08:00:00')" 1
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"
minimised "$main" && fail "the first start should open the main window normal"
timeout 5 xdotool windowfocus --sync "$main" || fail "could not focus the main window"
add_alarm Today 0820 "" "" '0,26/10/22,0,08:20,'
add_alarm Tomorrow 0715 "" "" '0,26/10/23,0,07:15,'
add_alarm "One Date" 0945 "" 281026 '0,26/10/28,0,09:45,'
add_alarm Daily 0630 "" "" '1,00/00/00,0,06:30,'
add_alarm Weekly 0130 Sunday "" '2,00/00/00,1,01:30,'
add_alarm Fortnightly 1200 "" 261026 '3,26/10/26,0,12:00,'
add_alarm Monthly 1900 None 27 '4,00000027,0,19:00,'
add_alarm Monthly 1000 Saturday 4 '5,00000004,7,10:00,'
add_alarm Monthly 2000 Wednesday Last '5,00000009,4,20:00,'
pass "$ENTERED alarms typed into the form by $(local_time "$(clock_now)")"
change_settings
close_with_escape
[ -s "$CONFIG_DIR/Tockmere/registry.reg" ] || fail "closing with Esc wrote no registry.reg"
expect_changed_settings
ENTERED_LINES="$(alarm_lines)"
pass "closed with Esc; alarms.txt holds $(echo "$ENTERED_LINES" | grep -c .) alarms"

# Thursday 08:10 to 21:00: started again, minimised; the Today alarm fires.
start_app "$(epoch_of '2026-10-22 08:10:00')" 60
main="$(wait_window "$APP_PID" Tockmere 20)" || fail "the main window did not appear"
minimised "$(main_window)" || fail "a later start should open the main window minimised"
run_until "$(epoch_of '2026-10-22 21:00:00')"
close_with_escape

# Friday 18:00: the Tomorrow alarm of 07:15 was missed: its notice comes at
# start and the alarm leaves alarms.txt. Then on over the weekend and the
# night the clocks go back, to Monday 13:00, ended as at logout.
start_app "$(epoch_of '2026-10-23 18:00:00')" 60
notice=""
for _ in $(seq 1 200); do
  notice="$(notice_window)" && break
  sleep 0.05
done
[ -n "$notice" ] || fail "no notice for the Tomorrow alarm missed at 07:15"
sleep 0.2
capture "$notice" "$SHOTS/notice.png"
notice_text="$(read_window "$SHOTS/notice.png" 6)"
case "$notice_text" in
  *"07:15 on 23/10/26"*"Dentist at nine"*"cleared"*) ;;
  *) fail "the notice reads '$notice_text'" ;;
esac
press_enter "$notice"
for _ in $(seq 1 100); do
  alarm_lines | grep -q '^0,26/10/23,0,07:15,' || break
  sleep 0.05
done
alarm_lines | grep -q '^0,26/10/23,0,07:15,' && fail "the missed alarm is still in alarms.txt"
pass "missed alarm cleared with its notice: '$notice_text'"
run_until "$(epoch_of '2026-10-26 13:00:00')"
stop_as_at_logout

# Monday 18:00 to Thursday 29 October 08:00, then closed with Esc.
start_app "$(epoch_of '2026-10-26 18:00:00')" 60
wait_window "$APP_PID" Tockmere 20 >/dev/null || fail "the main window did not appear"
[ -z "$(notice_window 2>/dev/null)" ] || fail "a notice came although no alarm was missed"
run_until "$(epoch_of '2026-10-29 08:00:00')"
close_with_escape

# ---- the reckoning ------------------------------------------------------------

expected="$(grep -c . "$SHOTS/expected" || true)"
seen="$(grep -c . "$SHOTS/seen" || true)"
matched=0 in_minute=0 coloured=0 problems=()
mapfile -t want <"$SHOTS/expected"
mapfile -t got <"$SHOTS/seen"
for i in "${!want[@]}"; do
  IFS=$'\t' read -r epoch line <<<"${want[$i]}"
  time="${line:13:5}"
  text="${TEXTS[$time]}"
  if [ "$i" -ge "${#got[@]}" ]; then
    problems+=("no pop-up for $time ($text) due $(local_time "$epoch")")
    continue
  fi
  IFS=$'\t' read -r shown_at shot <<<"${got[$i]}"
  if [ "$shown_at" -ge "$epoch" ] && [ "$shown_at" -lt $((epoch + 60)) ]; then
    in_minute=$((in_minute + 1))
  else
    problems+=("pop-up $((i + 1)) came at $(local_time "$shown_at"), due $(local_time "$epoch")")
  fi
  case "${line:0:1}" in
    0) colour="255,255,153" ;;
    1) colour="180,250,180" ;;
    2) colour="$WEEKLY_COLOUR" ;;
    3) colour="250,200,130" ;;
    *) colour="245,195,215" ;;
  esac
  # The panel's colour, below the text and inside the frame.
  panel="$(colour_at "$shot" 14 140)"
  if [ "$panel" = "$colour" ]; then
    coloured=$((coloured + 1))
  else
    problems+=("pop-up $((i + 1)) due $(local_time "$epoch") is $panel, not $colour")
  fi
  read="$(read_window "$shot" 11)"
  if [[ "$read" == *"$text"* ]]; then
    matched=$((matched + 1))
  else
    problems+=("pop-up $((i + 1)) due $(local_time "$epoch") reads '$read', not '$text'")
  fi
done
[ "$seen" -le "$expected" ] || problems+=("$((seen - expected)) pop-up(s) came that were not due")

# Nothing entered was lost: the recurring alarms stand with their texts, the
# one-off ones have gone (fired or cleared).
kept="$(echo "$ENTERED_LINES" | grep -v '^0,' || true)"
[ "$(alarm_lines)" = "$kept" ] || problems+=("alarms.txt holds
$(alarm_lines)
instead of
$kept")
grep -qF '[HKEY_LOCAL_MACHINE\Software\Tockmere]' "$CONFIG_DIR/Tockmere/registry.reg" ||
  problems+=("registry.reg lost its key")

if [ -n "${WEEK_SHOTS:-}" ]; then mkdir -p "$WEEK_SHOTS" && cp "$SHOTS"/* "$WEEK_SHOTS"/; fi
echo "week figures: alarms entered $ENTERED, starts $STARTS, pop-ups expected $expected," \
  "seen $seen, in their minute $in_minute, texts matched $matched, colours right $coloured;" \
  "run time $(($(date +%s) - test_started)) s"
if [ "${#problems[@]}" -gt 0 ]; then
  printf '%s\n' "${problems[@]}" >&2
  fail "the week did not go as predicted"
fi
pass "a week of alarms: $expected predicted, $seen seen, $matched texts matched"
