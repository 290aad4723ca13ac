#!/usr/bin/env bash
# Brings the translations' sources (translations/tockmere_<language>.ts) up to
# date with the texts of src/: new texts come in unfinished, texts no longer
# used are marked obsolete. Run it after changing a text the user sees, then
# translate what it reports unfinished (docs/translating.md).
#
#   scripts/update_translations.sh [LANGUAGE...]    (default: every .ts file)
#
# TS_DIR names another folder of .ts files to bring up to date instead.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
out="${TS_DIR:-translations}"
languages=("$@")
if [ "${#languages[@]}" -eq 0 ]; then
  for ts in "$out"/tockmere_*.ts; do
    name="${ts##*/tockmere_}"
    languages+=("${name%.ts}")
  done
fi
for language in "${languages[@]}"; do
  "$lupdate" -silent -locations none -no-ui-lines \
    -tr-function-alias QT_TRANSLATE_NOOP+=TOCK_TR_NOOP,QT_TRANSLATE_N_NOOP+=TOCK_TR_N_NOOP \
    -target-language "$language" src -ts "$out/tockmere_$language.ts"
done
