#!/usr/bin/env bash
# Fails when a file of the core includes a Qt header or anything of the Qt floor.
# Usage: core_boundary_test.sh SOURCE_DIR
set -euo pipefail
core="${1:?usage: $0 SOURCE_DIR}/src/core"
[ -d "$core" ] || { echo "no core folder at $core" >&2; exit 1; }
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*|gui/[^>"]*)[>"]'
if grep -rnE "$pattern" "$core"; then
  echo "the core includes Qt or the Qt floor (above)" >&2
  exit 1
fi
count="$(find "$core" -name '*.cpp' -o -name '*.h' | wc -l)"
[ "$count" -gt 0 ] || { echo "no core sources found" >&2; exit 1; }
echo "$count core files checked: no Qt, no gui/"
