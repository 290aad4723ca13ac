#!/usr/bin/env bash
# The files the package ships about itself: the AppStream data passes
# appstreamcli validate (offline), the copyright file parses as Debian's
# machine-readable format, and the newest entry of both the AppStream releases
# and the changelog is the project's version, so a version bump without them
# fails here.
# Usage: package_data_test.sh SOURCE_DIR
set -euo pipefail
root="${1:?usage: $0 SOURCE_DIR}"
data="$root/data"
metainfo="$data/example.tockmere.Tockmere.metainfo.xml"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in appstreamcli dpkg-parsechangelog; do
  command -v "$tool" >/dev/null || fail "$tool is missing (packages appstream, dpkg-dev)"
done
version="$(sed -n 's/^project(tockmere VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
[ -n "$version" ] || fail "no project version in CMakeLists.txt"

report="$(appstreamcli validate --no-net "$metainfo" 2>&1)" || fail "$metainfo: $report"
echo "PASS: the AppStream data validates"

release="$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
[ "$release" = "$version" ] || fail "the newest AppStream release is '$release', the project is $version"
changelog="$(dpkg-parsechangelog -l "$data/changelog" -S Version)"
[ "$changelog" = "$version" ] || fail "the newest changelog entry is '$changelog', the project is $version"
echo "PASS: the AppStream releases and the changelog start at version $version"

# Debian's own parser (python3-debian); the system Python, where it lives.
/usr/bin/python3 -W error - "$data/copyright" <<'PY' || fail "data/copyright is not machine-readable (above)"
import sys
from debian.copyright import Copyright

with open(sys.argv[1], encoding="utf-8") as f:
    c = Copyright(f, strict=True)
assert c.header.known_format(), f"unknown Format: {c.header.format}"
files = c.all_files_paragraphs()
assert any(p.files == ("*",) for p in files), "no Files: * paragraph"
for p in files:
    assert p.copyright and p.license, f"{p.files}: no Copyright or License"
PY
echo "PASS: the copyright file is machine-readable"
