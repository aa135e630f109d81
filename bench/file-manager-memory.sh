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
source scripts/lib/file-manager-session.sh
nautilus_enter_namespace "$@"
host=${1:-}
gtk3_host "$host"
# Where the one file of the folder shown lies.
file_at=(245 155)
[[ $host == thunar ]] && file_at=(212 145)
[[ $host == dolphin ]] && file_at=(324 187)

gtk3_build_module "$host"
with=$(mktemp -d) without=$(mktemp -d)
ln -s "$module" "$with/"
trap 'gtk3_session_stop; rm -rf "$with" "$without"' EXIT

measure() {  # MODULES: prints "rss_kb pss_kb"
  nautilus_session_prepare
  mkdir -p "$HOME/Projects"
  printf 'Quarterly figures\n' >"$HOME/Projects/report.txt"
  gtk3_session_start "$1" "$HOME/Projects"
  nautilus_click 3 600 400; xdotool key Escape; sleep 0.5
  nautilus_click 1 "${file_at[@]}"; nautilus_click 3 "${file_at[@]}"; xdotool key Escape
  sleep 3
  local rss pss
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$fm_pid/status")
  pss=$(awk '/^Pss:/ {print $2}' "/proc/$fm_pid/smaps_rollup")
  gtk3_session_stop
  echo "$rss $pss"
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
rss_without=() pss_without=() rss_with=() pss_with=()
for run in 1 2 3; do
  read -r r p < <(measure "$without"); rss_without+=("$r"); pss_without+=("$p")
  read -r r p < <(measure "$with"); rss_with+=("$r"); pss_with+=("$p")
  echo "run $run: without module RSS ${rss_without[-1]} kB, Pss ${pss_without[-1]} kB; with it RSS ${rss_with[-1]} kB, Pss ${pss_with[-1]} kB"
done
rw=$(printf '%s\n' "${rss_without[@]}" | median) rm=$(printf '%s\n' "${rss_with[@]}" | median)
pw=$(printf '%s\n' "${pss_without[@]}" | median) pm=$(printf '%s\n' "${pss_with[@]}" | median)
echo "median RSS: $rw kB without, $rm kB with: +$(( (rm - rw) )) kB"
echo "median Pss: $pw kB without, $pm kB with: +$(( (pm - pw) )) kB"
