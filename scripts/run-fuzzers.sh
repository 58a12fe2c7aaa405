#!/usr/bin/env bash
# Runs every libFuzzer executable (fuzz_*) found in a fuzz build for a fixed
# time each. Builds nothing. Each target starts from a scratch copy of its seed
# corpus in fuzz/corpus/<target>/, so the repository is never modified; the
# targets' own temporary files go to a scratch TMPDIR that is removed at the end.
#
# Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS
# Exit status: 0 when no target crashed, 1 when one did (its log tail is printed
# and the crashing inputs are kept in BUILD_DIR/fuzz-artifacts/<target>/), 2 on
# wrong usage or when the build holds no fuzz target.
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build_dir=$1
seconds=$2
case $seconds in
    '' | *[!0-9]* | 0) echo "SECONDS must be a positive whole number, not '$seconds'" >&2; exit 2 ;;
esac
if [ ! -d "$build_dir" ]; then
    echo "no such build folder: $build_dir" >&2
    exit 2
fi

source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zeku-fuzz.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT

mapfile -t targets < <(find "$build_dir" -path '*/CMakeFiles' -prune -o -type f -name 'fuzz_*' -perm -u+x -print | sort)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz_* executables in $build_dir (configure with -DZEKU_FUZZ=ON and build first)" >&2
    exit 2
fi

failed=()
for exe in "${targets[@]}"; do
    name=$(basename "$exe")
    corpus=$work/corpus/$name
    artifacts=$work/artifacts/$name
    mkdir -p "$corpus" "$artifacts" "$work/tmp"
    if [ -d "$source_dir/fuzz/corpus/$name" ]; then
        cp -R "$source_dir/fuzz/corpus/$name/." "$corpus/"
    fi
    log=$work/$name.log
    # A single input running longer than the whole budget counts as a hang.
    # A fixed seed makes a run repeatable; ZEKU_FUZZ_SEED picks another.
    TMPDIR=$work/tmp "$exe" -seed="${ZEKU_FUZZ_SEED:-1}" -max_total_time="$seconds" -timeout=$((seconds + 10)) \
        -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(grep -Eo '^Done [0-9]+ runs' "$log" | tail -n 1)
    if [ $status -eq 0 ]; then
        echo "$name: ok (${runs:-no run count})"
    else
        failed+=("$name")
        kept=$build_dir/fuzz-artifacts/$name
        mkdir -p "$kept"
        cp -R "$artifacts/." "$kept/" 2>/dev/null
        echo "$name: FAILED (exit $status); crashing inputs kept in $kept" >&2
        tail -n 40 "$log" >&2
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz targets that failed: ${failed[*]}" >&2
    exit 1
fi
echo "all ${#targets[@]} fuzz targets ran $seconds s each without a crash"
