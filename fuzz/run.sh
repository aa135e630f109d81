#!/usr/bin/env bash
# Runs every fuzz target of the fuzz build for SECONDS each (default 60), starting
# from its seed corpus and, where it has one, its dictionary (fuzz/<target>.dict),
# and prints how many inputs each ran. What a run finds new stays in a scratch
# folder; an input that breaks a promise is kept as build/fuzz/<target>-crash-* and
# fails the run.
#   fuzz/run.sh [SECONDS]      (after cmake --preset fuzz && cmake --build --preset fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for program in build/fuzz/bin/nimbra_fuzz_*; do
  name=${program##*/nimbra_fuzz_}
  mkdir -p "$scratch/$name"
  dictionary=()
  [ -f "fuzz/$name.dict" ] && dictionary=(-dict="fuzz/$name.dict")
  if ! "$program" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build/fuzz/$name-" "${dictionary[@]}" \
      "$scratch/$name" "fuzz/corpus/$name" >"$scratch/$name.log" 2>&1; then
    tail -40 "$scratch/$name.log"
    echo "$name: broke a promise; the input is in build/fuzz/$name-crash-*" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$name.log")
  echo "$name: $runs inputs in ${seconds} s, none broke a promise"
done
