#!/usr/bin/env bash
# tools/format.sh [--check]: formats every C++ file of the project with
# .clang-format, or (--check) fails naming the files that differ.
# The tree is formatted with clang-format 14 (Debian 12's); other major
# versions lay out some lines differently, so they would reformat it.
set -euo pipefail
cd "$(dirname "$0")/.."
expected=14
formatter=clang-format
if command -v "clang-format-$expected" >/dev/null; then
  formatter=clang-format-$expected
fi
version=$("$formatter" --version | sed -nE 's/.*version ([0-9]+)\..*/\1/p')
if [ "$version" != "$expected" ]; then
  echo "format: $formatter is version ${version:-unknown}, not $expected: it may lay out lines" \
    "differently from the tree's clang-format $expected; install clang-format-$expected" >&2
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  "$formatter" --dry-run --Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format wants"
else
  "$formatter" -i "${files[@]}"
fi
