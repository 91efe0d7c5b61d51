#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/ afresh from the game's own windows, on Qt's
# offscreen platform with a 1280 × 800 screen: the main menu, the briefing and a built-up base.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
echo "Building the screenshot taker…"
cmake --build build --target take_screenshots -j"$(nproc)" >build/screenshots-build.log 2>&1 ||
  { tail -n 40 build/screenshots-build.log >&2; exit 1; }

screen="$(mktemp --suffix=.json)"
trap 'rm -f "$screen"' EXIT
echo '{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1280, "height": 800,
  "logicalDpi": 96, "dpr": 1 } ] }' >"$screen"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/krepostan-runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
mkdir -p docs/screenshots
QT_QPA_PLATFORM="offscreen:configfile=$screen" build/tools/take_screenshots docs/screenshots
