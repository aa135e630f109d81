#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  libglib2.0-dev shared-mime-info
  libsqlite3-dev
  libarchive-dev libarchive-tools zlib1g-dev libdeflate-dev
  libnautilus-extension-dev libnemo-extension-dev libcaja-extension-dev libthunarx-3-dev
  libkf5kio-dev qt6-5compat-dev
  qt6-base-dev libqt6svg6 libssl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  desktop-file-utils
  librsvg2-bin dpkg-dev file lintian appstream
  dbus dbus-daemon zip unzip python3 p7zip-full
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
