#!/usr/bin/env bash
# Builds Крепостан (only the game and its sound cues; scripts/test.sh builds everything)
# and starts it. Needs a graphical desktop (X11 or Wayland).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh play
# A fresh build folder is set up for the game alone: the tests and benchmarks need the test
# command's packages. One that scripts/test.sh has set up keeps its choice.
if [ -f build/CMakeCache.txt ]; then
  cmake -S . -B build >/dev/null
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKREPOSTAN_TESTS=OFF \
    -DKREPOSTAN_BENCH=OFF -DKREPOSTAN_FUZZ=OFF >/dev/null
fi
echo "Building the game and its sound cues into build/bin/ (the compiler's output goes to build/run-build.log)…"
if ! cmake --build build --target krepostan -j"$(nproc)" >build/run-build.log 2>&1; then
  tail -n 40 build/run-build.log >&2
  echo "The build failed; its whole output is in build/run-build.log." >&2
  exit 1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Крепостан needs a graphical display: no X11 (DISPLAY) or Wayland (WAYLAND_DISPLAY) session was found." >&2
  echo "Run this command from a desktop session; the game has been built in build/bin/." >&2
  exit 1
fi
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/krepostan-runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
exec build/bin/krepostan "$@"
