#!/usr/bin/env bash
# Builds nimbra-menu and prints the menus for the current folder.
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
scripts/install-deps.sh >&2
cmake --preset default >&2
cmake --build --preset default --target nimbra-menu >&2
for kind in container items toolbar sidebar; do
  echo "== $kind"
  build/default/bin/nimbra-menu "$kind" --target "$here" --select "$here"
done
