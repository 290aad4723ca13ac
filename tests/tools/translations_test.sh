#!/usr/bin/env bash
# Every shipped language translates every text the program shows: each .ts
# file holds exactly the texts lupdate finds in src/ now, none unfinished, and
# each translation keeps the placeholders (%1 ... %9, %n) of its English text.
set -euo pipefail
root="${1:?usage: $0 SOURCE_ROOT}"
[ -x /usr/lib/qt6/bin/lupdate ] || { echo "FAIL: lupdate is missing (qt6-l10n-tools)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shopt -s nullglob
files=("$root"/translations/tockmere_*.ts)
[ "${#files[@]}" -gt 0 ] || { echo "FAIL: no translations in $root/translations" >&2; exit 1; }
cp "${files[@]}" "$work/"
TS_DIR="$work" "$root/scripts/update_translations.sh"
python3 - "$work"/*.ts <<'PY'
import re, sys, xml.etree.ElementTree as ET
problems = []
for path in sys.argv[1:]:
    name = path.rsplit('/', 1)[-1]
    for context in ET.parse(path).getroot().iter('context'):
        for message in context.iter('message'):
            source = message.findtext('source')
            where = f"{name}: {context.findtext('name')}: {source!r}"
            translation = message.find('translation')
            state = translation.get('type')
            if state in ('obsolete', 'vanished'):
                problems.append(f"{where}: no longer in the program (run scripts/update_translations.sh)")
                continue
            forms = [f.text or '' for f in translation.iter('numerusform')] or [translation.text or '']
            if state == 'unfinished' or not all(forms):
                problems.append(f"{where}: not translated")
                continue
            wanted = sorted(set(re.findall(r'%[1-9n]', source)))
            for form in forms:
                if sorted(set(re.findall(r'%[1-9n]', form))) != wanted:
                    problems.append(f"{where}: {form!r} does not keep {' '.join(wanted) or 'no placeholder'}")
for problem in problems:
    print('FAIL:', problem, file=sys.stderr)
sys.exit(1 if problems else 0)
PY
