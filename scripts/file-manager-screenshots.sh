#!/usr/bin/env bash
# For people, not CI: real Nemo, Caja, Thunar or Dolphin under Xvfb with a private HOME and
# session bus, the built module in place of the installed extensions, right-clicks
# on a file and on a folder background, Send to ▸ Compressed (zipped) folder and
# New ▸ Folder picked, and a screenshot of each step.
#   scripts/file-manager-screenshots.sh nemo|caja|thunar|dolphin [OUTPUT_FOLDER [STEPS]]   (default docs/screenshots)
# Needs root (a private mount namespace), Xvfb, xdotool and ImageMagick. The clicks
# (scripts/lib/HOST-clicks.sh, or HOST-STEPS-clicks.sh) go to where each puts its
# window and menus at 1280 x 800.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/file-manager-session.sh
nautilus_enter_namespace "$@"
host=${1:-}
fm_host "$host"
out=$(realpath -m "${2:-docs/screenshots}")
mkdir -p "$out"

fm_build_module "$host"
modules=$(mktemp -d)
ln -s "$module" "$modules/"
trap 'fm_session_stop; rm -rf "$modules"' EXIT

nautilus_session_prepare
mkdir -p "$HOME/Projects"
printf 'Quarterly figures\n' >"$HOME/Projects/report.txt"
fm_session_start "$modules" "$HOME/Projects"

shot() { import -window root "$out/$host-$1.png"; }
click() { nautilus_click "$@"; }
source "scripts/lib/$host${3:+-$3}-clicks.sh"
ls "$HOME/Projects"
