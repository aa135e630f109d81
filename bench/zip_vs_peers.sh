#!/usr/bin/env bash
# nimbra-zip side by side with Info-ZIP `zip -r -q -y` (level 6), bsdtar writing zip and
# 7-Zip (`7z a -tzip -mmt=on -snl`), on one generated mixed tree (text, binaries,
# already-compressed files, a folder of 20,000 small files, symbolic links, non-ASCII
# names; about 340 MB). Each tool runs several times, interleaved with the others in the
# same session; the table gives the median wall time, the CPU time (user + system) of
# that run, the archive size, max RSS and nimbra-zip's time and size as a ratio of each
# peer's (below 1: nimbra-zip is faster or smaller). A second table measures peak
# memory for two input sizes; --big-file times one 2 GiB file of mixed content.
# The machine's load average is printed before and after: rerun when it is high.
#
# usage: bench/zip_vs_peers.sh [--runs N] [--per-folder] [--big-file] [--data DIR]
#   --per-folder  also compare on each top-level folder of the tree on its own
#   --big-file    also compare nimbra-zip and zip on one 2 GiB file (needs 2 GiB of disk)
#   --data DIR    where the tree and the archives go (default build/bench-data; never committed)
# NIMBRA_ZIP overrides the binary (default build/default/bin/nimbra-zip). 7z comes from
# the p7zip-full package, which scripts/install-deps.sh installs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
nimbra=${NIMBRA_ZIP:-$root/build/default/bin/nimbra-zip}
data=$root/build/bench-data
runs=3
per_folder=0
big_file=0
while (($#)); do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --per-folder) per_folder=1; shift ;;
    --big-file) big_file=1; shift ;;
    --data) data=$2; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--per-folder] [--big-file] [--data DIR]" >&2; exit 2 ;;
  esac
done
tools=(nimbra-zip zip bsdtar 7z)
for tool in "$nimbra" zip bsdtar 7z python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (build nimbra-zip; run scripts/install-deps.sh)" >&2; exit 1; }
done

tree=$data/tree
out=$data/out
mkdir -p "$data" "$out"

# --- The tree: built once from files every Debian system has, plus seeded random data.
tree_version=2
if [[ $(cat "$tree/.complete" 2>/dev/null) != "$tree_version" ]]; then
  echo "generating $tree ..." >&2
  rm -rf "$tree"
  python3 - "$tree" <<'PY'
import gzip, os, random, sys

tree = sys.argv[1]
rng = random.Random(20240601)
MiB = 1 << 20

def files_under(*roots):
    for top in roots:
        for folder, dirs, names in os.walk(top):
            dirs.sort()
            for name in sorted(names):
                path = os.path.join(folder, name)
                if os.path.isfile(path) and not os.path.islink(path):
                    yield path

def text_files():
    for path in files_under("/usr/include", "/usr/share/perl5", "/usr/share/doc", "/usr/lib/python3"):
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError:
            continue
        if data and b"\0" not in data[:4096] and not data.startswith(b"\x1f\x8b"):
            yield data

def elf_files():
    for path in files_under("/usr/lib/x86_64-linux-gnu", "/usr/lib", "/usr/bin"):
        try:
            with open(path, "rb") as f:
                if f.read(4) != b"\x7fELF":
                    continue
                f.seek(0)
                yield os.path.basename(path), f.read()
        except OSError:
            continue

def make(folder):
    path = os.path.join(tree, folder)
    os.makedirs(path)
    return path

# text/: 48 files of 2 MiB of source code and documentation.
texts = text_files()
corpus = bytearray()
folder = make("text")
for i in range(48):
    while len(corpus) < 2 * MiB:
        corpus += next(texts)
    open(os.path.join(folder, f"part-{i:02}.txt"), "wb").write(corpus[:2 * MiB])
    del corpus[:2 * MiB]

# bin/: 96 MiB of shared libraries and programs, as they are.
folder = make("bin")
elves = elf_files()
total, names = 0, set()
spare = []
while total < 96 * MiB:
    name, data = next(elves)
    if name in names:
        continue
    names.add(name)
    open(os.path.join(folder, name), "wb").write(data)
    total += len(data)
# compressed/: gzip output of other binaries (~30 MiB) and random "media" (32 MiB).
folder = make("compressed")
chunk = bytearray()
for i in range(40):
    while len(chunk) < 2 * MiB:
        name, data = next(elves)
        chunk += data
    open(os.path.join(folder, f"archive-{i:02}.gz"), "wb").write(gzip.compress(bytes(chunk[:2 * MiB]), 6))
    del chunk[:2 * MiB]
for i in range(8):
    open(os.path.join(folder, f"media-{i}.bin"), "wb").write(rng.randbytes(4 * MiB))

# small/: 20,000 files of 200 bytes to 6 KB cut from more text.
folder = make("small")
pool = bytearray()
while len(pool) < 8 * MiB:
    pool += next(texts)
for i in range(20000):
    size = rng.randint(200, 6000)
    start = rng.randrange(0, len(pool) - size)
    open(os.path.join(folder, f"note-{i:05}.txt"), "wb").write(pool[start:start + size])

# names/: 300 small files under non-ASCII names, and 100 symbolic links into the tree.
folder = make("names")
words = ["Résumé", "Ünïcødé", "履歴書", "Ελληνικά", "Кириллица", "naïve café", "日本語", "emoji ✓"]
for i in range(300):
    start = rng.randrange(0, len(pool) - 4000)
    name = f"{words[i % len(words)]} {i:03}.txt"
    open(os.path.join(folder, name), "wb").write(pool[start:start + rng.randint(100, 4000)])
for i in range(100):
    target = f"../small/note-{rng.randrange(20000):05}.txt" if i % 2 else f"{words[i % len(words)]} {i:03}.txt"
    os.symlink(target, os.path.join(folder, f"link {i:03}"))
PY
  echo "$tree_version" >"$tree/.complete"
fi
mapfile -t top < <(cd "$tree" && ls -1)

# Warm the page cache so every tool reads from memory.
find "$tree" -type f -print0 | xargs -0 cat >/dev/null

# Runs one tool on one source (a folder, or a single file): prints
# "seconds maxrss_kb cpu_seconds size_bytes".
measure() {
  local tool=$1 src=$2 archive=$out/$1.zip timing=$out/$1.time format="%e %M %U %S"
  local folder=$src items=(.)
  [[ -d $src ]] || { folder=$(dirname "$src"); items=("$(basename "$src")"); }
  rm -f "$archive"
  case $tool in
    nimbra-zip)
      /usr/bin/time -f "$format" -o "$timing" "$nimbra" -c -k --norsrc --noextattr --noqtn --noacl "$src" "$archive" ;;
    zip)
      (cd "$folder" && /usr/bin/time -f "$format" -o "$timing" zip -r -q -y "$archive" "${items[@]}") ;;
    bsdtar)
      [[ -d $src ]] && mapfile -t items < <(cd "$src" && ls -1A)
      /usr/bin/time -f "$format" -o "$timing" bsdtar --format zip -cf "$archive" -C "$folder" "${items[@]}" ;;
    7z)
      (cd "$folder" && /usr/bin/time -f "$format" -o "$timing" 7z a -tzip -mmt=on -snl -bd "$archive" "${items[@]}" >/dev/null) ;;
  esac
  echo "$(awk '{ print $1, $2, $3 + $4 }' "$timing") $(stat -c %s "$archive")"
  rm -f "$archive"
}

calc() { awk "BEGIN { print $1 }"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Compares the tools on one source folder, interleaving their runs.
compare() {
  local label=$1 src=$2 results=$out/results.txt
  shift 2
  local compared=("$@")
  : >"$results"
  for ((run = 1; run <= runs; run++)); do
    for tool in "${compared[@]}"; do
      echo "$tool $(measure "$tool" "$src")" >>"$results"
    done
  done
  local files bytes
  files=$(find "$src" -type f | wc -l)
  bytes=$(du -sb "$src" | cut -f1)
  printf '\n%s: %s files, %.1f MB, %d runs each\n' "$label" "$files" "$(calc "$bytes / 1000000")" "$runs"
  printf '%-11s %9s %15s %8s %11s %9s %10s %10s\n' tool "median s" "min-max s" "CPU s" "size MB" "RSS MB" \
    "time nz/x" "size nz/x"
  local nz_time nz_size
  nz_time=$(awk '$1 == "nimbra-zip" { print $2 }' "$results" | median)
  nz_size=$(awk '$1 == "nimbra-zip" { print $5 }' "$results" | median)
  for tool in "${compared[@]}"; do
    local t lo hi size rss cpu
    t=$(awk -v k="$tool" '$1 == k { print $2 }' "$results" | median)
    lo=$(awk -v k="$tool" '$1 == k { print $2 }' "$results" | sort -g | head -1)
    hi=$(awk -v k="$tool" '$1 == k { print $2 }' "$results" | sort -g | tail -1)
    cpu=$(awk -v k="$tool" '$1 == k { print $4 }' "$results" | median)
    size=$(awk -v k="$tool" '$1 == k { print $5 }' "$results" | median)
    rss=$(awk -v k="$tool" '$1 == k { print $3 }' "$results" | sort -g | tail -1)
    printf '%-11s %9.2f %15s %8.2f %11.2f %9.1f %10.3f %10.4f\n' "$tool" "$t" "$lo-$hi" "$cpu" \
      "$(calc "$size / 1000000")" "$(calc "$rss / 1024")" \
      "$(calc "$nz_time / $t")" "$(calc "$nz_size / $size")"
  done
}

echo "nimbra-zip: $nimbra"
echo "zip: $(zip -v | sed -n 2p)"
echo "bsdtar: $(bsdtar --version)"
echo "7z: $(7z i | sed -n 2p)"
echo "cores: $(nproc); load before: $(cut -d' ' -f1-3 /proc/loadavg)"
compare "whole tree" "$tree" "${tools[@]}"
if ((per_folder)); then
  for folder in "${top[@]}"; do compare "$folder/" "$tree/$folder" "${tools[@]}"; done
fi

# --- Peak memory for two input sizes: the text folder once (100 MB), and ten hard-linked
# copies of it (1 GB; the entry count stays in the hundreds).
mem=$data/memory
if [[ $(cat "$mem/.complete" 2>/dev/null) != "$tree_version" ]]; then
  rm -rf "$mem"
  mkdir -p "$mem/x1" "$mem/x10"
  cp -al "$tree/text" "$mem/x1/text"
  for i in $(seq 1 10); do cp -al "$tree/text" "$mem/x10/text-$i"; done
  echo "$tree_version" >"$mem/.complete"
fi
printf '\npeak memory (max RSS) against input size\n'
printf '%-11s %12s %12s %12s %12s\n' tool input "max RSS MB" "time s" "CPU s"
for input in x1 x10; do
  for tool in nimbra-zip zip; do
    read -r seconds rss cpu _ < <(measure "$tool" "$mem/$input")
    printf '%-11s %9.0f MB %12.1f %12.2f %12.2f\n' "$tool" "$(calc "$(du -sbl "$mem/$input" | cut -f1) / 1000000")" \
      "$(calc "$rss / 1024")" "$seconds" "$cpu"
  done
done

# --- One 2 GiB file of mixed content (the tree's text, binaries and compressed files in
# turn): both cores work on it when CPU time is near twice the wall time.
if ((big_file)); then
  big=$data/big/mixed.bin
  if [[ ! -f $big ]]; then
    mkdir -p "$(dirname "$big")"
    python3 - "$tree" "$big" <<'PY'
import itertools, os, sys
tree, big = sys.argv[1], sys.argv[2]
sources = [sorted(os.path.join(tree, f, n) for n in os.listdir(os.path.join(tree, f))) for f in ("text", "bin", "compressed")]
size, limit = 0, 2 << 30
with open(big + ".part", "wb") as out:
    for paths in zip(*(itertools.cycle(s) for s in sources)):
        for path in paths:
            data = open(path, "rb").read()[: limit - size]
            out.write(data)
            size += len(data)
        if size >= limit:
            break
os.rename(big + ".part", big)
PY
  fi
  cat "$big" >/dev/null
  compare "one file" "$big" nimbra-zip zip
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
