#!/usr/bin/env bash
# For people, not CI: real Nemo, Caja or Thunar under Xvfb with a private HOME and
# session bus, the built module in place of the installed extensions, right-clicks
# on a folder background and on a file, New ▸ Folder and Send to ▸ Compressed
# (zipped) folder picked, and a screenshot of each step.
#   scripts/gtk3-screenshots.sh nemo|caja|thunar [OUTPUT_FOLDER]   (default docs/screenshots)
# Needs root (a private mount namespace), Xvfb, xdotool and ImageMagick. The clicks
# go to where each file manager puts its window and menus at 1280 x 800.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/nautilus-session.sh
nautilus_enter_namespace "$@"
host=$1
out=$(realpath -m "${2:-docs/screenshots}")
mkdir -p "$out"
case $host in
  nemo) extension_dir=$(pkg-config --variable=extensiondir libnemo-extension) command=(nemo --no-desktop) ;;
  caja) extension_dir=$(pkg-config --variable=extensiondir libcaja-extension) command=(caja --no-desktop) ;;
  thunar) extension_dir=$(pkg-config --variable=extensionsdir thunarx-3) command=(thunar) ;;
  *) echo "usage: $0 nemo|caja|thunar [OUTPUT_FOLDER]" >&2; exit 2 ;;
esac

cmake --preset default >/dev/null
cmake --build --preset default --target "nimbra-$host" nimbra-zip nimbra_extension_resources >/dev/null
modules=$(mktemp -d)
ln -s "$PWD/build/default/lib/libnimbra-$host.so" "$modules/"
nautilus_session_prepare
trap 'kill ${fm_pid:-} ${bus_pid:-} ${xvfb_pid:-} 2>/dev/null || true; umount "$extension_dir" 2>/dev/null || true; rm -rf "$modules" "$session"' EXIT
mkdir -p "$HOME/Projects"
printf 'Quarterly figures\n' >"$HOME/Projects/report.txt"

mkdir -p "$extension_dir"  # a file manager without extensions of its own may lack it
mount --bind "$modules" "$extension_dir"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$session/display" >"$session/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $session/display ]] && break; sleep 0.1; done
export DISPLAY=:$(<"$session/display")
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
  read -r address; read -r pid; echo "export DBUS_SESSION_BUS_ADDRESS='$address'; bus_pid=$pid"; })"
"${command[@]}" "$HOME/Projects" >"$session/fm.log" 2>&1 &
fm_pid=$!
for _ in $(seq 100); do xdotool search --onlyvisible --pid "$fm_pid" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 5  # the first directory load and our warm-up
window=$(xdotool search --onlyvisible --pid "$fm_pid" | tail -1)
# No window manager: place the window ourselves.
xdotool windowmove "$window" 0 0 windowsize "$window" 1000 700; sleep 1

shot() { import -window root "$out/$host-$1.png"; }
click() { nautilus_click "$@"; }
source "scripts/lib/$host-clicks.sh"
ls "$HOME/Projects"
