#!/usr/bin/env bash
# What the module adds to Nemo's, Caja's, Thunar's or Dolphin's memory, as bench/nautilus-memory.sh
# measures it for Nautilus: the real file manager under Xvfb (private HOME, session
# bus and extension folder), once without any module and once with ours, each
# showing a folder and then the background and file menus (so our caches and
# warm-up are in), three runs each, interleaved. Prints the resident size (VmRSS)
# and the proportional set size (Pss) of each run and the median difference.
#   bench/file-manager-memory.sh nemo|caja|thunar|dolphin     (needs root, Xvfb, xdotool; builds the module)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/memory-runs.sh
source scripts/lib/file-manager-session.sh
nautilus_enter_namespace "$@"
host=${1:-}
fm_host "$host"
# Where the one file of the folder shown lies.
file_at=(245 155)
[[ $host == thunar ]] && file_at=(212 145)
[[ $host == dolphin ]] && file_at=(324 187)

fm_build_module "$host"
with=$(mktemp -d) without=$(mktemp -d)
ln -s "$module" "$with/"
trap 'fm_session_stop; rm -rf "$with" "$without"' EXIT

measure() {  # MODULES: prints "rss_kb pss_kb"
  nautilus_session_prepare
  mkdir -p "$HOME/Projects"
  printf 'Quarterly figures\n' >"$HOME/Projects/report.txt"
  fm_session_start "$1" "$HOME/Projects"
  nautilus_click 3 600 400; xdotool key Escape; sleep 0.5
  nautilus_click 1 "${file_at[@]}"; nautilus_click 3 "${file_at[@]}"; xdotool key Escape
  sleep 3
  local memory
  memory=$(process_memory "$fm_pid")
  # Stopped before it says: the next run starts once it has.
  fm_session_stop
  echo "$memory"
}

compare_memory measure "$without" "$with"
