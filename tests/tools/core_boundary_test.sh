#!/usr/bin/env bash
# Fails when a file of the core includes a Qt header or anything of the Qt
# floor, or a header of a core folder above its own. The core folders stand in
# this order, lowest first (docs/architecture.md):
#   model platform store settings scheduler entry list
# A program-wide variable is declared only in a header of the folder that owns
# it, so a core file can read only the globals of its own folder and those
# below; a check below makes sure no core source declares one for itself.
# Usage: core_boundary_test.sh SOURCE_DIR
set -euo pipefail
core="${1:?usage: $0 SOURCE_DIR}/src/core"
[ -d "$core" ] || { echo "no core folder at $core" >&2; exit 1; }
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*|gui/[^>"]*)[>"]'
if grep -rnE "$pattern" "$core"; then
  echo "the core includes Qt or the Qt floor (above)" >&2
  exit 1
fi

failed=0
# shellcheck source=tests/tools/folder_order.sh
source "$(dirname "$0")/folder_order.sh"
check_folder_order "$core" core model platform store settings scheduler entry list || failed=1
if grep -rnE '^[[:space:]]*extern[[:space:]]' "$core" --include='*.cpp'; then
  echo "a core source declares a global of another file (above)" >&2
  failed=1
fi
# The core holds no state of its own: every variable lives in an object its
# caller made. A g_ name, a mutable variable at file scope or a static local
# fails the check.
if grep -rnE '\bg_[A-Za-z]+' "$core"; then
  echo "a program-wide variable in the core (above)" >&2
  failed=1
fi
declaration='^(static )?[A-Za-z_][A-Za-z0-9_:<>, ]*[ *&]+[A-Za-z_][A-Za-z0-9_]*( = [^;(]*| ?\{[^}]*\})?;$'
if grep -rnE "$declaration" "$core" --include='*.cpp' |
  grep -vE ':[0-9]+:(enum|struct|class|using|namespace|return|typedef) |\bconst(expr)?\b'; then
  echo "mutable state at file scope in the core (above)" >&2
  failed=1
fi
if grep -rnE '^[[:space:]]+static[[:space:]]' "$core" --include='*.cpp' |
  grep -vE 'static_assert|static (const|constexpr)\b|static_cast'; then
  echo "a static local in the core (above)" >&2
  failed=1
fi
# No two headers of the program share a file name, so that a name in an
# include line or a conversation says which one is meant.
if find "${1}/src" -name '*.h' -printf '%f\n' | sort | uniq -d | grep .; then
  echo "headers under src/ share the file name (above)" >&2
  failed=1
fi
[ "$failed" -eq 0 ] || exit 1

count="$(find "$core" -name '*.cpp' -o -name '*.h' | wc -l)"
[ "$count" -gt 0 ] || { echo "no core sources found" >&2; exit 1; }
echo "$count core files checked: no Qt, no gui/, no folder above its own, no state of its own; no two headers under src/ share a name"
