#!/usr/bin/env bash
# The game on a Wayland desktop without an X server: started under a headless Weston, it runs
# natively as one maximised toplevel (the client's protocol log, WAYLAND_DEBUG=client, shows
# exactly one xdg_toplevel and a set_maximized request), takes the size the compositor gives
# it as its screen, comes up to the main menu and ends with status 0 when the session ends.
#
#   native_start.sh PROGRAM
#
# Exits 0 when all of that holds, 1 when something does not, 77 when the compositor cannot
# start here.
set -uo pipefail

game="$1"
if ! command -v weston >/dev/null 2>&1; then
  echo "skipped: weston is not installed (scripts/deps.sh installs it)"
  exit 77
fi

scratch="$(mktemp -d)"
chmod 700 "$scratch"
compositor=""
client=""
cleanup() {
  [ -n "$client" ] && kill -KILL "$client" 2>/dev/null
  [ -n "$compositor" ] && kill -TERM "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$scratch"
socket="wayland-krepostan-test"
weston --backend=headless-backend.so --socket="$socket" --width=1920 --height=1080 \
  --idle-time=0 >"$scratch/weston.log" 2>&1 &
compositor=$!

# Waits, polling, for at most $1 tenths of a second until the command succeeds.
within() {
  local tenths="$1"
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}
if ! within 100 test -S "$scratch/$socket"; then
  echo "skipped: weston's headless backend did not come up:"
  tail -n 5 "$scratch/weston.log"
  exit 77
fi

# Not the session bus of whoever runs the test: a game they play meanwhile would take this
# start for a second one and bring itself to the front instead.
env -u DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY="$socket" \
  WAYLAND_DEBUG=client \
  QT_LOGGING_RULES="krepostan.start.info=true" "$game" >"$scratch/game.log" 2>&1 &
client=$!

fail() {
  echo "FAILED: $1"
  echo "the game's last lines:"
  grep -v '^\[' "$scratch/game.log" | tail -n 10
  exit 1
}

on_menu() { grep -qs "main menu on screen" "$scratch/game.log"; }
if ! within 300 on_menu; then
  kill -0 "$client" 2>/dev/null || fail "the game ended before its main menu was on the screen"
  fail "the main menu did not come up within 30 s"
fi
grep -q "platform plugin" "$scratch/game.log" && fail "Qt did not start on its Wayland platform"

toplevels="$(grep -c 'get_toplevel(new id xdg_toplevel' "$scratch/game.log")"
[ "$toplevels" -eq 1 ] || fail "the game made $toplevels xdg_toplevels, not one"
grep -Eq 'xdg_toplevel@[0-9]+\.(set_maximized|set_fullscreen)\(' "$scratch/game.log" ||
  fail "the game's window asked to be neither maximised nor full screen"
grep -q 'set_app_id("krepostan")' "$scratch/game.log" || fail "the window's app id is not krepostan"

# The last size the compositor gave the toplevel is the game's screen (a panel that comes up
# late changes it once more: the game follows).
given() {
  grep -Eo 'xdg_toplevel@[0-9]+\.configure\([0-9]+, [0-9]+' "$scratch/game.log" |
    grep -Ev 'configure\(0, 0' | tail -n 1 | sed -E 's/.*configure\(([0-9]+), ([0-9]+)/\1 x \2/'
}
taken() {
  grep -o 'game window [0-9]* x [0-9]*' "$scratch/game.log" | tail -n 1 | sed 's/game window //'
}
agree() { [ -n "$(given)" ] && [ "$(given)" = "$(taken)" ]; }
within 50 agree || fail "the compositor gave \"$(given)\", the game took \"$(taken)\" as its screen"
taken="$(taken)"

kill -TERM "$client"
wait "$client"
status=$?
client=""
[ "$status" -eq 0 ] || fail "the game ended with status $status when the session ended"
echo "passed: one maximised toplevel of $taken, main menu drawn, ended with status 0"
