#!/usr/bin/env bash
# What the module adds to Nautilus's memory: real Nautilus under Xvfb (private HOME,
# session bus and extension folder), once without any module and once with ours,
# each showing a folder and then the background and file menus (so our caches and
# warm-up are in), three runs each, interleaved. Prints the resident size (VmRSS)
# and the proportional set size (Pss) of each run and the median difference.
#   bench/nautilus-memory.sh          (needs root, Xvfb, xdotool; builds the module)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/memory-runs.sh
source scripts/lib/nautilus-session.sh
nautilus_enter_namespace "$@"

nautilus_build_module
with=$(mktemp -d) without=$(mktemp -d)
ln -s "$PWD/build/default/lib/libnimbra-nautilus.so" "$with/"
trap 'rm -rf "$with" "$without"' EXIT

measure() {  # MODULES: prints "rss_kb pss_kb"
  nautilus_session_prepare
  mkdir -p "$HOME/Projects/Website"
  printf 'Quarterly figures\n' >"$HOME/Projects/report.txt"
  nautilus_session_start "$1" "$HOME/Projects"
  nautilus_click 3 600 400; xdotool key Escape; sleep 0.5
  nautilus_click 1 336 125; nautilus_click 3 336 125; xdotool key Escape
  sleep 3
  local memory
  memory=$(process_memory "$nautilus_pid")
  # Stopped before it says: the next run starts once it has.
  nautilus_session_stop
  echo "$memory"
}

compare_memory measure "$without" "$with"
