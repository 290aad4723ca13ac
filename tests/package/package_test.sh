#!/usr/bin/env bash
# The Debian package, end to end: builds it from the release preset (cpack),
# checks it with lintian (no error, no warning) and its AppStream data against
# the files it ships, installs it with apt-get, checks what it installed, starts
# the installed program the way the autostart entry does under Xvfb with a
# scratch HOME (main window mapped, working in ~/.local/share/tockmere), removes
# the package and checks that only the autostart entry is left (a conffile, which
# then starts nothing) and the user's files are untouched, then purges it.
#
#   tests/package/package_test.sh
#
# It installs a package, so it needs root (or sudo without a password); it is
# skipped with a message otherwise, and when a tockmere package is installed
# already (the test would replace and remove it). A trap purges the package
# whatever happens once the test has installed it.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
source scripts/common.sh

skip() {
  echo "SKIP: the package test: $*"
  exit 0
}

command -v apt-get >/dev/null && command -v dpkg-query >/dev/null || skip "no apt-get or dpkg here"
if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
  skip "installing a package needs root or sudo without a password"
fi
if dpkg-query -W -f='${Status}' tockmere 2>/dev/null | grep -q "ok installed"; then
  skip "a tockmere package is installed already; remove it first (apt-get remove tockmere)"
fi

say "Building the package (preset release, build-release/)"
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
rm -f build-release/tockmere_*.deb
(cd build-release && cpack -G DEB >/dev/null)
debs=(build-release/tockmere_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no one tockmere_*.deb" >&2; exit 1; }
deb="$PWD/${debs[0]}"

say "lintian $(basename "$deb")"
lintian --fail-on error,warning "$deb" || { echo "FAIL: lintian finds errors or warnings (above)" >&2; exit 1; }
echo "PASS: lintian finds no error and no warning"
tree="$(mktemp -d)"
dpkg-deb -x "$deb" "$tree"
report="$(appstreamcli validate-tree --no-net "$tree" 2>&1)" || { echo "FAIL: $report" >&2; exit 1; }
rm -rf "$tree"
echo "PASS: the AppStream data validates with the files of the package (its menu entry)"

source tests/e2e/lib.sh
apt_get() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"
}
installed() { dpkg-query -W -f='${Status}' tockmere 2>/dev/null | grep -q "ok installed"; }
we_installed=0
remove_package() {
  if [ "$we_installed" -eq 1 ]; then
    apt_get purge tockmere >/dev/null 2>&1 || echo "WARNING: could not purge tockmere" >&2
  fi
  we_installed=0
}
# Whether a desktop session would start this entry: GLib, as GNOME's autostart
# does, refuses an entry whose TryExec (or Exec) program is not on the PATH.
entry_starts() {
  env -i PATH=/usr/bin:/bin /usr/bin/python3 - "$1" <<'PY'
import sys, gi
gi.require_version("Gio", "2.0")
from gi.repository import Gio
try:
    Gio.DesktopAppInfo.new_from_filename(sys.argv[1])
except TypeError:  # the constructor returned NULL
    sys.exit(1)
PY
}
autostart=/etc/xdg/autostart/tockmere.desktop
trap 'remove_package; cleanup' EXIT
trap 'exit 130' INT TERM

say "Installing $(basename "$deb") with apt-get"
we_installed=1
apt_get install "$deb" >"$root/build-release/apt-install.log" 2>&1 ||
  fail "apt-get install failed: $(tail -n 20 "$root/build-release/apt-install.log")"
installed || fail "apt-get install did not install tockmere"
version="$(dpkg-query -W -f='${Version}' tockmere)"
mapfile -t package_files < <(dpkg-query -L tockmere | while read -r path; do
  [ -d "$path" ] || echo "$path"
done)
expected=(/usr/bin/tockmere /usr/bin/tockmere-when /usr/share/applications/tockmere.desktop
  "$autostart" /usr/share/icons/hicolor/scalable/apps/tockmere.svg
  /usr/share/man/man1/tockmere.1.gz /usr/share/man/man1/tockmere-when.1.gz
  /usr/share/doc/tockmere/README.md /usr/share/doc/tockmere/copyright
  /usr/share/doc/tockmere/changelog.gz /usr/share/metainfo/example.tockmere.Tockmere.metainfo.xml)
for side in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${side}x${side}/apps/tockmere.png")
done
for ts in "$root"/translations/tockmere_*.ts; do
  expected+=("/usr/share/tockmere/translations/$(basename "$ts" .ts).qm")
done
for path in "${expected[@]}"; do
  printf '%s\n' "${package_files[@]}" | grep -qxF "$path" || fail "the package does not install $path"
  [ -s "$path" ] || fail "$path is missing or empty after installing"
done
[ "${#package_files[@]}" -eq "${#expected[@]}" ] ||
  fail "the package installs ${#package_files[@]} files, not ${#expected[@]}: ${package_files[*]}"
for side in 16 22 24 32 48 64 128 256; do
  size="$(identify -format '%wx%h' "/usr/share/icons/hicolor/${side}x${side}/apps/tockmere.png")"
  [ "$size" = "${side}x${side}" ] || fail "the ${side}x${side} icon is $size"
done
grep -q '<svg' /usr/share/icons/hicolor/scalable/apps/tockmere.svg || fail "the scalable icon is no SVG"
for entry in /usr/share/applications/tockmere.desktop "$autostart"; do
  desktop-file-validate "$entry" || fail "$entry does not validate"
done
dpkg-query -W -f='${Conffiles}\n' tockmere | grep -q "^ $autostart " ||
  fail "the autostart entry is not a conffile"
entry_starts "$autostart" || fail "a session would not start the installed autostart entry"
for page in tockmere tockmere-when; do
  zcat "/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH .*\"tockmere $version\"" ||
    fail "the manual page $page.1 does not carry the version $version"
done
[ "$(env -u DISPLAY /usr/bin/tockmere --version)" = "tockmere $version" ] ||
  fail "tockmere --version does not say the package's version $version"
pass "tockmere $version installed its ${#expected[@]} files"

setup /usr/bin/tockmere
trap 'remove_package; cleanup' EXIT

# A new user's session: HOME of its own, no XDG variables but the runtime one,
# a session bus address where nothing listens (without one, dbus-x11 would
# launch a bus of its own), the program started from / by the autostart
# entry's command.
home="$RUN_DIR/home"
mkdir -p "$home"
exec_line="$(sed -n 's/^Exec=//p' "$autostart")"
read -r -a command <<<"$exec_line"
(
  cd /
  exec env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$RUN_DIR/runtime" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$RUN_DIR/no-bus" \
    "${command[@]}" >"$RUN_DIR/installed.log" 2>&1
) &
APP_PID=$!
APP_LOG="$RUN_DIR/installed.log"
track_pid "$APP_PID"
main="$(wait_window "$APP_PID" Tockmere 30)" || fail "the installed program's main window was not mapped"
[ "$(readlink "/proc/$APP_PID/exe")" = /usr/bin/tockmere ] || fail "the window is not the installed program's"
folder="$home/.local/share/tockmere"
[ "$(readlink "/proc/$APP_PID/cwd")" = "$folder" ] || fail "the installed program does not work in $folder"
pass "the installed program started from its autostart entry (window $main) and works in $folder"

kill -TERM "$APP_PID"
wait_exit "$APP_PID" 10 || fail "the installed program did not end on SIGTERM"
printf '%s\r\n' '1,00/00/00,0,07:00,Wake up|' >"$folder/alarms.txt"
mkdir -p "$home/.config/Tockmere"
printf '%s\n' '[HKEY_LOCAL_MACHINE\Software\Tockmere]' '"Sound"="1"' >"$home/.config/Tockmere/registry.reg"
user_files="$(cd "$home" && find . -type f -print0 | sort -z | xargs -0 sha256sum)"

say "Removing the package with apt-get"
apt_get remove tockmere >"$root/build-release/apt-remove.log" 2>&1 ||
  fail "apt-get remove failed: $(tail -n 20 "$root/build-release/apt-remove.log")"
state="$(dpkg-query -W -f='${Status}' tockmere 2>/dev/null || true)"
[ "$state" = "deinstall ok config-files" ] || fail "after remove dpkg knows tockmere as '$state'"
for path in "${package_files[@]}"; do
  [ "$path" = "$autostart" ] || [ ! -e "$path" ] || fail "$path is left after removing the package"
done
[ -e "$autostart" ] || fail "remove took the autostart entry, a conffile that only purge takes"
! entry_starts "$autostart" || fail "the autostart entry left after remove would still start something"
[ "$(cd "$home" && find . -type f -print0 | sort -z | xargs -0 sha256sum)" = "$user_files" ] ||
  fail "removing the package changed the user's files"
pass "apt-get remove left only the autostart entry, which starts nothing, and the user's alarms and settings as they were"

apt_get purge tockmere >"$root/build-release/apt-purge.log" 2>&1 ||
  fail "apt-get purge failed: $(tail -n 20 "$root/build-release/apt-purge.log")"
we_installed=0
state="$(dpkg-query -W -f='${Status}' tockmere 2>/dev/null || true)"
case "$state" in
  "" | *not-installed) ;;
  *) fail "after purge dpkg still knows tockmere as '$state'" ;;
esac
[ ! -e "$autostart" ] || fail "purge left the autostart entry"
pass "apt-get purge took the autostart entry too"
