#!/usr/bin/env bash
# Starts the real zeku binary under Xvfb on the bundled sample data. With
# ZEKU_SMOKE_SCREENSHOT set, the main window saves a PNG of itself once it is
# on screen, opens the manual editor once and saves it too (…-manual.png), and
# closes; the test then checks that the main window's image has its size and
# that neither is blank. The PNGs are kept as build artefacts.
#
# usage: smoke_xvfb.sh ZEKU PNG_CHECK DAT_FOLDER OUTPUT_PNG
set -euo pipefail

zeku="$1"
check="$2"
dat="$3"
out="$4"

if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The program reads dat/ and user/ in its working directory.
cp -r "$dat" "$work/dat"
mkdir -p "$(dirname "$out")"
rm -f "$out" "${out%.png}-manual.png"

cd "$work"
status=0
ZEKU_SMOKE_SCREENSHOT="$out" timeout 120 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$zeku" || status=$?
if [ "$status" -ne 0 ]; then
    echo "zeku ended with status $status"
    exit 1
fi
if [ ! -s "$out" ]; then
    echo "no screenshot was written"
    exit 1
fi

read -r width height colours < <("$check" "$out")
echo "screenshot $out: ${width}x${height}, $colours colours"
if [ "$width" -ne 985 ] || [ "$height" -ne 700 ]; then
    echo "expected the main window's 985x700"
    exit 1
fi
if [ "$colours" -lt 8 ]; then
    echo "the screenshot is blank"
    exit 1
fi
editor="${out%.png}-manual.png"
if [ ! -s "$editor" ]; then
    echo "the manual editor's screenshot was not written"
    exit 1
fi
read -r width height colours < <("$check" "$editor")
echo "screenshot $editor: ${width}x${height}, $colours colours"
if [ "$colours" -lt 8 ]; then
    echo "the manual editor's screenshot is blank"
    exit 1
fi
if [ -d "$work/user" ]; then
    echo "start-up wrote into user/ although nothing was changed"
    exit 1
fi
echo "1 passed, 0 failed"
