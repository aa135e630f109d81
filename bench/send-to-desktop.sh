#!/usr/bin/env bash
# Send to Desktop of a mixed tree (text, binaries, already-compressed files and a
# folder of 20,000 small files, about 300 MB) against cp -r and cp -a, warm cache,
# median of several runs. The tree is generated once in the work folder (default
# bench/work, not committed); a tmpfs such as /dev/shm/nimbra-bench takes the disk's
# write-back out of the figures.
# Usage: bench/send-to-desktop.sh [runs] [work folder]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
work=${2:-bench/work}
tree=$work/tree
desktop=$work/Desktop
tool=build/default/bin/send-to-copy

cmake --build --preset default --target send-to-copy >/dev/null

if [[ ! -e $tree/.complete ]]; then
  echo "generating $tree ..."
  rm -rf "$tree"
  mkdir -p "$tree/text" "$tree/binaries" "$tree/compressed" "$tree/many small files"
  for i in $(seq 1 40); do
    base64 -w 76 < <(head -c 1000000 /dev/urandom) | tr '+/' ' \n' > "$tree/text/notes $i.txt"
  done
  for i in $(seq 1 10); do head -c 10000000 /dev/urandom > "$tree/binaries/blob $i.bin"; done
  for i in $(seq 1 20); do gzip -c "$tree/text/notes $i.txt" > "$tree/compressed/archive $i.gz"; done
  for i in $(seq 1 12); do head -c 4000000 /dev/urandom > "$tree/compressed/photo $i.jpg"; done
  python3 - "$tree/many small files" <<'PY'
import os, sys
folder = sys.argv[1]
for i in range(20000):
    with open(os.path.join(folder, f"file {i:05}.txt"), "wb") as f:
        f.write(os.urandom(512 + (i * 37) % 3500))
PY
  ln -s "text/notes 1.txt" "$tree/link to notes"
  touch "$tree/.complete"
fi
echo "tree: $(du -sh --apparent-size "$tree" | cut -f1), $(find "$tree" | wc -l) entries"

time_of() {  # prints the seconds one command takes
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

declare -A results
cat "$(find "$tree" -type f | head -1)" >/dev/null
for ((run = 1; run <= runs; run++)); do
  for method in nimbra "cp -r" "cp -a"; do
    rm -rf "$desktop"
    mkdir -p "$desktop"
    sync
    case $method in
      nimbra) t=$(time_of "$tool" "$desktop" "$tree") ;;
      "cp -r") t=$(time_of cp -r "$tree" "$desktop/tree") ;;
      "cp -a") t=$(time_of cp -a "$tree" "$desktop/tree") ;;
    esac
    results[$method]+="$t "
  done
done
diff -r "$tree" "$desktop/tree" >/dev/null && echo "copies identical"
"$tool" "$desktop" "$tree" >/dev/null 2>&1
diff -r "$tree" "$desktop/tree 2" >/dev/null && echo "nimbra copy identical (as \"tree 2\")"
rm -rf "$desktop"
for method in nimbra "cp -r" "cp -a"; do
  printf '%-8s median %6.3f s   runs: %s\n' "$method" "$(tr ' ' '\n' <<<"${results[$method]}" | grep . | median)" "${results[$method]}"
done
