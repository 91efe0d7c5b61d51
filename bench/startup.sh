#!/usr/bin/env bash
# Start-up of the whole program at 1920 × 1080, on X (Xvfb) and natively on Wayland (Weston
# with its X11 backend and pixman renderer on Xvfb): from the process's start to its first
# pixels on the X server's screen, the game's main menu against a bare Qt full-screen window
# (bench/bare_window.cpp), the median of several runs each, interleaved, and their ratio on
# each desktop (budget 1.0). The first pixels on the screen must be the main menu: each
# desktop's first frame of the game is kept and its menu checked (bench/x11/first_pixels.cpp).
# Needs the benchmarks built (scripts/bench.sh) and Xvfb and Weston (scripts/deps.sh).
#   bench/startup.sh [RUNS] [PROGRAM]
# PROGRAM is the game to time (build/bin/krepostan).
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
game="${2:-build/bin/krepostan}"
bare=build/bench/bare_window
pixels=build/bench/first_pixels
for program in "$game" "$bare" "$pixels"; do
  [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 1; }
done

scratch="$(mktemp -d)"
chmod 700 "$scratch"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a display number no other server holds and says which on fd 3; the script goes
# on only once that server takes a client. Its root is white: a window that comes up black
# changes the screen as much as one that comes up drawn.
Xvfb -displayfd 3 -wr -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do grep -q . "$scratch/display" 2>/dev/null && break; sleep 0.05; done
display=":$(head -n 1 "$scratch/display")"
[ "$display" != ":" ] && DISPLAY="$display" xwininfo -root >/dev/null 2>&1 ||
  { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY="$display"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LOGGING_RULES="qt.multimedia*=false"

# Tenths of a millisecond from the start of the program to its first pixels on the X
# server's screen, as a client reading the screen back sees them (bench/x11/first_pixels.cpp):
# what a program says of its own first frame does not count. $1: the platform (xcb, wayland),
# $2: the program, $3: where to keep the first frame, if anywhere.
first_frame_tenths() {
  local platform="$1" program="$2" shot="${3:-}" tenths
  local run=(env QT_QPA_PLATFORM="$platform")
  [ "$platform" = wayland ] && run=(env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket")
  tenths="$("$pixels" ${shot:+--shot "$shot"} "${run[@]}" "$program" 2>/dev/null)" ||
    { echo "startup.sh: $program put nothing on the screen ($platform)" >&2; exit 1; }
  # The server takes some milliseconds to clear away the window of the program that ended (a
  # whole screen of it for the bare window): the next program starts on a quiet server.
  sleep 0.1
  echo "$tenths"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ms() { awk '{for (i = 1; i <= NF; i++) printf "%s%.1f", (i > 1 ? " " : ""), $i / 10; print ""}'; }

# Both programs in turn on one desktop, the game's first frame kept in $2.
measure() {
  local platform="$1" shot="$2"
  first_frame_tenths "$platform" "$bare" >/dev/null # the first runs fill the disk cache
  first_frame_tenths "$platform" "$game" "$shot" >/dev/null
  local gm=() bm=()
  for _ in $(seq "$runs"); do
    bm+=("$(first_frame_tenths "$platform" "$bare")")
    gm+=("$(first_frame_tenths "$platform" "$game")")
  done
  local b g
  b="$(printf '%s\n' "${bm[@]}" | median)"
  g="$(printf '%s\n' "${gm[@]}" | median)"
  echo "$2: bare Qt window: $(ms <<<"$b") ms (runs: $(ms <<<"${bm[*]}"))"
  echo "$2: main menu:      $(ms <<<"$g") ms (runs: $(ms <<<"${gm[*]}"))"
  awk -v g="$g" -v b="$b" -v d="$2" \
    'BEGIN {printf "%s: main menu / bare window: %.2f (budget 1.0)\n", d, g / b}'
}

shots="${STARTUP_SHOTS:-build/bench}"
measure xcb "$shots/first-frame-x.png" | sed 's|^[^:]*/first-frame-x.png|X|'

# Weston on the same X server, its output covering the screen; the programs natively on it.
socket=krepostan-startup
printf '[core]\nidle-time=0\n[shell]\nlocking=false\nanimation=none\nstartup-animation=none\n[input-method]\npath=\n' \
  >"$scratch/weston.ini"
weston --backend=x11-backend.so --use-pixman --width=1920 --height=1080 --socket="$socket" \
  --idle-time=0 --config="$scratch/weston.ini" >"$scratch/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.05; done
if [ ! -S "$XDG_RUNTIME_DIR/$socket" ]; then
  echo "Wayland: skipped, Weston did not start: $(tail -n 1 "$scratch/weston.log")"
  exit 0
fi
sleep 1 # its shell draws the desktop
measure wayland "$shots/first-frame-wayland.png" | sed 's|^[^:]*/first-frame-wayland.png|Wayland|'
echo "the game's first frames: $shots/first-frame-x.png, $shots/first-frame-wayland.png"
