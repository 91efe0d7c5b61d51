#!/usr/bin/env bash
# Builds the benchmarks optimised (RelWithDebInfo) and runs them, each figure beside its
# budget. The machine's load is printed first: on a busy machine trust the ratios (measured
# in one process and run) more than the absolute times.
#   scripts/bench.sh [IDLE_SECONDS] [X_IDLE_SECONDS]
# IDLE_SECONDS: real time per idle stretch of the budget benchmark (10); X_IDLE_SECONDS: the
# same for the real program under Xvfb (20).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/krepostan-runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
export QT_LOGGING_RULES="qt.multimedia*=false"
idle="${1:-10}"
x_idle="${2:-20}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target frame_bench simulation_bench budget_bench \
  bare_window idle_under_x krepostan cue_latency

echo "== Load: $(uptime)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
build/bench/frame_bench --benchmark_format=json --benchmark_out="$out/frame.json" >/dev/null
build/bench/simulation_bench --benchmark_format=json --benchmark_out="$out/sim.json" >/dev/null
# Offscreen on a 1920 × 1080 screen of its own: the benchmark sets it up.
env -u QT_QPA_PLATFORM build/bench/budget_bench --idle_seconds="$idle" \
  --benchmark_format=json --benchmark_out="$out/budget.json" >"$out/budget.txt"

python3 - "$out" <<'PY'
import json, sys, os
out = sys.argv[1]
def runs(name):
    return json.load(open(os.path.join(out, name)))["benchmarks"]
def row(what, figure, budget):
    print(f"  {what:<58} {figure:>16}   {budget}")

print("== Frame at 1920 × 1080 (frame and blit timed in the same process and run)")
for b in runs("frame.json"):
    if "frame_per_blit" in b:
        budget = "budget 1.5 blits" if b["name"].startswith("BM_BattlefieldFrame/") else "(no budget)"
        row(f'{b["name"]} ({int(b["objects_in_view"])} in view)',
            f'{b["frame_us"]:.0f} / {b["blit_us"]:.0f} us = {b["frame_per_blit"]:.2f}', budget)
print("== Simulation")
for b in runs("sim.json"):
    unit = b["time_unit"]
    budget = "budget 500 ms" if "Hour" in b["name"] else "(no budget)"
    row(b["name"], f'{b["cpu_time"]:.3g} {unit}', budget)
print("== Budgets of the running program (offscreen, real time)")
for b in runs("budget.json"):
    n = b["name"].replace("/iterations:1", "")
    if "peak_MiB" in b:
        row(n + " peak", f'{b["peak_MiB"]:.1f} MiB', "budget 56 MiB")
    elif "cpu_percent_of_core" in b:
        budget = "budget 0.1 %, 0/s" if "MainMenu" in n else \
                 "budget 1 %" if n.endswith("/280") else "(scaling)"
        row(n, f'{b["cpu_percent_of_core"]:.3f} % {b["wake_ups_per_s"]:.1f}/s', budget)
    else:
        row(n, f'{b["cpu_time"]:.3g} {b["time_unit"]}', "(scaling)" if "WakeUp" in n else "")
PY
tail -n 1 "$out/budget.txt"
echo "== Sound cues through a private PulseAudio server (bench/sound/cue_latency.cpp, 3 repeats)"
status=0
build/bench/cue_latency --program-folder build/bin --repeats 3 >"$out/cues.txt" || status=$?
if [ "$status" = 77 ]; then
  echo "  skipped: $(cat "$out/cues.txt")"
elif [ "$status" != 0 ]; then
  echo "  cue_latency failed (status $status): $(cat "$out/cues.txt")"
else
  python3 - "$out/cues.txt" <<'PY'
import sys
for line in open(sys.argv[1]):
    f = line.rstrip("\n").split("\t")
    if f[0] != "cues":
        continue
    name, heard, expected, played, median, worst, spacing, length = f[1:]
    print(f"  {name:<34} sounds heard {heard:>3} / expected {expected:>3} (cues played {played:>3}), "
          f"play call to first sample at the server: median {median} ms, worst {worst} ms "
          f"(spacing off by at most {spacing} ms, length by {length} ms)   budget median 30 ms")
PY
fi
echo "== Start-up on X and natively on Wayland, process start to first pixels on the screen (bench/startup.sh)"
if command -v Xvfb >/dev/null; then
  bash bench/startup.sh | sed 's/^/  /'
else
  echo "  skipped: no Xvfb (scripts/deps.sh installs it)"
fi

echo "== The real program under Xvfb and natively on Wayland (Weston on Xvfb), a 1920 × 1080 window (bench/x11/idle_under_x.cpp, ${x_idle} s each)"
if ! command -v Xvfb >/dev/null; then
  echo "  skipped: no Xvfb (scripts/deps.sh installs it)"
  exit 0
fi
status=0
build/bench/idle_under_x --game build/bin/krepostan --seconds "$x_idle" >"$out/x_idle.txt" || status=$?
grep '^SKIP' "$out/x_idle.txt" | sed 's/^/  /' || true
python3 - "$out/x_idle.txt" <<'PY'
import sys
rows = {}
for line in open(sys.argv[1]):
    f = line.rstrip("\n").split("\t")
    if f[0] == "idle":
        rows[(f[1], f[2])] = f[3:]
def budget(desktop, name):
    if name == "main menu":
        return "budget 0.1 %"
    if name.endswith("280 buildings"):
        return ("budget 0.5 %, 8/s all threads; peak 56 MiB" if desktop == "X" else
                "budget 0.5 %, 8/s all threads; peak 70 MiB")
    if name == "dragging a selection" and desktop == "Wayland" and ("X", name) in rows:
        return "budget 1.2 × X's %.2f %% = %.2f %%" % (float(rows[("X", name)][0]),
                                                      1.2 * float(rows[("X", name)][0]))
    return "(no budget)"
for (desktop, name), f in rows.items():
    cpu, main, wake_main, wake_threads, peak, anon, files, shared = f
    print(f"  {desktop:<8}{name:<28} {cpu:>6} % of a core (main thread {main} %), wake-ups "
          f"{wake_main}/s (all threads {wake_threads}/s), VmHWM {peak} MiB (now anonymous "
          f"{anon}, files {files}, shared {shared})   {budget(desktop, name)}")
PY
[ "$status" = 0 ] || [ "$status" = 77 ] || { echo "  idle_under_x failed (status $status)"; exit 1; }

echo "== The same on X with the game's sound stream open to a private PulseAudio server, corked while nothing sounds (idle_under_x --x --sound-server)"
status=0
build/bench/idle_under_x --game build/bin/krepostan --seconds "$x_idle" --x --sound-server \
  >"$out/x_sound.txt" || status=$?
grep '^SKIP' "$out/x_sound.txt" | sed 's/^/  /' || true
python3 - "$out/x_sound.txt" <<'PY'
import sys
for line in open(sys.argv[1]):
    f = line.rstrip("\n").split("\t")
    if f[0] != "idle":
        continue
    desktop, name, cpu, main, wake_main, wake_threads, peak, anon, files, shared, streams = f[1:12]
    print(f"  {desktop:<8}{name:<28} {cpu:>6} % of a core (main thread {main} %), wake-ups "
          f"{wake_main}/s (all threads {wake_threads}/s), VmHWM {peak} MiB, sound streams open "
          f"{streams}   (beside the figure without sound above)")
PY
[ "$status" = 0 ] || [ "$status" = 77 ] || { echo "  idle_under_x failed (status $status)"; exit 1; }
