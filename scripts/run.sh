#!/usr/bin/env bash
# The main job: builds the Debian packages, installs nimbra and the package of every
# file manager installed here with apt (which pulls in what they need to run),
# restarts those file managers so that they load their modules and opens the app.
# Without a graphical session it prints the menus of the current folder instead.
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)

scripts/install-deps.sh >&2
cmake --preset default >&2
hosts=(nautilus nemo caja thunar dolphin)
cmake --build --preset default --target nimbra-menu nimbra-defaults nimbra-zip "${hosts[@]/#/nimbra-}" nimbra \
  nimbra_extension_resources nimbra_packaging_files >&2
# A fresh folder, so the packages in it are this build's, not an older version's.
rm -rf build/default/package
(cd build/default && cpack -B package) >&2
debs=(build/default/package/nimbra_*_amd64.deb)
installed=()
for host in "${hosts[@]}"; do
  if command -v "$host" >/dev/null; then
    installed+=("$host")
    debs+=(build/default/package/nimbra-"$host"_*_amd64.deb)
  fi
done
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --reinstall "${debs[@]/#/./}" >&2

if [[ -n ${WAYLAND_DISPLAY:-}${DISPLAY:-} ]] && ((${#installed[@]})); then
  # A file manager loads its modules when it starts; it starts again on the next use.
  for host in "${installed[@]}"; do "$host" -q 2>/dev/null || true; done
  setsid nimbra >/dev/null 2>&1 < /dev/null &
  echo "Nimbra is installed for ${installed[*]}. Open the file manager and right-click a folder's background or a file."
else
  echo "Nimbra is installed; no graphical session here, so these are the menus of $here:"
  for kind in container items; do
    echo "== $kind"
    nimbra-menu "$kind" --target "$here" --select "$here"
  done
fi
