#!/usr/bin/env bash
# For people, not CI: the built app in another language under Xvfb, in a private
# HOME and session bus: its setup window, and its preferences (New tab).
#   scripts/language-screenshots.sh LOCALE [OUTPUT_FOLDER]   (say ja_JP.UTF-8; default docs/screenshots)
# Needs Xvfb, xdotool and ImageMagick, and for Chinese or Japanese the fonts the
# package recommends (fonts-noto-cjk).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/nautilus-session.sh
locale=${1:?a locale, say ja_JP.UTF-8}
code=${locale%%.*}
out=$(realpath -m "${2:-docs/screenshots}")
mkdir -p "$out"
cmake --build --preset default --target nimbra nimbra_extension_resources >/dev/null

nautilus_session_prepare
app_pid=
trap '[[ -n $app_pid ]] && kill "$app_pid"; kill ${bus_pid:-} ${xvfb_pid:-} 2>/dev/null; rm -rf "$session"' EXIT
session_display_and_bus
LANG=$locale LC_ALL= LC_MESSAGES= LANGUAGE= build/default/bin/nimbra >"$session/nimbra.log" 2>&1 &
app_pid=$!
window=$(app_window)
import -window "$window" "$out/setup-$code.png"
# The menu bar's Nimbra menu, its first item: the preferences.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 24)) $((Y + 12)) click 1
sleep 0.8
xdotool mousemove $((X + 40)) $((Y + 36)) click 1
sleep 1.5
preferences=$(xdotool search --onlyvisible --name '^Nimbra ' 2>/dev/null | tail -1 || true)
if [[ -z $preferences ]]; then
  import -window root "$out/preferences-$code.png"
else
  import -window "$preferences" "$out/preferences-$code.png"
fi
