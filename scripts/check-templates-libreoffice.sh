#!/usr/bin/env bash
# Opens every shipped blank document in LibreOffice (headless) with the import filter
# of its format and converts it to PDF; fails when a document does not load.
# Skips when LibreOffice is not installed (it is too big for CI):
#   apt-get install --no-install-recommends libreoffice-writer-nogui \
#     libreoffice-calc-nogui libreoffice-impress-nogui
# Usage: scripts/check-templates-libreoffice.sh [templates folder]
set -euo pipefail
cd "$(dirname "$0")/.."
templates=${1:-build/default/share/nimbra/extension/Templates}

if ! command -v soffice >/dev/null; then
  echo "skipped: soffice (LibreOffice) is not installed"
  exit 0
fi
[[ -d $templates ]] || { echo "no templates at $templates (build nimbra_extension_resources first)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

declare -A filters=(
  [docx]="MS Word 2007 XML"
  [xlsx]="Calc MS Excel 2007 XML"
  [pptx]="Impress MS PowerPoint 2007 XML"
  [pages]="Apple Pages"
  [numbers]="Apple Numbers"
  [key]="Apple Keynote"
)

failed=0
checked=0
for file in "$templates"/blank.*; do
  [[ -e $file ]] || continue
  ext=${file##*.}
  filter=${filters[$ext]:-}
  if [[ -z $filter ]]; then
    echo "FAIL $file: no import filter known for .$ext"
    failed=1
    continue
  fi
  out="$work/$ext"
  # A profile of its own: no clash with a running LibreOffice, nothing left in $HOME.
  soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
    --infilter="$filter" --convert-to pdf --outdir "$out" "$file" >"$work/log" 2>&1 || true
  pdf="$out/$(basename "${file%.*}").pdf"
  if [[ -s $pdf ]] && head -c 5 "$pdf" | grep -q '%PDF-'; then
    echo "ok   $file ($filter)"
  else
    echo "FAIL $file ($filter) did not load:"
    sed 's/^/     /' "$work/log"
    failed=1
  fi
  checked=$((checked + 1))
done
((checked > 0)) || { echo "no blank documents in $templates" >&2; exit 1; }
exit $failed
