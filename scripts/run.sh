#!/usr/bin/env bash
# Builds ZEKU and runs it on the bundled sample data in dat/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target zeku-search
cd "$root"
exec "$root/build/cli/zeku-search" --dat dat "$@"
