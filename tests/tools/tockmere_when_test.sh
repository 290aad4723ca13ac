#!/usr/bin/env bash
# Checks the output of tockmere-when for a few alarm files.
# Usage: tockmere_when_test.sh PATH/TO/tockmere-when
set -uo pipefail

tool="$(realpath "${1:?usage: $0 PATH/TO/tockmere-when}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export TZ=Europe/London
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect NAME EXPECTED ARGS...: the tool succeeds and prints exactly EXPECTED.
expect() {
  local name="$1" expected="$2"
  shift 2
  local actual status
  actual="$("$tool" "$@" 2>"$work/stderr")"
  status=$?
  [ "$status" -eq 0 ] || fail "$name: exit status $status ($(cat "$work/stderr"))"
  [ -s "$work/stderr" ] && fail "$name: wrote to stderr: $(cat "$work/stderr")"
  if [ "$actual" != "$expected" ]; then
    fail "$name: output differs"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") >&2
  fi
}

# refuse NAME ARGS...: the tool exits 2 with one line on stderr and nothing on stdout.
refuse() {
  local name="$1"
  shift
  local status
  "$tool" "$@" >"$work/stdout" 2>"$work/stderr"
  status=$?
  [ "$status" -eq 2 ] || fail "$name: exit status $status, want 2"
  [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "$name: stderr is not one line: $(cat "$work/stderr")"
  grep -q '^tockmere-when: ' "$work/stderr" || fail "$name: stderr lacks the tool's name"
  [ -s "$work/stdout" ] && fail "$name: wrote to stdout"
}

# Daily alarms either side of and inside the changed hour, both nights.
printf '1,00/00/00,0,00:30,Early|\r\n1,00/00/00,0,01:30,Night|\r\n1,00/00/00,0,02:30,\r\n' >daily.txt
expect "clocks go forward" "2026-03-28 00:30 1,00/00/00,0,00:30,Early|
2026-03-28 01:30 1,00/00/00,0,01:30,Night|
2026-03-28 02:30 1,00/00/00,0,02:30,
2026-03-29 00:30 1,00/00/00,0,00:30,Early|
2026-03-29 02:30 1,00/00/00,0,02:30,
2026-03-30 00:30 1,00/00/00,0,00:30,Early|
2026-03-30 01:30 1,00/00/00,0,01:30,Night|
2026-03-30 02:30 1,00/00/00,0,02:30," --file daily.txt --from 2026-03-28 --days 3
expect "clocks go back" "2026-10-25 00:30 1,00/00/00,0,00:30,Early|
2026-10-25 01:30 1,00/00/00,0,01:30,Night|
2026-10-25 01:30 1,00/00/00,0,01:30,Night|
2026-10-25 02:30 1,00/00/00,0,02:30," --file daily.txt --from 2026-10-25 --days 1

# A one-off fires once (also in the repeated hour) and before a Daily alarm of
# the same minute that stands after it in the file. Over 24 October 08:00 to
# 25 December 08:00 the Daily 07:00 alarm fires 62 times.
printf '0,26/10/25,0,01:30,Once|\r\n0,26/12/25,0,07:00,Presents|\r\n1,00/00/00,0,07:00,\r\n' >oneoff.txt
"$tool" --file oneoff.txt --from 2026-10-24T08:00 --days 62 >oneoff.out
[ "$(grep -c ' 0,' oneoff.out)" -eq 2 ] || fail "one-off: each one-off fires exactly once"
[ "$(grep -c '^2026-12-25 07:00 ' oneoff.out)" -eq 2 ] || fail "one-off: Christmas morning"
[ "$(grep -n 'Presents' oneoff.out | cut -d: -f1)" -lt "$(grep -n '^2026-12-25 07:00 1,' oneoff.out | cut -d: -f1)" ] ||
  fail "one-off: table order within a minute"
[ "$(wc -l <oneoff.out)" -eq 64 ] || fail "one-off: 62 Daily lines and two one-offs"

# Fortnightly from Monday 5 January 2026; --from with a time starts at that minute.
printf '3,26/01/05,0,08:15,Bins|\r\n' >fortnightly.txt
expect "fortnightly" "2026-01-05 08:15 3,26/01/05,0,08:15,Bins|
2026-01-19 08:15 3,26/01/05,0,08:15,Bins|
2026-02-02 08:15 3,26/01/05,0,08:15,Bins|" --file fortnightly.txt --from 2025-12-01 --days 70
expect "fortnightly from a time" "2026-01-19 08:15 3,26/01/05,0,08:15,Bins|" \
  --file fortnightly.txt --from 2026-01-05T08:16 --days 15
expect "fortnightly across the clock change" "2026-03-16 08:15 3,26/01/05,0,08:15,Bins|
2026-03-30 08:15 3,26/01/05,0,08:15,Bins|
2026-04-13 08:15 3,26/01/05,0,08:15,Bins|" --file=fortnightly.txt --from=2026-03-10 --days=40

# The default file is ./alarms.txt; a byte-order mark, LF and lone CR line
# ends are read, and blank lines are skipped.
printf '\xef\xbb\xbf5,00000009,6,18:00,Pay|rent|\n\n0,26/07/02,0,09:00,Dentist|\r' >alarms.txt
expect "default file" "2026-07-02 09:00 0,26/07/02,0,09:00,Dentist|
2026-07-31 18:00 5,00000009,6,18:00,Pay|rent|" --from 2026-07-01 --days 31
: >empty.txt
expect "empty file" "" --file empty.txt --from 2026-01-01 --days 365

# Bad input: exit status 2 and one line on stderr.
refuse "missing file" --file missing.txt --from 2026-01-01 --days 1
refuse "directory" --file . --from 2026-01-01 --days 1
refuse "impossible date" --file daily.txt --from 2026-02-29 --days 1
refuse "bad month" --file daily.txt --from 2026-13-01 --days 1
refuse "bad time" --file daily.txt --from 2026-01-01T24:00 --days 1
refuse "short date" --file daily.txt --from 2026-1-1 --days 1
refuse "zero days" --file daily.txt --from 2026-01-01 --days 0
refuse "negative days" --file daily.txt --from 2026-01-01 --days -3
refuse "days not a number" --file daily.txt --from 2026-01-01 --days 1x
refuse "unknown flag" --file daily.txt --from 2026-01-01 --days 1 --verbose
refuse "no from" --file daily.txt --days 1
refuse "no days" --file daily.txt --from 2026-01-01
refuse "flag without value" --file daily.txt --from 2026-01-01 --days
refuse "next with days" --file daily.txt --next --days 1

# --next: the first minute after --from at which an alarm goes off, with its
# moment; the hour the clocks skip has none.
expect "next skips the missing hour" "2026-03-29 02:30 @$(date -u -d '2026-03-29 01:30' +%s)" \
  --file daily.txt --next --from 2026-03-29T00:30
: >empty.txt
expect "next of an empty file" "none" --file empty.txt --next

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all tockmere-when checks passed"
