#!/usr/bin/env bash
# How often the program's main thread wakes per minute under Wayland
# compositors, on Qt's Wayland platform: under KWin (virtual output) with the
# main window shown, minimised by the user (a KWin script, as a click on the
# title bar) and minimised from the start; under Weston's headless back end
# with the minimised start, which Weston does not honour (the window shows).
# Each count is the voluntary context switches of the main thread over a quiet
# minute of real time, the copies of one compositor measured side by side.
#
# Usage: bench/wayland_wakeups.sh [TOCKMERE]   (default build/tockmere)
#   QUIET=N   seconds of the quiet spell (default 60); results are per minute.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
QUIET="${QUIET:-60}"
SETTLE=5 # seconds between the last window change and the quiet spell

source "$ROOT/tests/e2e/lib.sh"
source "$ROOT/tests/e2e/wayland_lib.sh"
setup "${1:-$ROOT/build/tockmere}"

# Starts a copy on the real clock in a folder and settings folder named $1,
# with settings (a later start: minimised) when $2 is "later"; prints its pid.
declare -A PIDS=()
start_copy() {
  mkdir -p "$RUN_DIR/$1"
  APP_ARGS=(--folder "$RUN_DIR/$1")
  CONFIG_DIR="$RUN_DIR/config-$1"
  [ "$2" = later ] && write_settings
  start_tockmere_real
  PIDS[$1]="$APP_PID"
}

# Measures every copy in PIDS over the quiet spell, prints "name: N wake-ups
# per minute" for each, and ends them.
measure() {
  local name
  declare -A before=()
  sleep "$SETTLE"
  for name in "${!PIDS[@]}"; do before[$name]="$(main_thread_wakeups "${PIDS[$name]}")"; done
  sleep "$QUIET"
  for name in $(printf '%s\n' "${!PIDS[@]}" | sort); do
    awk -v n="$name" -v d="$(($(main_thread_wakeups "${PIDS[$name]}") - before[$name]))" \
      -v q="$QUIET" 'BEGIN {printf "  %s: %.1f wake-ups per minute\n", n, d * 60 / q}'
    kill "${PIDS[$name]}"
  done
  PIDS=()
}

version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo unknown; }

echo "KWin $(version kwin-wayland), quiet spell ${QUIET} s:"
start_kwin
start_copy kwin-shown first
start_copy kwin-minimised-by-user first
start_copy kwin-minimised-start later
for name in kwin-shown kwin-minimised-by-user kwin-minimised-start; do
  wait_kwin_window "${PIDS[$name]}" Tockmere 20 >/dev/null || fail "no window for $name"
done
kwin_minimise "${PIDS[kwin-minimised-by-user]}" Tockmere
kwin_windows | sed 's/^/  window: /'
measure

echo "Weston $(version weston) headless back end, quiet spell ${QUIET} s:"
start_weston
start_copy weston-minimised-start later
measure
