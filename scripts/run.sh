#!/usr/bin/env bash
# The main job: builds the Debian package, installs it with apt (which pulls in what
# it needs to run), restarts Files so that it loads the module and opens the app.
# Without a graphical session it prints the menus of the current folder instead.
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)

scripts/install-deps.sh >&2
cmake --preset default >&2
cmake --build --preset default --target nimbra-menu nimbra-defaults nimbra-zip nimbra-nautilus nimbra \
  nimbra_extension_resources nimbra_packaging_files >&2
# A fresh folder, so the one package in it is this build's, not an older version's.
rm -rf build/default/package
(cd build/default && cpack -B package) >&2
debs=(build/default/package/nimbra_*_amd64.deb)
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --reinstall "./${debs[0]}" >&2

if [[ -n ${WAYLAND_DISPLAY:-}${DISPLAY:-} ]] && command -v nautilus >/dev/null; then
  # Files loads its modules when it starts; it starts again on the next use.
  nautilus -q 2>/dev/null || true
  setsid nimbra >/dev/null 2>&1 < /dev/null &
  echo "Nimbra is installed. Open Files and right-click a folder's background or a file."
else
  echo "Nimbra is installed; no graphical session here, so these are the menus of $here:"
  for kind in container items; do
    echo "== $kind"
    nimbra-menu "$kind" --target "$here" --select "$here"
  done
fi
