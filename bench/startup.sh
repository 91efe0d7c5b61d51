#!/usr/bin/env bash
# Start-up of the whole program under Xvfb at 1920 × 1080: from the process's start to its
# first pixels on the X server's screen, the game's main menu against a bare Qt window
# (bench/bare_window.cpp), the median of several runs each, and their ratio (budget 1.25).
# Needs the benchmarks built (scripts/bench.sh) and Xvfb (scripts/deps.sh installs it).
#   bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
game=build/bin/krepostan
bare=build/bench/bare_window
pixels=build/bench/first_pixels
for program in "$game" "$bare" "$pixels"; do
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

# Tenths of a millisecond from the start of the program to its first pixels on the X
# server's screen, as a client reading the screen back sees them (bench/x11/first_pixels.cpp):
# what a program says of its own first frame does not count.
first_frame_tenths() {
  local program="$1"
  local tenths
  tenths="$(QT_LOGGING_RULES="qt.multimedia*=false" "$pixels" "$program" 2>/dev/null)" ||
    { echo "startup.sh: $program put nothing on the screen" >&2; exit 1; }
  # The X server takes some milliseconds to clear away the window of the program that
  # ended (a whole screen of it for the bare window): the next program starts on a quiet
  # server, not one sharing the processor with that.
  sleep 0.1
  echo "$tenths"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ms() { awk '{for (i = 1; i <= NF; i++) printf "%s%.1f", (i > 1 ? " " : ""), $i / 10; print ""}'; }

bare_frame() { first_frame_tenths "$bare"; }
game_frame() { first_frame_tenths "$game"; }
bare_frame >/dev/null  # the first runs fill the disk cache
game_frame >/dev/null
gm=(); bm=()
for _ in $(seq "$runs"); do
  bm+=("$(bare_frame)")
  gm+=("$(game_frame)")
done
b="$(printf '%s\n' "${bm[@]}" | median)"
g="$(printf '%s\n' "${gm[@]}" | median)"
echo "bare Qt window: $(ms <<<"$b") ms (runs: $(ms <<<"${bm[*]}"))"
echo "main menu:      $(ms <<<"$g") ms (runs: $(ms <<<"${gm[*]}"))"
awk -v g="$g" -v b="$b" 'BEGIN {printf "main menu / bare window: %.2f (budget 1.25)\n", g / b}'
