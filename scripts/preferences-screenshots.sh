#!/usr/bin/env bash
# For people, not CI: the companion app's preferences window under Xvfb, with a
# private HOME, session bus and a few desktop entries, light and dark (GNOME's
# color-scheme), saved as docs/screenshots/preferences-*.png. Needs Xvfb, xdotool,
# ImageMagick and a built app (build/default/bin). Without a window manager every
# window opens at the screen's corner, so the clicks below are fixed positions.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=${NIMBRA_BIN:-$root/build/default/bin}
out=$root/docs/screenshots
session=$(mktemp -d /tmp/nimbra-preferences-XXXXXX)
mkdir -p "$session/home/.local/share/applications" "$session/run" "$out"
chmod 700 "$session/run"
export HOME=$session/home XDG_CONFIG_HOME=$session/home/.config XDG_DATA_HOME=$session/home/.local/share \
  XDG_CACHE_HOME=$session/home/.cache XDG_RUNTIME_DIR=$session/run XDG_CURRENT_DESKTOP=GNOME

# Two known apps installed under their Linux names, and one the user added.
entry() {
  printf '[Desktop Entry]\nType=Application\nName=%s\nIcon=%s\nExec=true %%F\n' "$2" "$3" \
    >"$XDG_DATA_HOME/applications/$1.desktop"
}
entry code "Visual Studio Code" accessories-text-editor
entry org.gnome.Console Console utilities-terminal
entry org.gnome.TextEditor "Text Editor" accessories-text-editor
entry org.gnome.Calculator Calculator accessories-calculator

# A few entries first (the store appends the rest of the catalogue), one of them custom.
cat >"$session/new.json" <<'JSON'
[{"id":"folder","kind":{"folder":{}},"ext":"","enabled":true,"isBuiltIn":true},
 {"id":"txt","kind":{"text":{"template":"","executable":false}},"ext":"txt","enabled":true,"isBuiltIn":true},
 {"id":"json","kind":{"text":{"template":"{}\n","executable":false}},"ext":"json","enabled":true,"isBuiltIn":true},
 {"id":"sh","kind":{"text":{"template":"#!/bin/zsh\n\n","executable":true}},"ext":"sh","enabled":false,"isBuiltIn":true},
 {"id":"6F1C2A9E-3B7D-4E51-9A0C-2D8E4F6B1A37","kind":{"text":{"template":"","executable":false}},"ext":"log","customLabel":"Log File","enabled":true,"isBuiltIn":false}]
JSON
"$bin/nimbra-defaults" write newItems -data-file "$session/new.json"
open_with='[{"bundleID":"com.microsoft.VSCode","enabled":true,"isKnown":true},{"bundleID":"com.apple.Terminal","enabled":true,"isKnown":true},{"bundleID":"dev.zed.Zed","enabled":true,"isKnown":true},{"bundleID":"org.gnome.TextEditor","enabled":true,"isKnown":false}]'
printf '%s' "$open_with" >"$session/open-with.json"
"$bin/nimbra-defaults" write openWith -data-file "$session/open-with.json"

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$session/display" 2>"$session/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $session/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$session/display")
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
  read -r address; read -r pid; echo "export DBUS_SESSION_BUS_ADDRESS='$address'; bus_pid=$pid"; })"
app_pid=
stop() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null
  kill "$bus_pid" "$xvfb_pid" 2>/dev/null || true
  rm -rf "$session"
}
trap stop EXIT

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
shoot() { import -window root -crop "$2" +repage "$out/preferences-$1.png"; }

gsettings set org.gnome.desktop.interface color-scheme default
"$bin/nimbra" >"$session/app.log" 2>&1 &
app_pid=$!
for _ in $(seq 50); do xdotool search --name '^Nimbra$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1.5
click 497 390 1.5  # the setup window's Customize Menus…
# The custom type's extension, typed wrong: the message and the red outline.
click 453 238
xdotool key ctrl+a type --delay 60 'c++'
sleep 0.5

for scheme in light dark; do
  [[ $scheme == dark ]] && gsettings set org.gnome.desktop.interface color-scheme prefer-dark && sleep 1.5
  click 60 34
  xdotool mousemove 453 238 && sleep 1.5  # the extension's message as a tooltip
  shoot "new-$scheme" 660x560+0+0
  click 542 172  # json: Edit…
  xdotool key ctrl+a type --delay 30 '{"name": '
  sleep 0.5
  shoot "template-$scheme" 660x560+0+0
  xdotool key Escape && sleep 0.5
  click 255 34
  click 610 68 1.2  # Add App…
  xdotool type --delay 60 'te'
  xdotool search --name '^Add App$' windowmove 680 40
  sleep 0.5
  shoot "open-with-$scheme" 1110x560+0+0
  xdotool key Escape && sleep 0.5
  click 372 34
  shoot "updates-$scheme" 660x560+0+0
done
