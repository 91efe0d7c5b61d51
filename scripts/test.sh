#!/usr/bin/env bash
# Builds Крепостан and runs every test: once in an optimised build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then fuzzes the save decoder for a short
# while. Needs no display (Qt runs offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test

echo "== Code style =="
bash scripts/check_format.sh

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/krepostan-runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
jobs="$(nproc)"

echo "== Build and test (optimised) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKREPOSTAN_WERROR=ON \
  -DKREPOSTAN_TESTS=ON -DKREPOSTAN_BENCH=ON -DKREPOSTAN_FUZZ=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Build and test (AddressSanitizer + UndefinedBehaviorSanitizer) =="
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKREPOSTAN_SANITIZE=ON \
  -DKREPOSTAN_BENCH=OFF -DKREPOSTAN_WERROR=ON -DKREPOSTAN_FUZZ=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
export UBSAN_OPTIONS=print_stacktrace=1
# Leaks are checked in the model tests, which link no Qt; Qt's own libraries keep caches
# alive until exit, so the window tests run without the leak check.
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -R '^model\.'
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -R '^ui\.'

# The optimised build's tests ran the fuzz target over its stored corpus; here it looks for
# new inputs for a bounded time, in a scratch folder so that the stored corpus stays as it is.
if [ -x build/fuzz/save_fuzz ]; then
  echo "== Save decoder fuzzing (20 s) =="
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  build/fuzz/save_fuzz -max_total_time=20 -print_final_stats=1 -artifact_prefix=build/fuzz/ \
    "$scratch" tests/fuzz/corpus
fi
