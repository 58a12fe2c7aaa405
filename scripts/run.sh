#!/usr/bin/env bash
# Builds ZEKU and starts it on the bundled sample data in dat/ (user files go
# to user/ beside it). Without a display, the command-line search shows what
# the sample holds instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target zeku zeku-search
cd "$root"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$root/build/app/zeku"
fi
echo "No display: showing the sample data through zeku-search instead (see README)."
exec "$root/build/cli/zeku-search" --dat dat
