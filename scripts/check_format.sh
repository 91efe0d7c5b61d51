#!/usr/bin/env bash
# Checks that the game's own C++ files follow .clang-format, without changing them.
# Prints every file that clang-format would change and exits 1 when there is one.
#
#   scripts/check_format.sh            every tracked .cpp/.h under src/ tests/ bench/ assets/ tools/
#   scripts/check_format.sh FILE...    only these files
#
# The style is pinned to Debian 12's clang-format 14 (scripts/deps.sh installs it); other
# versions may break some lines differently.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=""
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null 2>&1; then
    clang_format="$candidate"
    break
  fi
done
if [ -z "$clang_format" ]; then
  echo "error: clang-format not found; install it with scripts/deps.sh" >&2
  exit 2
fi
if [ ! -f .clang-format ]; then
  echo "error: .clang-format is missing from $(pwd)" >&2
  exit 2
fi
version="$("$clang_format" --version)"
if [[ ! "$version" =~ version\ 14\. ]]; then
  echo "warning: the style is checked with clang-format 14; this is: $version" >&2
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
    'bench/*.cpp' 'bench/*.h' 'assets/*.cpp' 'assets/*.h' 'tools/*.cpp' 'tools/*.h')
fi
if [ ${#files[@]} -eq 0 ]; then
  echo "error: no C++ files to check" >&2
  exit 2
fi

unformatted=()
broken=0
for f in "${files[@]}"; do
  if ! out="$("$clang_format" --style="file:$PWD/.clang-format" --dry-run -Werror "$f" 2>&1)"; then
    if grep -q -- '-Wclang-format-violations' <<<"$out"; then
      unformatted+=("$f")
    else
      echo "error: clang-format could not check $f:" >&2
      echo "$out" >&2
      broken=1
    fi
  fi
done
if [ "$broken" -ne 0 ]; then
  exit 2
fi

if [ ${#unformatted[@]} -eq 0 ]; then
  echo "Formatting: all ${#files[@]} files follow .clang-format."
  exit 0
fi
echo "Formatting: ${#unformatted[@]} of ${#files[@]} files do not follow .clang-format:" >&2
printf '  %s\n' "${unformatted[@]}" >&2
echo "See the changes with: $clang_format --dry-run FILE; apply them with: $clang_format -i FILE" >&2
exit 1
