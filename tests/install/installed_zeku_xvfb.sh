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

source "$(dirname "$0")/../support/screenshots.sh"
require_tools xvfb-run

rm -rf "$scratch"
mkdir -p "$scratch/empty" "$scratch/home" "$(dirname "$out")"
rm -f "$out" "${out%.png}-manual.png"
export XDG_DATA_HOME="$scratch/xdg" HOME="$scratch/home"

cd "$scratch/empty"
run_with_screenshot "$out" "$prefix/bin/zeku"
check_screenshot "$check" "$out"
# 985 wide, and as tall as the result views need within the screen.
if [ "$shot_width" -ne 985 ] || [ "$shot_height" -lt 700 ]; then
    echo "expected $out to be 985 wide and at least 700 tall"
    exit 1
fi
if [ -n "$(ls -A "$scratch/empty")" ] || [ -e "$XDG_DATA_HOME" ]; then
    echo "start-up wrote files although nothing was changed"
    exit 1
fi
echo "1 passed, 0 failed"
