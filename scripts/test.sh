#!/usr/bin/env bash
# Builds everything and runs every test: the test suites, the core tests once
# more under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz
# target for a short fixed time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
fuzz_seconds="${ZEKU_FUZZ_SECONDS:-30}"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"

echo "== layout of the C++ files (the include order of the folders is a ctest test)"
"$root/scripts/check-format.sh"

echo "== build and test (gcc)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEKU_WERROR=ON >/dev/null
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== core tests under ASan and UBSan (clang)"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DZEKU_SANITIZE=ON -DZEKU_WERROR=ON -DZEKU_BUILD_GUI=OFF -DZEKU_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== fuzz targets, ${fuzz_seconds} s each"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZEKU_FUZZ=ON -DZEKU_WERROR=ON -DZEKU_BUILD_GUI=OFF -DZEKU_BUILD_TESTS=OFF -DZEKU_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-fuzz" -j "$jobs"
"$root/scripts/run-fuzzers.sh" "$root/build-fuzz" "$fuzz_seconds"

echo "== all tests passed"
