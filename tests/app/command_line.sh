#!/usr/bin/env bash
# The program's answers to its command line where no display can be opened: each ends with
# its status and says what it should, and none gets as far as Qt's platform (which would end
# the program with Qt's own abort, status 134).
#   command_line.sh PROGRAM
set -uo pipefail
program="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0

# status | where the text goes | what it must say | QT_QPA_PLATFORM | the program's words
cases=(
  "0|out|--language CODE +play in that language|xcb|--help"
  "0|out|^krepostan [0-9]+\.[0-9]+$|xcb|--version"
  "0|out|^krepostan [0-9]+\.[0-9]+$|wayland;xcb|--bogus --version"
  "2|err|unknown option --bogus|xcb|--bogus"
  "2|err|^Usage: krepostan|xcb|--bogus"
  "2|err|--language needs a language|xcb|--language"
  "1|err|neither DISPLAY \(X11\) nor WAYLAND_DISPLAY \(Wayland\) is set|xcb|"
  "1|err|neither DISPLAY|wayland;xcb|--language en"
  "1|err|neither DISPLAY||"
)
for c in "${cases[@]}"; do
  IFS='|' read -r status stream pattern platform words <<<"$c"
  # shellcheck disable=SC2086  # the words are split as a shell splits a command line
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" "$program" $words \
    >"$scratch/out" 2>"$scratch/err"
  got=$?
  if [ "$got" != "$status" ]; then
    echo "FAILED: krepostan $words (QT_QPA_PLATFORM=$platform) ended with $got, not $status"
    sed 's/^/    /' "$scratch/err"
    failed=1
  elif ! grep -Eq -- "$pattern" "$scratch/$stream"; then
    echo "FAILED: krepostan $words (QT_QPA_PLATFORM=$platform) did not say /$pattern/ on std$stream"
    sed 's/^/    /' "$scratch/$stream"
    failed=1
  elif [ "$status" = 1 ] && [ "$(wc -l <"$scratch/err")" != 1 ]; then
    echo "FAILED: krepostan $words said more than one line without a display:"
    sed 's/^/    /' "$scratch/err"
    failed=1
  else
    echo "ok: krepostan $words (QT_QPA_PLATFORM=$platform): $got"
  fi
done
exit $failed
