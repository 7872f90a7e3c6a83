#!/usr/bin/env bash
# tools/format.sh [--check]: formats every C++ file of the project with
# .clang-format, or (--check) fails naming the files that differ.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format wants"
else
  clang-format -i "${files[@]}"
fi
