#!/usr/bin/env bash
# Fresh machine to green: installs what is needed, builds and runs every test, once
# plainly and once under AddressSanitizer + UndefinedBehaviorSanitizer; then the
# tests that start threads under ThreadSanitizer, and every fuzz target for
# NIMBRA_FUZZ_SECONDS each (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in default asan tsan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
cmake --preset fuzz
cmake --build --preset fuzz
fuzz/run.sh "${NIMBRA_FUZZ_SECONDS:-60}"
