#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the game need
# and the machine lacks. Runs apt-get only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-svg-dev libgl-dev libfontconfig-dev libxcb1-dev
  # Sound: the sound server's client library (PulseAudio, or PipeWire through its interface)
  libpulse-dev
  qt6-qpa-plugins
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation fonts-dejavu-core fonts-urw-base35
  # Qt's Russian texts and Wayland platform; the desktop files' and the Debian package's checks
  qt6-translations-l10n qt6-wayland qt6-base-private-dev
  desktop-file-utils appstream dpkg-dev lintian
  # The walk through the whole game: a virtual X server, X input, a window manager.
  xvfb xauth x11-utils libx11-dev libxtst-dev openbox
  # The game on a Wayland desktop: a compositor with headless and X11 backends.
  weston
  # The English translation: its catalogue compiled and checked (GNU gettext's tools)
  gettext
  # The sound tests and the cue latency benchmark: a private sound server, its monitor
  # recorded with parecord
  pulseaudio pulseaudio-utils
  # The benchmarks' report (scripts/bench.sh)
  python3
)

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
