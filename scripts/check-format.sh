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
"$formatter" --dry-run --Werror "${files[@]}" 2>&1 | grep -E '^[^ ].*: (error|warning):' | cut -d: -f1 | sort -u | \
    sed 's/^/not formatted: /' | { ! grep .; }
