#!/usr/bin/env bash
# Times the search for the next firing, which the program runs at every change
# of its alarms, through tockmere-when --next: its longest case (12 alarms none
# of which goes off within the reach of a year and a day, so every day of it is
# walked) against an empty file (the process alone). A measurement, not a test.
# Usage: bench/next_firing.sh [PATH/TO/tockmere-when]   (default build/tockmere-when)
set -euo pipefail

tool="$(realpath "${1:-build/tockmere-when}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export TZ="${TZ:-Europe/London}"

: >"$work/empty.txt"
for hour in 00 01 02 03 04 05 06 07 08 09 10 11; do
  printf '0,20/01/01,0,%s:30,Long past|\r\n' "$hour" >>"$work/never.txt"
done

runs=200
for file in empty never; do
  start="$(date +%s%N)"
  for _ in $(seq "$runs"); do "$tool" --file "$work/$file.txt" --next >/dev/null; done
  echo "$file: $((($(date +%s%N) - start) / runs / 1000)) us per run of tockmere-when --next"
done
