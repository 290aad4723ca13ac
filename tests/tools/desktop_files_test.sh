#!/usr/bin/env bash
# The menu entry and the autostart entry pass desktop-file-validate, start the
# program with no folder chosen (so it uses the user's alarms folder), only
# where it is installed, and name the installed icon; the autostart entry stays
# out of the menu.
set -euo pipefail
root="${1:?usage: $0 SOURCE_ROOT}"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (desktop-file-utils)"
for entry in "$root/data/tockmere.desktop" "$root/data/tockmere-autostart.desktop"; do
  report="$(desktop-file-validate "$entry" 2>&1)" || fail "$entry: $report"
  [ -z "$report" ] || fail "$entry has warnings: $report"
  grep -qx 'Exec=tockmere' "$entry" || fail "$entry should run plain 'tockmere'"
  # Left after the package's removal (the autostart entry is a conffile), an
  # entry whose TryExec program is gone starts nothing and shows nowhere.
  grep -qx 'TryExec=tockmere' "$entry" || fail "$entry should try 'tockmere' first"
  grep -qx 'Icon=tockmere' "$entry" || fail "$entry should name the icon 'tockmere'"
  echo "PASS: $(basename "$entry") validates"
done
grep -qx 'NoDisplay=true' "$root/data/tockmere-autostart.desktop" ||
  fail "the autostart entry should not show in the menu"
if grep -q '^NoDisplay=true' "$root/data/tockmere.desktop"; then
  fail "the menu entry is hidden"
fi
echo "PASS: the menu entry shows, the autostart entry does not"
