#!/usr/bin/env bash
# Start-up of the whole program under Xvfb at 1920 × 1080: from the process's start to its
# first window shown, the game's main menu against a bare Qt window (bench/bare_window.cpp),
# the median of several runs each, and their ratio (budget 1.25). Needs the benchmarks
# built (scripts/bench.sh) and Xvfb (scripts/deps.sh installs it).
#   bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
game=build/bin/krepostan
bare=build/bench/bare_window
for program in "$game" "$bare"; do
  [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 1; }
done

display=":$((90 + RANDOM % 400))"
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/krepostan-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_LOGGING_RULES="qt.multimedia*=false"

# Milliseconds from the start of the program to its window mapped and viewable. The window
# is found by its class, the program's name.
first_window_ms() {
  local program="$1" class
  class="$(basename "$program")"
  local start
  start="$(date +%s%N)"
  "$program" >/dev/null 2>&1 &
  local pid=$!
  local id=""
  while :; do
    id="$(xwininfo -root -tree 2>/dev/null | awk -v c="(\"$class\"" 'index($0, c) {print $1; exit}')"
    if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then break; fi
    if ! kill -0 "$pid" 2>/dev/null; then echo "startup.sh: $program ended" >&2; exit 1; fi
  done
  local end
  end="$(date +%s%N)"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

first_window_ms "$bare" >/dev/null  # the first run fills the disk cache
gm=(); bm=()
for _ in $(seq "$runs"); do
  bm+=("$(first_window_ms "$bare")")
  gm+=("$(first_window_ms "$game")")
done
b="$(printf '%s\n' "${bm[@]}" | median)"
g="$(printf '%s\n' "${gm[@]}" | median)"
echo "bare Qt window: ${b} ms (runs: ${bm[*]})"
echo "main menu:      ${g} ms (runs: ${gm[*]})"
awk -v g="$g" -v b="$b" 'BEGIN {printf "main menu / bare window: %.2f (budget 1.25)\n", g / b}'
