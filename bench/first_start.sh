#!/usr/bin/env bash
# Times the first start on a fresh clone: from `./scripts/run.sh` to the main menu drawn on the
# screen, on a virtual X display (Xvfb) of its own.
#
#     bench/first_start.sh [COMMIT...]
#
# Each commit (HEAD when none is named) is cloned afresh into a temporary folder and timed
# in turn, one after the other, with the machine's load printed beside each time. Every
# build starts from nothing, so on two cores expect minutes.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
bash "$repo/scripts/deps.sh"

# True once the game says its main menu is drawn and handed to the display (its start notes,
# krepostan.start.info, go to the run's log).
main_menu_shown() { grep -qs "main menu on screen" "$1"; }

commits=("$@")
[ ${#commits[@]} -gt 0 ] || commits=(HEAD)
for commit in "${commits[@]}"; do
  sha="$(git -C "$repo" rev-parse --short "$commit")"
  work="$(mktemp -d /tmp/krepostan-first-start.XXXXXX)"
  git clone -q "$repo" "$work/clone"
  git -C "$work/clone" checkout -q "$sha"

  # Xvfb picks a display number that no other server holds and says which on fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do grep -q . "$work/display" 2>/dev/null && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$work/display")"
  if [ "$DISPLAY" = ":" ] || ! xwininfo -root >/dev/null 2>&1; then
    echo "$sha: Xvfb did not start" >&2
    kill "$xvfb" 2>/dev/null || true
    exit 1
  fi

  load_before="$(uptime)"
  start="$(date +%s.%N)"
  # A first start ever: no language remembered from the player's own games.
  (cd "$work/clone" && XDG_CONFIG_HOME="$work/config" QT_LOGGING_RULES="krepostan.start.info=true" \
    exec ./scripts/run.sh) >"$work/run.log" 2>&1 &
  run=$!
  result="did not reach the main menu (see $work/run.log)"
  while kill -0 "$run" 2>/dev/null; do
    if main_menu_shown "$work/run.log"; then
      end="$(date +%s.%N)"
      result="$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.0f s", b - a }')"
      break
    fi
    sleep 0.5
  done
  load_after="$(uptime)"
  kill "$run" 2>/dev/null || true
  wait "$run" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true

  echo "$sha: run.sh to main menu: $result"
  echo "  load at start:$load_before"
  echo "  load at end:  $load_after"
  case "$result" in *" s") rm -rf "$work" ;; esac
done
