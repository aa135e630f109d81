#!/usr/bin/env bash
# For people, not CI: real Dolphin under Xvfb with a private HOME and session bus,
# the built plugin in place of the installed file-item action plugins, as
# scripts/gtk3-screenshots.sh does for Nemo, Caja and Thunar, with a screenshot of
# each step (clicks in scripts/lib/dolphin-clicks.sh).
#   scripts/dolphin-screenshots.sh [OUTPUT_FOLDER]     (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/gtk3-session.sh
nautilus_enter_namespace "$@"
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"
host=dolphin
extension_dir=$(/usr/lib/qt5/bin/qmake -query QT_INSTALL_PLUGINS)/kf5/kfileitemaction
command=(dolphin --new-window)

cmake --preset default >/dev/null
cmake --build --preset default --target nimbra-dolphin nimbra-zip nimbra_extension_resources >/dev/null
modules=$(mktemp -d)
ln -s "$PWD/build/default/lib/nimbra-dolphin.so" "$modules/"
trap 'gtk3_session_stop; rm -rf "$modules"' EXIT

nautilus_session_prepare
unset SUDO_USER  # Dolphin refuses to run under sudo, not as root itself
mkdir -p "$HOME/Projects"
printf 'Quarterly figures\n' >"$HOME/Projects/report.txt"
gtk3_session_start "$modules" "$HOME/Projects"

shot() { import -window root "$out/$host-$1.png"; }
click() { nautilus_click "$@"; }
source "scripts/lib/$host-clicks.sh"
ls "$HOME/Projects"
