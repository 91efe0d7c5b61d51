#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the machine lacks. Runs apt-get only when
# something is missing.
#   deps.sh play    what building and playing the game need (scripts/run.sh)
#   deps.sh [test]  that, and what the tests, the benchmarks and the package's checks need
#                   (scripts/test.sh and the other scripts)
#   deps.sh play|test --list   prints the packages, one a line, and installs nothing
set -euo pipefail

play=(
  # The build: compiler, build tools, Qt and the libraries the game links
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev qt6-svg-dev libgl-dev libfontconfig-dev libxcb1-dev
  # Sound: the sound server's client library (PulseAudio, or PipeWire through its interface)
  libpulse-dev
  # The translations compiled (GNU gettext's msgfmt)
  gettext
  # Playing: Qt's X11 and Wayland platforms, its Russian texts and the faces
  qt6-qpa-plugins qt6-wayland qt6-translations-l10n
  fonts-liberation fonts-dejavu-core fonts-urw-base35
)
test=(
  clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # The save decoder's fuzzing and the sanitizers' runtime
  clang libclang-rt-14-dev
  # The desktop files' and the Debian package's checks
  desktop-file-utils appstream dpkg-dev lintian
  # The walk through the whole game: a virtual X server, X input, a window manager, and a
  # session bus of its own for a second start of the game.
  xvfb xauth x11-utils libx11-dev libxtst-dev openbox dbus-daemon
  # The game on a Wayland desktop: a compositor with headless and X11 backends.
  weston
  # The sound tests and the cue latency benchmark: a private sound server, its monitor
  # recorded with parecord
  pulseaudio pulseaudio-utils
  # The catalogues' check and the benchmarks' report (scripts/bench.sh)
  python3
)

mode="${1:-test}"
case "$mode" in
  play) packages=("${play[@]}") ;;
  test) packages=("${play[@]}" "${test[@]}") ;;
  *)
    echo "usage: $0 [play|test] [--list]" >&2
    exit 2
    ;;
esac
if [ "${2:-}" = "--list" ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "error: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
