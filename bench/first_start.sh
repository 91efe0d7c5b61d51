#!/usr/bin/env bash
# Times the first start on a fresh clone: from `./scripts/run.sh` to the main menu's window
# standing on the screen, on a virtual X display (Xvfb).
#
#     bench/first_start.sh [COMMIT...]
#
# Each commit (HEAD when none is named) is cloned afresh into a temporary folder and timed
# in turn, one after the other, with the machine's load printed beside each time. Every
# build starts from nothing, so on two cores expect minutes.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
bash "$repo/scripts/deps.sh"

# True once a window of the game titled as the main menu is mapped on the display.
main_menu_shown() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | grep '("krepostan" ' | grep 'Игра' |
    awk '{print $1}'); do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      return 0
    fi
  done
  return 1
}

commits=("$@")
[ ${#commits[@]} -gt 0 ] || commits=(HEAD)
for commit in "${commits[@]}"; do
  sha="$(git -C "$repo" rev-parse --short "$commit")"
  work="$(mktemp -d /tmp/krepostan-first-start.XXXXXX)"
  git clone -q "$repo" "$work/clone"
  git -C "$work/clone" checkout -q "$sha"

  display=":$((50 + RANDOM % 200))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY="$display"
  until xwininfo -root >/dev/null 2>&1; do sleep 0.1; done

  load_before="$(uptime)"
  start="$(date +%s.%N)"
  (cd "$work/clone" && exec ./scripts/run.sh) >"$work/run.log" 2>&1 &
  run=$!
  result="did not reach the main menu (see $work/run.log)"
  while kill -0 "$run" 2>/dev/null; do
    if main_menu_shown; then
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
