#!/usr/bin/env bash
# Starts the real windows under Xvfb on the bundled sample data, as the
# program starts them (zeku_smoke_run, tests/ui/tools/SmokeRun.h): the main
# window saves a PNG of itself once it is on screen, opens the manual editor
# once and saves it too (…-manual.png), and closes; the test then checks that
# the main window's image has its size and that neither is blank. The PNGs
# are kept as build artefacts.
#
# usage: smoke_xvfb.sh SMOKE_RUN PNG_CHECK DAT_FOLDER OUTPUT_PNG [ZEKU_ARGUMENT...]
set -euo pipefail

smoke="$1"
check="$2"
dat="$3"
out="$4"
shift 4

source "$(dirname "$0")/../support/screenshots.sh"
require_tools xvfb-run

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The program reads dat/ and user/ in its working directory.
cp -r "$dat" "$work/dat"
mkdir -p "$(dirname "$out")"
rm -f "$out" "${out%.png}-manual.png"

cd "$work"
run_under_xvfb "$smoke" "$out" "$@"
check_screenshot "$check" "$out"
# 985 wide, and as tall as the result views need within the screen.
if [ "$shot_width" -ne 985 ] || [ "$shot_height" -lt 700 ]; then
    echo "expected $out to be 985 wide and at least 700 tall"
    exit 1
fi
check_screenshot "$check" "${out%.png}-manual.png"
if [ -d "$work/user" ]; then
    echo "start-up wrote into user/ although nothing was changed"
    exit 1
fi
echo "1 passed, 0 failed"
