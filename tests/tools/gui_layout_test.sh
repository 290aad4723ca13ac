#!/usr/bin/env bash
# Fails when the Qt floor leaves the layout docs/architecture.md gives it:
#   - its folders stand in this order, lowest first, and a file includes only
#     gui headers of its own folder and of folders below it:
#       platform resources dialog settings watch scheduler list entry app
#   - the dialog framework (dialog/) includes nothing of core/entry, core/list
#     or core/store;
#   - the main window's members are defined in at most three files of app/
#     named for it (main_dlg*.cpp);
#   - no file keeps a program-wide variable in a header (extern), nor a reset
#     of state that exists only for the tests;
#   - every static data member, static local and mutable variable at file
#     scope is listed, by its file and name, under "Program-wide state of the
#     Qt floor" on docs/architecture.md;
#   - that page names every source file under src/ (below src/, without its
#     ending).
# Usage: gui_layout_test.sh SOURCE_DIR
set -euo pipefail
root="${1:?usage: $0 SOURCE_DIR}"
gui="$root/src/gui"
[ -d "$gui" ] || { echo "no gui folder at $gui" >&2; exit 1; }
failed=0
# shellcheck source=tests/tools/folder_order.sh
source "$(dirname "$0")/folder_order.sh"
# shellcheck source=tests/tools/program_wide_state.sh
source "$(dirname "$0")/program_wide_state.sh"
check_folder_order "$gui" gui platform resources dialog settings watch scheduler list entry app || failed=1
# The dialog framework knows dialogs, not the application: the alarms, the
# entry form's rules and the list's texts stay with the folders that show them.
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"core/(entry|list|store)/' "$gui/dialog"; then
  echo "the dialog framework includes the core's alarms, entry or list (above)" >&2
  failed=1
fi

mapfile -t defining < <(grep -rlE '\bCMainDlg::[A-Za-z_~]+\(' "$gui" --include='*.cpp' |
  grep -v '/app/alarm_app\.cpp$' | sort)
for file in "${defining[@]}"; do
  [[ "$file" =~ /app/main_dlg[a-z_]*\.cpp$ ]] && continue
  echo "$file defines members of CMainDlg outside app/main_dlg*.cpp" >&2
  failed=1
done
if [ "${#defining[@]}" -gt 3 ]; then
  echo "CMainDlg's members are defined in ${#defining[@]} files, more than three" >&2
  failed=1
fi
if grep -rnE '^[[:space:]]*extern[[:space:]]' "$gui" --include='*.h'; then
  echo "a gui header declares a program-wide variable (above)" >&2
  failed=1
fi
if grep -rnE '\bReset[A-Za-z]*State\b' "$gui"; then
  echo "a gui file resets program state (above)" >&2
  failed=1
fi
listed="$(sed -n '/^## Program-wide state of the Qt floor/,/^## /p' "$root/docs/architecture.md" |
  tr '\n' ' ')"
state=0
while IFS= read -r found; do
  file="${found%%:*}"
  file="gui/${file#"$gui"/}"
  name="${found##*: }"
  state=$((state + 1))
  if ! grep -qE "\`$file\`: [^()]*\`$name\`" <<<"$listed"; then
    echo "$found: program-wide state that docs/architecture.md does not list" >&2
    failed=1
  fi
done < <(program_wide_state "$gui")
# The page names every file of the program, by its path below src/.
page="$(cat "$root/docs/architecture.md")"
files=0
while IFS= read -r path; do
  stem="${path#"$root"/src/}"
  stem="${stem%.*}"
  files=$((files + 1))
  if ! grep -qE "\`$stem(\.h|\.cpp)?\`" <<<"$page"; then
    echo "$path: a file that docs/architecture.md does not name" >&2
    failed=1
  fi
done < <(find "$root/src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
[ "$failed" -eq 0 ] || exit 1
echo "gui folders in order; the dialog framework free of the alarms; CMainDlg in ${#defining[@]} files; $state program-wide variables, each listed; $files files, each named"
