#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks it with lintian, checks the desktop
# entry and the metainfo as installed, then starts the installed game from the unpacked
# package, offscreen, and waits until its main menu is drawn with the sound cues found in the
# package's data folder and its modules in the package's private library folder, where each
# loads with every symbol resolved; and once more asked for English, which it reads from the
# package's catalogue.
#
#     dist/check_package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
game=
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The package.
if ! (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack could not build the package"
fi
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
deb="$work/out/krepostan_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
echo "Built $(basename "$deb")"
depends="$(dpkg-deb --field "$deb" Depends)"
echo "Depends: $depends"
for lib in libqt6widgets6 libpulse0 libqt6network6 libqt6svg6 libstdc++6; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib, which the program or a module links"
done

# lintian as Debian's archive would run it (when run as root it only says so).
lintian --fail-on error,warning --tag-display-limit 0 "$deb"

# The unpacked package: menu entry and metainfo as installed.
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/krepostan.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/ru.krepostan.Krepostan.metainfo.xml"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/krepostan.svg" ] || fail "no icon"
# The program itself links neither the sound server's library nor Qt Network: its modules
# bring them.
if readelf -d "$root/usr/games/krepostan" | grep -E 'NEEDED.*(libpulse|Qt6Network)'; then
  fail "the program links libpulse or Qt Network itself"
fi

# The installed game, started from the unpacked root, up to its main menu. Its start notes
# say where it found the sound cues and when the main menu is drawn.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Starts the installed game with the options given, its start notes into the log named first,
# and waits (a minute at most) until its main menu is drawn or it has ended.
start_installed() {
  local into="$1"
  shift
  if [ -n "$game" ]; then
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
  fi
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="krepostan.start.info=true" "$root/usr/games/krepostan" "$@" >"$into" 2>&1 &
  game=$!
  for _ in $(seq 600); do
    grep -q "main menu on screen" "$into" && break
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  cat "$into"
}
log="$work/game.log"
start_installed "$log"
grep -q "main menu on screen" "$log" || fail "the installed game did not reach its main menu"
grep -qxF "krepostan.start: sound cues from $root/usr/share/krepostan" "$log" ||
  fail "the installed game did not find its sound cues in $root/usr/share/krepostan"
modules="$(sed -n 's/^krepostan\.start: modules from //p' "$log")"
[[ "$modules" == "$root/usr/lib/"* ]] ||
  fail "the installed game looks for its modules in '$modules', not in the package"
for module in krepostan-sound.so krepostan-network.so; do
  [ -f "$modules/$module" ] || fail "no $module in $modules"
  # The dynamic loader loads it with all it links, every symbol resolved.
  if ! resolved="$(ldd -r "$modules/$module" 2>&1)" ||
    grep -E 'not found|undefined symbol' <<<"$resolved"; then
    fail "$module does not load: $resolved"
  fi
done
echo "The installed game reached its main menu with its sound cues and its modules."

# Asked for English, the installed game reads the package's English catalogue.
catalogue="$root/usr/share/locale/en/LC_MESSAGES/krepostan.mo"
[ -f "$catalogue" ] || fail "no English translation in the package"
english="$work/english.log"
start_installed "$english" --language en
grep -qxF "krepostan.start: texts in en from $root/usr/share/locale" "$english" ||
  fail "the installed game asked for English did not read $catalogue"
echo "Asked for English, the installed game speaks it."
# The language chosen is remembered for the next plain start, as from the menu entry.
remembered="$work/remembered.log"
start_installed "$remembered"
grep -qxF "krepostan.start: texts in en from $root/usr/share/locale" "$remembered" ||
  fail "a plain start after one in English did not speak English"
echo "The next plain start speaks English too."
