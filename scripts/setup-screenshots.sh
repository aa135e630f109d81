#!/usr/bin/env bash
# For people, not CI: the companion app's setup window beside real Nautilus with
# the built module, light and dark, with the menus off and after "Turn On…".
#   scripts/setup-screenshots.sh [OUTPUT_FOLDER]     (default docs/screenshots)
# Needs root (a private mount namespace), Xvfb, xdotool and ImageMagick. The
# desktop's colour scheme comes from a GSettings keyfile in the private HOME.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/nautilus-session.sh
nautilus_enter_namespace "$@"
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"

nautilus_build_module nimbra
modules=$(mktemp -d)
ln -s "$PWD/build/default/lib/libnimbra-nautilus.so" "$modules/"
app_pid=
trap '[[ -n $app_pid ]] && kill "$app_pid"; nautilus_session_stop; rm -rf "$modules"' EXIT

nautilus_session_prepare
export GSETTINGS_BACKEND=keyfile
off_flag=$XDG_CONFIG_HOME/ai.corvane.nimbra/extension-off
mkdir -p "$(dirname "$off_flag")" "$XDG_CONFIG_HOME/glib-2.0/settings"
touch "$off_flag"  # the menus switched off for this user: Files has the module, inert
nautilus_session_start "$modules" "$HOME"

for scheme in light dark; do
  [[ $scheme == dark ]] && value=prefer-dark || value=default
  printf "[org/gnome/desktop/interface]\ncolor-scheme='%s'\n" "$value" >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"
  touch "$off_flag"
  build/default/bin/nimbra >"$session/nimbra-$scheme.log" 2>&1 &
  app_pid=$!
  window=$(app_window)
  import -window "$window" "$out/setup-off-$scheme.png"
  # "Turn On…": the module sees the switch and announces itself; the window follows.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 464)) $((Y + 216)) click 1
  sleep 1.5
  import -window "$window" "$out/setup-on-$scheme.png"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=
done
