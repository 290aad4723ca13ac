#!/usr/bin/env bash
# Times tockmere-when over a century (36525 days) of a full table of 12 alarm
# calls of every type, in a zone with daylight saving. A measurement, not a test.
# Usage: bench/when_century.sh [PATH/TO/tockmere-when]   (default build/tockmere-when)
set -euo pipefail

tool="$(realpath "${1:-build/tockmere-when}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat >"$work/alarms.txt" <<'ALARMS'
0,26/12/25,0,06:45,Presents|
0,40/02/29,0,12:00,Leap day|
0,99/12/31,0,23:59,Last of the century|
1,00/00/00,0,07:00,
1,00/00/00,0,01:30,Night shift|
2,00/00/00,3,07:30,
2,00/00/00,1,10:00,Church|
3,26/01/05,0,08:15,
4,00000021,0,09:00,
4,00000031,0,18:00,Month end|
5,00000002,3,20:00,
5,00000009,6,18:00,Pay|rent|
ALARMS
sed -i 's/$/\r/' "$work/alarms.txt"

export TZ="${TZ:-Europe/London}"
echo "tockmere-when, 12 alarms, 36525 days from 2026-01-01, TZ=$TZ"
time "$tool" --file "$work/alarms.txt" --from 2026-01-01 --days 36525 >"$work/out.txt"
echo "firings: $(wc -l <"$work/out.txt")"
