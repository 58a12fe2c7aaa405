#!/usr/bin/env bash
# Starts the installed zeku under Xvfb from a folder without dat/, with a
# scratch XDG_DATA_HOME: it must find the installed sample and show its main
# window (ZEKU_SMOKE_SCREENSHOT makes it save a PNG of itself and close), and
# write nothing while nothing was changed.
#
# usage: installed_zeku_xvfb.sh PREFIX PNG_CHECK SCRATCH OUTPUT_PNG
set -euo pipefail

prefix="$1"
check="$2"
scratch="$3"
out="$4"

if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi

rm -rf "$scratch"
mkdir -p "$scratch/empty" "$scratch/home" "$(dirname "$out")"
rm -f "$out" "${out%.png}-manual.png"
export XDG_DATA_HOME="$scratch/xdg" HOME="$scratch/home"

cd "$scratch/empty"
status=0
ZEKU_SMOKE_SCREENSHOT="$out" timeout 120 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$prefix/bin/zeku" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the installed zeku ended with status $status"
    exit 1
fi
if [ ! -s "$out" ]; then
    echo "no screenshot was written"
    exit 1
fi
read -r width height colours < <("$check" "$out")
echo "screenshot $out: ${width}x${height}, $colours colours"
if [ "$width" -ne 985 ] || [ "$height" -ne 700 ] || [ "$colours" -lt 8 ]; then
    echo "expected the main window's 985x700 with content"
    exit 1
fi
if [ -n "$(ls -A "$scratch/empty")" ] || [ -e "$XDG_DATA_HOME" ]; then
    echo "start-up wrote files although nothing was changed"
    exit 1
fi
echo "1 passed, 0 failed"
