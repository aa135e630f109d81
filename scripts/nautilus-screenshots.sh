#!/usr/bin/env bash
# For people, not CI: real Nautilus under Xvfb with a private HOME and session bus,
# the built module in place of the installed extensions, right-clicks on a folder
# background and on a file, and a screenshot of each step.
#   scripts/nautilus-screenshots.sh [OUTPUT_FOLDER]     (default docs/screenshots)
# Needs root (a private mount namespace), Xvfb, xdotool and ImageMagick. The clicks
# go to where Nautilus 43 puts its window and menus at 1280 x 800.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/nautilus-session.sh
nautilus_enter_namespace "$@"
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"

nautilus_build_module
modules=$(mktemp -d)
ln -s "$PWD/build/default/lib/libnimbra-nautilus.so" "$modules/"
trap 'nautilus_session_stop; rm -rf "$modules"' EXIT

nautilus_session_prepare
mkdir -p "$HOME/Projects"
printf 'Quarterly figures\n' >"$HOME/Projects/report.txt"
nautilus_session_start "$modules" "$HOME/Projects"

nautilus_click 3 600 400; nautilus_screenshot "$out/background-menu.png"
nautilus_click 1 650 578; nautilus_screenshot "$out/new-submenu.png"
nautilus_click 1 640 456; sleep 1; nautilus_screenshot "$out/new-folder-rename.png"
xdotool key Escape; sleep 0.5
nautilus_click 1 488 125
nautilus_click 3 488 125; nautilus_screenshot "$out/file-menu.png"
nautilus_click 1 540 476; nautilus_screenshot "$out/send-to-submenu.png"
nautilus_click 1 596 181; sleep 1.5; nautilus_screenshot "$out/zipped.png"
ls "$HOME/Projects"
