#!/usr/bin/env bash
# Fails when a tracked C++ file is not laid out as .clang-format says; prints
# the files. `scripts/check-format.sh --fix` lays them out instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
formatter="${CLANG_FORMAT:-clang-format-14}"
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
unformatted="$("$formatter" --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^ :][^:]*\):[0-9]*:[0-9]*: .*-Wclang-format-violations.*/\1/p' | sort -u)"
if [ -n "$unformatted" ]; then
    echo "not laid out as .clang-format says (scripts/check-format.sh --fix):"
    echo "$unformatted"
    exit 1
fi
