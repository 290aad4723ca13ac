#!/usr/bin/env bash
# Measures the running program against a bare Qt 6 dialog of the same size,
# both on private Xvfb displays, and prints a table of medians and ratios:
#
#   - start-up: from exec to the main window mapped (bench/wait_map.c), the
#     runs of the two programs interleaved; and the instructions from exec to
#     the end of the main window's first paint, counted by callgrind (which
#     load and the X server's pace cannot change), the least of a few runs;
#   - resident memory (VmRSS) after 10 s idle, window shown;
#   - idle cost over a quiet spell, with the window shown and minimised: CPU
#     time (utime+stime of /proc/PID/stat, and the finer sum of
#     /proc/PID/task/*/schedstat) and voluntary context switches summed over
#     /proc/PID/task/*/status, given per minute. Shown: the window is given
#     the input focus, as a window manager gives a window it maps (a caret
#     blinks in both programs' Time field). Minimised:
#     the focus is moved to the root window, as a window manager does;
#     tockmere starts minimised from an existing registry.reg, the bare
#     dialog with showMinimized();
#   - pop-up latency: with the clock faked at real speed, how long after
#     HH:MM:00 the pop-up of a Daily alarm due at HH:MM is mapped.
#
# Usage: bench/run_benchmarks.sh
#   QUICK=1          quiet spells of 10 s instead of 60 s (for trying things out)
#   START_ONLY=1     only the start-up runs, and their row of the table
#   START_REPS=N     start-up runs per program (default 41)
#   COUNT_REPS=N     callgrind runs per program (default 5)
#   IDLE_REPS=N      idle runs per program and window state (default 3)
#   POPUP_REPS=N     pop-up runs (default 9)
#   BENCH_BUILD=DIR  build folder (default build-bench)
#   PREVIOUS=FILE    a tockmere binary of an earlier release, started and
#                    counted beside the two (start-up figures only)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
source scripts/common.sh

QUICK="${QUICK:-0}"
START_ONLY="${START_ONLY:-0}"
START_REPS="${START_REPS:-41}"
COUNT_REPS="${COUNT_REPS:-5}"
PREVIOUS="${PREVIOUS:-}"
[ -z "$PREVIOUS" ] || PREVIOUS="$(realpath "$PREVIOUS")"
IDLE_REPS="${IDLE_REPS:-3}"
POPUP_REPS="${POPUP_REPS:-9}"
BUILD="${BENCH_BUILD:-build-bench}"
SETTLE=10      # seconds before VmRSS is read
QUIET_FROM=35  # seconds before a quiet spell starts: Qt's pooled threads end after 30 s idle
QUIET=60
[ "$QUICK" = 1 ] && QUIET=10
POPUP_LEAD=8 # seconds between start and the alarm's minute, enough for start-up

say "Checking packages"
ensure_packages "${BUILD_PACKAGES[@]}" xvfb x11-utils x11-xserver-utils xdotool faketime libx11-dev \
  valgrind dbus-daemon

say "Building tockmere (Release, $BUILD/), the bare dialog and wait_map"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOCKMERE_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target tockmere
mkdir -p "$BUILD/bench"
# shellcheck disable=SC2046 # pkg-config prints several words on purpose
g++ -std=c++20 -O2 -fPIC -Wall -Wextra -Wpedantic -Werror -o "$BUILD/bench/bare_dialog" \
  bench/bare_dialog/bare_dialog.cpp $(pkg-config --cflags --libs Qt6Widgets)
gcc -O2 -Wall -Wextra -Wpedantic -Werror -o "$BUILD/bench/wait_map" bench/wait_map.c -lX11
BARE="$ROOT/$BUILD/bench/bare_dialog"
WAIT_MAP="$ROOT/$BUILD/bench/wait_map"

source tests/e2e/lib.sh
setup "$ROOT/$BUILD/tockmere"
PROGRAM_LOG="$RUN_DIR/programs.log" # what the measured programs print

# Both programs reach a session bus of their own, as on a desktop: without one
# each start would launch a bus through the X server first.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$RUN_DIR/bus.address" \
  >>"$PROGRAM_LOG" 2>&1 &
track_pid $!
for _ in $(seq 1 100); do
  [ -s "$RUN_DIR/bus.address" ] && break
  sleep 0.05
done
SESSION_BUS="$(head -n 1 "$RUN_DIR/bus.address")"
[ -n "$SESSION_BUS" ] || fail "the session bus did not start"

# The fonts as the desktop has them, with a font cache of the benchmark's own
# before the system's: where other processes write the system's cache of a
# font folder from another view of it (on a shared machine), every program
# that starts next reads all the fonts anew, a billion instructions more. The
# warm-up runs fill this cache.
cat >"$RUN_DIR/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <cachedir>$RUN_DIR/fontconfig</cachedir>
  <include>/etc/fonts/fonts.conf</include>
</fontconfig>
EOF

# ---- helpers ---------------------------------------------------------------

median() {
  printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1}
    END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

range() {
  printf '%s\n' "$@" | sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {print lo "-" hi}'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b == 0) print "-"; else printf "%.2f", a / b}'; }

least() { printf '%s\n' "$@" | sort -g | head -n 1; }

# A fresh folder NAME with alarms/ and config/; prints its path.
fresh_folder() {
  local folder="$RUN_DIR/$1"
  rm -rf "$folder"
  mkdir -p "$folder/alarms" "$folder/config"
  echo "$folder"
}

# The alarms a user might have: recurring ones and a one-off far ahead.
write_usual_alarms() {
  printf '%s\r\n' '0,99/12/31,0,07:30,Far ahead|' '1,00/00/00,0,07:00,Get up|' \
    '2,00/00/00,3,07:30,' '4,00000021,0,09:00,Rent|' >"$1/alarms.txt"
}

# Writes the settings so that tockmere starts minimised in FOLDER.
write_settings_in() {
  local saved="$CONFIG_DIR"
  CONFIG_DIR="$1/config"
  write_settings
  CONFIG_DIR="$saved"
}

# The command line that starts KIND (tockmere|bare|previous, the program of
# PREVIOUS started as tockmere is) in FOLDER, shown or minimised.
COMMAND=()
command_for() {
  local kind="$1" folder="$2" state="$3"
  COMMAND=(env -C "$folder/alarms" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LD_PRELOAD
    XDG_CONFIG_HOME="$folder/config" XDG_RUNTIME_DIR="$RUN_DIR/runtime"
    XDG_CACHE_HOME="$RUN_DIR/cache" DBUS_SESSION_BUS_ADDRESS="$SESSION_BUS"
    FONTCONFIG_FILE="$RUN_DIR/fonts.conf")
  if [ "$kind" != bare ]; then
    write_usual_alarms "$folder/alarms"
    [ "$state" = minimised ] && write_settings_in "$folder"
    local program="$TOCKMERE"
    [ "$kind" = previous ] && program="$PREVIOUS"
    COMMAND+=("$program" --folder "$folder/alarms")
  else
    COMMAND+=("$BARE")
    [ "$state" = minimised ] && COMMAND+=(--minimised)
  fi
  return 0
}

# Starts KIND on DISPLAY in a fresh folder and waits for its window; sets
# MAP_MS and MAP_PID. With -k as first argument the program is ended at once.
start_mapped() {
  local keep=(-t 60)
  if [ "$1" = -k ]; then
    keep+=(-k)
    shift
  fi
  local kind="$1" state="$2" display="$3" folder line
  folder="$(fresh_folder "$kind.$state")"
  command_for "$kind" "$folder" "$state"
  line="$(DISPLAY="$display" "$WAIT_MAP" "${keep[@]}" -- "${COMMAND[@]}" 2>>"$PROGRAM_LOG")" ||
    fail "$kind ($state) mapped no window: $(tail -n 5 "$PROGRAM_LOG")"
  read -r MAP_MS _ MAP_PID <<<"$line"
  track_pid "$MAP_PID"
}

# Runs KIND (shown, in a fresh folder) under callgrind and prints the millions
# of instructions from exec to the end of the first paint of its window
# (QWidgetRepaintManager::paintAndFlush, where Qt puts a window's first
# pixels on the screen); then ends it. Qt's font caches are warm from the
# earlier runs, as they are on a desktop; the least of several runs leaves out
# a run during which another program made fontconfig read the fonts anew.
count_to_first_paint() {
  local kind="$1" folder out pid
  folder="$(fresh_folder "$kind.counted")"
  command_for "$kind" "$folder" shown
  out="$folder/callgrind.out"
  # Through env's exec: the count starts at the program's own.
  DISPLAY="$DISPLAY" valgrind --tool=callgrind --trace-children=yes \
    --dump-after='QWidgetRepaintManager::paintAndFlush*' --callgrind-out-file="$out" \
    "${COMMAND[@]}" >>"$PROGRAM_LOG" 2>&1 &
  pid=$!
  track_pid "$pid"
  for _ in $(seq 1 1200); do
    [ -s "$out.1" ] && grep -q '^totals:' "$out.1" && break
    alive "$pid" || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -s "$out.1" ] || fail "$kind: callgrind saw no first paint: $(tail -n 5 "$PROGRAM_LOG")"
  awk '/^totals:/ {printf "%.1f", $2 / 1e6}' "$out.1"
}

cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{sum += $1} END {print sum}'; }

rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

# The voluntary switches of each thread of PID, one "tid name count" line each.
thread_wakeups() {
  local task
  for task in /proc/"$1"/task/*; do
    printf '%s %s %s\n' "${task##*/}" "$(tr ' ' _ <"$task/comm")" \
      "$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")"
  done
}

# The switches per minute of all threads between two thread_wakeups listings;
# a thread that started meanwhile counts from 0.
wakeup_rate() {
  awk -v q="$QUIET" 'NR == FNR {before[$1] = $3; next}
    {sum += $3 - before[$1]} END {printf "%.1f", sum * 60 / q}' <(echo "$1") <(echo "$2")
}

# "name:count" per minute for each thread, from two thread_wakeups listings.
thread_rates() {
  awk -v q="$QUIET" 'NR == FNR {before[$1] = $3; next}
    {printf "%s:%.0f ", $2, ($3 - before[$1]) * 60 / q}' <(echo "$1") <(echo "$2")
}

# Takes the input focus away from the programs on DISPLAY, as a window manager
# does when it minimises a window (without one, a minimised window keeps it).
focus_elsewhere() {
  local root
  root="$(DISPLAY="$1" xwininfo -root | awk '/Window id:/ {print $4}')"
  DISPLAY="$1" xdotool windowfocus "$root"
}

# Gives the input focus to the window of PID on DISPLAY, as a window manager
# does when a window is mapped: without one the focus stays with the pointer,
# and tockmere, which does not ask for its window to be activated as it is
# mapped, would have no caret blinking.
focus_program() {
  local window
  window="$(DISPLAY="$1" xdotool search --onlyvisible --pid "$2" | head -n 1)"
  [ -n "$window" ] || fail "no window of process $2 to focus"
  DISPLAY="$1" xdotool windowfocus "$window"
}

# ---- start-up --------------------------------------------------------------

STARTED_KINDS=(tockmere bare)
[ -n "$PREVIOUS" ] && STARTED_KINDS+=(previous)
declare -A START_MS=() COUNT_M=()

say "Start-up: exec to main window mapped, $START_REPS runs each (after one warm-up run), interleaved; load: $(uptime)"
# The warm-up runs stay a second, so that tockmere keeps what it measured of
# its texts for the next start, as a first start on a desktop does.
for kind in "${STARTED_KINDS[@]}"; do
  start_mapped "$kind" shown "$DISPLAY"
  sleep 1
  kill "$MAP_PID"
done
# Each run starts the programs one after the other, from a program one further
# along each time, so that none always starts first, right after the pause.
for rep in $(seq 1 "$START_REPS"); do
  line="run $rep:"
  kinds="${#STARTED_KINDS[@]}"
  for step in $(seq 0 $((kinds - 1))); do
    kind="${STARTED_KINDS[$(((rep + step) % kinds))]}"
    start_mapped -k "$kind" shown "$DISPLAY"
    START_MS[$kind]+="$MAP_MS "
    line+=" $kind $MAP_MS ms"
  done
  echo "$line"
done
echo "load: $(uptime)"

say "Start-up instructions: exec to the end of the first paint, $COUNT_REPS callgrind runs each"
for rep in $(seq 1 "$COUNT_REPS"); do
  line="run $rep:"
  for kind in "${STARTED_KINDS[@]}"; do
    count="$(count_to_first_paint "$kind")"
    COUNT_M[$kind]+="$count "
    line+=" $kind $count"
  done
  echo "$line (millions)"
done
echo "load: $(uptime)"

# The median of the ratios of the programs' times in each run. The load of a
# shared machine drifts over a series and moves both programs of a run alike:
# this is the start-up ratio, where the ratio of the medians compares times
# taken at different loads.
# shellcheck disable=SC2206 # the value lists are split into words on purpose
paired_ratio() {
  local a=($1) b=($2) ratios=() k
  for k in "${!a[@]}"; do ratios+=("$(ratio "${a[$k]}" "${b[$k]}")"); done
  median "${ratios[@]}"
}

# shellcheck disable=SC2086 # the value lists are split into words on purpose
startup_summary() {
  local kind against
  for kind in "${STARTED_KINDS[@]}"; do
    printf '%s: %s ms (%s), %s million instructions (%s)\n' "$kind" "$(median ${START_MS[$kind]})" \
      "$(range ${START_MS[$kind]})" "$(least ${COUNT_M[$kind]})" "$(range ${COUNT_M[$kind]})"
  done
  for against in bare previous; do
    [ -n "${START_MS[$against]:-}" ] || continue
    for kind in "${STARTED_KINDS[@]}"; do
      [ "$kind" = "$against" ] || [ "$kind" = bare ] && continue
      printf '%s against %s: time %s (ratio of the medians %s), instructions %s\n' \
        "$kind" "$against" "$(paired_ratio "${START_MS[$kind]}" "${START_MS[$against]}")" \
        "$(ratio "$(median ${START_MS[$kind]})" "$(median ${START_MS[$against]})")" \
        "$(ratio "$(least ${COUNT_M[$kind]})" "$(least ${COUNT_M[$against]})")"
    done
  done
}

say "Start-up (medians of the times, least of the counts, range in brackets)"
startup_summary
[ "$START_ONLY" = 1 ] && exit 0

# ---- memory and idle cost --------------------------------------------------

# VALUE measured over the quiet spell, given per minute.
per_minute() { awk -v v="$1" -v q="$QUIET" 'BEGIN {printf "%.1f", v * 60 / q}'; }

say "Idle: VmRSS at ${SETTLE} s, a quiet spell of ${QUIET} s from ${QUIET_FROM} s; $IDLE_REPS runs, each program on its own display"
CONFIGS=(tockmere:shown tockmere:minimised bare:shown bare:minimised)
declare -A DISPLAY_OF=() PID_OF=() RSS=() CPU=() CPU_NS=() WAKE=() TICKS0=() NS0=()
declare -A THREADS0=() THREADS=()
for config in "${CONFIGS[@]}"; do
  start_display
  DISPLAY_OF[$config]="$LAST_DISPLAY"
done
clock_ticks="$(getconf CLK_TCK)"
for rep in $(seq 1 "$IDLE_REPS"); do
  for config in "${CONFIGS[@]}"; do
    start_mapped "${config%:*}" "${config#*:}" "${DISPLAY_OF[$config]}"
    PID_OF[$config]="$MAP_PID"
    if [ "${config#*:}" = minimised ]; then
      focus_elsewhere "${DISPLAY_OF[$config]}"
    else
      focus_program "${DISPLAY_OF[$config]}" "$MAP_PID"
    fi
  done
  sleep "$SETTLE"
  for config in "${CONFIGS[@]}"; do
    pid="${PID_OF[$config]}"
    alive "$pid" || fail "$config ended while idle"
    RSS[$config]+="$(rss_kib "$pid") "
  done
  sleep $((QUIET_FROM - SETTLE))
  for config in "${CONFIGS[@]}"; do
    pid="${PID_OF[$config]}"
    TICKS0[$config]="$(cpu_ticks "$pid")"
    NS0[$config]="$(cpu_ns "$pid")"
    THREADS0[$config]="$(thread_wakeups "$pid")"
  done
  sleep "$QUIET"
  for config in "${CONFIGS[@]}"; do
    pid="${PID_OF[$config]}"
    alive "$pid" || fail "$config ended while idle"
    ticks=$(($(cpu_ticks "$pid") - ${TICKS0[$config]}))
    CPU[$config]+="$(per_minute $((ticks * 1000 / clock_ticks))) "
    CPU_NS[$config]+="$(per_minute "$(awk -v a="$(cpu_ns "$pid")" -v b="${NS0[$config]}" \
      'BEGIN {print (a - b) / 1e6}')") "
    threads="$(thread_wakeups "$pid")"
    WAKE[$config]+="$(wakeup_rate "${THREADS0[$config]}" "$threads") "
    THREADS[$config]="$(thread_rates "${THREADS0[$config]}" "$threads")"
    kill "$pid"
  done
  echo "run $rep done"
done

# ---- pop-up latency --------------------------------------------------------

say "Pop-up latency with the clock faked at real speed: $POPUP_REPS runs"
MINUTE="$(epoch_of '2026-06-15 08:00:00')"
declare -a LATE=()
for rep in $(seq 1 "$POPUP_REPS"); do
  folder="$(fresh_folder popup)"
  write_settings_in "$folder"
  printf '%s\r\n' '1,00/00/00,0,08:00,Wake up|' >"$folder/alarms/alarms.txt"
  offset=$((MINUTE - POPUP_LEAD - $(date +%s)))
  sign=+
  [ "$offset" -lt 0 ] && sign=
  line="$("$WAIT_MAP" -t $((POPUP_LEAD + 30)) -n 'Your alarm call:' -- \
    env -C "$folder/alarms" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_CONFIG_HOME="$folder/config" XDG_RUNTIME_DIR="$RUN_DIR/runtime" \
    LD_PRELOAD="$FAKETIME_LIB" FAKETIME="$sign$offset" "$TOCKMERE" --folder "$folder/alarms" \
    2>>"$PROGRAM_LOG")" ||
    fail "no pop-up in run $rep: $(tail -n 5 "$PROGRAM_LOG")"
  read -r _ wall pid <<<"$line"
  track_pid "$pid"
  kill "$pid"
  LATE+=("$(awk -v w="$wall" -v o="$offset" -v m="$MINUTE" 'BEGIN {printf "%.1f", (w + o - m) * 1000}')")
  echo "run $rep: pop-up mapped ${LATE[-1]} ms after 08:00:00"
done

# ---- table -----------------------------------------------------------------

# shellcheck disable=SC2086 # the value lists are split into words on purpose
row() { # row LABEL TOCKMERE-VALUES BARE-VALUES TARGET [RATIO]
  local t b
  t="$(median $2)"
  b="$(median $3)"
  printf '| %s | %s (%s) | %s (%s) | %s | %s |\n' "$1" "$t" "$(range $2)" "$b" "$(range $3)" \
    "${5:-$(ratio "$t" "$b")}" "$4"
}

kib_to_mib() { echo "$1" | awk '{for (i = 1; i <= NF; i++) printf "%.1f ", $i / 1024}'; }

say "Results (medians, range in brackets; idle figures per minute over ${QUIET} s spells)"
echo "load: $(uptime)"
echo "| measure | tockmere | bare dialog | ratio | target |"
echo "|---|---|---|---|---|"
row "start-up, exec to window mapped, ms (ratio: median of the runs' ratios)" "${START_MS[tockmere]}" \
  "${START_MS[bare]}" "ratio <= 1.1" "$(paired_ratio "${START_MS[tockmere]}" "${START_MS[bare]}")"
# shellcheck disable=SC2086 # the value lists are split into words on purpose
printf '| start-up, instructions to the first paint, millions (least) | %s (%s) | %s (%s) | %s | %s |\n' \
  "$(least ${COUNT_M[tockmere]})" "$(range ${COUNT_M[tockmere]})" "$(least ${COUNT_M[bare]})" \
  "$(range ${COUNT_M[bare]})" "$(ratio "$(least ${COUNT_M[tockmere]})" "$(least ${COUNT_M[bare]})")" \
  "below the previous release's"
row "VmRSS after ${SETTLE} s idle, shown, MiB" "$(kib_to_mib "${RSS[tockmere:shown]}")" \
  "$(kib_to_mib "${RSS[bare:shown]}")" "ratio <= 1.2"
row "VmRSS after ${SETTLE} s idle, minimised, MiB" "$(kib_to_mib "${RSS[tockmere:minimised]}")" \
  "$(kib_to_mib "${RSS[bare:minimised]}")" "-"
for state in shown minimised; do
  target="-"
  [ "$state" = shown ] && target="ratio <= 1"
  [ "$state" = minimised ] && target="ratio <= 0.1"
  row "CPU per minute idle, $state, ms (utime+stime)" "${CPU[tockmere:$state]}" \
    "${CPU[bare:$state]}" "$target"
  row "CPU per minute idle, $state, ms (schedstat)" "${CPU_NS[tockmere:$state]}" \
    "${CPU_NS[bare:$state]}" "$target"
  [ "$state" = minimised ] && target="tockmere <= 2"
  row "voluntary context switches per minute, $state" "${WAKE[tockmere:$state]}" \
    "${WAKE[bare:$state]}" "$target"
done
printf '| pop-up mapped after HH:MM:00, ms | %s (%s) | - | - | <= 10 |\n' "$(median "${LATE[@]}")" \
  "$(range "${LATE[@]}")"
echo
echo "Voluntary context switches per minute by thread, last idle run:"
for config in "${CONFIGS[@]}"; do
  echo "- $config: ${THREADS[$config]}"
done
