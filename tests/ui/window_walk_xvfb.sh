#!/usr/bin/env bash
# Starts the real windows under Xvfb on the bundled sample data, as the
# program starts them (zeku_window_walk): the main window opens every window
# and dialog it has, writes their texts (walk.txt) and a PNG of each, and
# closes (see tests/ui/tools/WindowWalk.h). The PNGs and the texts are kept
# under ARTIFACT_DIR.
#   ja: every line of GOLDEN (the Japanese texts as they were before the
#       translation work) is still there unchanged; new texts are listed.
#       With ZEKU_UPDATE_GOLDEN=1 the walk's texts replace GOLDEN instead.
#   en: no text outside data cells shows a Japanese character once the
#       master-data names are taken out; what is left is listed per window.
# Both: every window of GOLDEN was reached.
#
# usage: window_walk_xvfb.sh WINDOW_WALK DAT_FOLDER ja|en GOLDEN ARTIFACT_DIR
set -euo pipefail

walk="$1"
dat="$2"
lang="$3"
golden="$4"
artifacts="$5"

source "$(dirname "$0")/../support/screenshots.sh"
require_tools xvfb-run

export LC_ALL=C.UTF-8
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The program reads dat/ and user/ in its working directory.
cp -r "$dat" "$work/dat"
out="$work/walk"

status=0
(cd "$work" && timeout 600 xvfb-run -a -s "-screen 0 1280x1024x24" "$walk" "$out" --lang "$lang") ||
    status=$?
mkdir -p "$artifacts"
rm -f "$artifacts"/*.png "$artifacts"/*.txt
cp "$out"/*.png "$out"/*.txt "$artifacts"/ 2>/dev/null || true
if [ "$status" -ne 0 ] || [ ! -s "$out/walk.txt" ]; then
    echo "the walk (--lang $lang) ended with status $status without finishing"
    exit 1
fi
echo "walk: $(cut -f1 "$out/walk.txt" | sort -u | wc -l) windows, $(wc -l <"$out/walk.txt") texts; kept in $artifacts"

failed=0
if grep -P '^[^\t]+\t-\tmissing\t' "$out/walk.txt"; then
    echo "FAIL: the walk missed the windows above"
    failed=1
fi
if [ "$lang" = ja ] && [ "${ZEKU_UPDATE_GOLDEN:-}" = 1 ]; then
    cp "$out/walk.txt" "$golden"
    echo "wrote $golden"
    exit "$failed"
fi
if [ ! -s "$golden" ]; then
    echo "FAIL: $golden is missing (ZEKU_UPDATE_GOLDEN=1 with ja writes it)"
    exit 1
fi
unreached=$(comm -23 <(cut -f1 "$golden" | sort -u) <(cut -f1 "$out/walk.txt" | sort -u))
if [ -n "$unreached" ]; then
    echo "FAIL: windows not reached: $unreached"
    failed=1
fi

if [ "$lang" = ja ]; then
    changed=$(comm -23 <(sort "$golden") <(sort "$out/walk.txt"))
    added=$(comm -13 <(sort "$golden") <(sort "$out/walk.txt"))
    if [ -n "$added" ]; then
        echo "texts that are new since $golden (not checked):"
        echo "$added"
    fi
    if [ -n "$changed" ]; then
        echo "FAIL: these Japanese texts changed or are gone (window, control, kind, text):"
        echo "$changed"
        failed=1
    fi
else
    left="$out/japanese-left.txt"
    if grep -q . "$left"; then
        echo "FAIL: Japanese left in English (window, control, kind, text without data names, characters):"
        grep . "$left"
        echo "Japanese texts left per window:"
        grep . "$left" | cut -f1 | sort | uniq -c
        echo "$(grep -c . "$left") texts in all"
        failed=1
    fi
fi
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed"
exit "$failed"
