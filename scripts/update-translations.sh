#!/usr/bin/env bash
# Brings the app's catalogues up to date with the texts in its code: new texts come
# in unfinished, texts no longer used go. English has a catalogue of its plural forms
# only. A new language: scripts/update-translations.sh CODE (say sv, or pt_PT).
#   scripts/update-translations.sh [CODE ...]     (needs qt6-l10n-tools)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
shopt -s nullglob
catalogues=(Nimbra/translations/nimbra_*.ts)
for code in "$@"; do catalogues+=("Nimbra/translations/nimbra_$code.ts"); done
for ts in "${catalogues[@]}"; do
  only=()
  [[ $ts == */nimbra_en.ts ]] && only=(-pluralonly)
  # Without line numbers, a change elsewhere in a file leaves the catalogues alone.
  "$lupdate" -silent -locations none -no-obsolete -source-language en "${only[@]}" -extensions cpp,h -I Nimbra Nimbra -ts "$ts"
done
