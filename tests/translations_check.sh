#!/usr/bin/env bash
# The texts and the code agree: lupdate, xgettext and po4a run over the
# sources into copies of the translation files, and every language must
# have every text translated, none unfinished, fuzzy or missing.
# Usage: translations_check.sh SOURCE_DIR
set -euo pipefail
src=$(realpath "$1")
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

PATH=/usr/lib/qt6/bin:$PATH "$src/scripts/translations" "$copies"
languages=$(cat "$src/resources/translations/LINGUAS")
for l in en $languages; do
    ts=$copies/resources/translations/quintet_$l.ts
    n=$(grep -c 'type="unfinished"' "$ts" || true)
    [ "$n" = 0 ] || fail "quintet_$l.ts: $n texts unfinished or missing: $(grep -B3 'type="unfinished"' "$ts" | sed -n 's/.*<source>//p' | head -3)"
    # Every plural form filled, as many as the language has.
    /usr/lib/qt6/bin/lrelease -silent "$ts" -qm "$copies/$l.qm" 2>&1 | grep . && fail "lrelease on quintet_$l.ts"
    empty=$(grep -c '<numerusform></numerusform>\|<translation></translation>' "$ts" || true)
    [ "$empty" = 0 ] || fail "quintet_$l.ts: $empty empty translations"
done
# Each translation, in every plural form, has the placeholders %1 to %9 of its source.
python3 - "$copies"/resources/translations/quintet_*.ts <<'EOF' || fail "placeholders lost or added"
import re, sys, xml.etree.ElementTree as ET
marks = lambda t: set(re.findall(r'%[1-9]', t or ''))
bad = [f"{ts}: {m.findtext('source')!r}" for ts in sys.argv[1:] for m in ET.parse(ts).iter('message')
       for t in m.find('translation').findall('numerusform') or [m.find('translation')]
       if marks(t.text) != marks(m.findtext('source')) and t.text]
print(*bad, sep='\n')
sys.exit(bool(bad))
EOF
for l in $languages; do
    for po in resources/translations/$l.po docs/po/$l.po; do
        stats=$(LC_ALL=C msgfmt -c --statistics -o /dev/null "$copies/$po" 2>&1)
        [[ $stats != *untranslated* && $stats != *fuzzy* ]] || fail "$po: $stats"
    done
done
echo "ok: $(echo en $languages | wc -w) languages, every text of the code, the menu entry, the metainfo and the manual translated"
echo "1 passed, 0 failed"
