#!/usr/bin/env bash
# Fuzzes the save decoder for as long as asked: scripts/fuzz.sh [SECONDS] (default 600).
# Inputs it finds are kept in build/fuzz/found and reused by the next run; a crashing input
# is written to build/fuzz/crash-* and, once mended, belongs in tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-600}"
case "$seconds" in
  '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKREPOSTAN_FUZZ=ON >/dev/null
cmake --build build --target save_fuzz -j"$(nproc)"
if [ ! -x build/fuzz/save_fuzz ]; then
  echo "error: the fuzz target was not built (clang++ with libFuzzer is missing)" >&2
  exit 1
fi
mkdir -p build/fuzz/found
exec build/fuzz/save_fuzz -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build/fuzz/ build/fuzz/found tests/fuzz/corpus
