#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations are complete and true to the sources: lupdate, run over a copy of
# translations/, changes nothing (every source text is in the .ts files and none is left
# over); no entry is unfinished, obsolete or vanished; and each translation has the
# placeholders of its source (%1, %2..., %n, and %D %H %M %S of a duration pattern).
# Exits 1 naming what is wrong. The same lupdate options as the update_translations target.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp translations/*.ts "$work/"
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I src src -ts "$work"/*.ts
failed=0
for ts in translations/*.ts; do
  if ! cmp -s "$ts" "$work/${ts##*/}"; then
    echo "check-translations: $ts differs from what lupdate finds in src/ (run the" \
      "update_translations target, then translate):" >&2
    diff -u "$ts" "$work/${ts##*/}" | head -40 >&2 || true
    failed=1
  fi
done

python3 - translations/*.ts <<'EOF' || failed=1
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?[1-9][0-9]?|n|[DHMS](?![a-z]))")
failed = False


def fail(ts, context, source, why):
    global failed
    failed = True
    shown = source.replace("\n", "\\n")
    print(f"check-translations: {ts}: {context}: \"{shown}\": {why}", file=sys.stderr)


for ts in sys.argv[1:]:
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("unfinished", "obsolete", "vanished"):
                fail(ts, name, source, kind)
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")]
            if message.get("numerus") != "yes":
                forms = [translation.text or ""]
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for form in forms:
                if not form:
                    fail(ts, name, source, "empty translation")
                elif sorted(set(PLACEHOLDER.findall(form))) != wanted:
                    fail(ts, name, source, f"placeholders differ in \"{form}\"")
sys.exit(1 if failed else 0)
EOF
exit "$failed"
