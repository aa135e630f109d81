#!/usr/bin/env bash
# The main job: builds Nimbra, installs it (programs and resources under /usr/local,
# the module where Files loads its extensions) and restarts Files so that
# right-clicking shows the menus. Without a graphical session it prints the menus
# of the current folder instead.
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)

scripts/install-deps.sh >&2
cmake --preset default >&2
cmake --build --preset default --target nimbra-menu nimbra-defaults nimbra-zip nimbra-nautilus nimbra_extension_resources >&2
"${sudo_cmd[@]}" cmake --install build/default --prefix /usr/local >&2

if [[ -n ${WAYLAND_DISPLAY:-}${DISPLAY:-} ]] && command -v nautilus >/dev/null; then
  # Files loads its extensions when it starts; it starts again on the next use.
  nautilus -q 2>/dev/null || true
  echo "Nimbra is installed. Open Files and right-click a folder's background or a file."
else
  echo "Nimbra is installed; no graphical session here, so these are the menus of $here:"
  for kind in container items; do
    echo "== $kind"
    /usr/local/bin/nimbra-menu "$kind" --target "$here" --select "$here"
  done
fi
