#!/usr/bin/env bash
# Starts the installed zeku under Xvfb from a folder without dat/, with a
# scratch XDG_DATA_HOME: it must find the installed sample and show its main
# window, and write nothing while nothing was changed. The program is looked
# at from outside, through the X server: xdotool finds the main window by its
# title, WINDOW_GRAB saves a PNG of it, and Escape closes it; the program must
# then end with status 0.
#
# usage: installed_zeku_xvfb.sh PREFIX PNG_CHECK WINDOW_GRAB SCRATCH OUTPUT_PNG
set -euo pipefail

prefix="$1"
check="$2"
grab="$3"
scratch="$4"
out="$5"

source "$(dirname "$0")/../support/screenshots.sh"
require_tools xvfb-run xdotool

rm -rf "$scratch"
mkdir -p "$scratch/empty" "$scratch/home" "$(dirname "$out")"
rm -f "$out"
export XDG_DATA_HOME="$scratch/xdg" HOME="$scratch/home"

# Inside the X server: the program, a PNG of its main window, Escape.
cat >"$scratch/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -uo pipefail
zeku="$1"; grab="$2"; out="$3"
"$zeku" &
app=$!
fail() {
    echo "$*"
    kill "$app" 2>/dev/null
    exit 1
}
main=""
for _ in $(seq 600); do
    main=$(xdotool search --onlyvisible --name '^ZEKU ' 2>/dev/null | head -1)
    [ -n "$main" ] && break
    kill -0 "$app" 2>/dev/null || fail "the installed zeku ended without a main window"
    sleep 0.1
done
[ -n "$main" ] || fail "the installed zeku showed no main window within 60 s"
# Drawn by then: the window paints as soon as it is shown.
sleep 1.5
"$grab" "$main" "$out" || fail "the main window could not be saved as a PNG"
xdotool windowfocus --sync "$main"
xdotool key Escape
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the main window did not close on Escape"
wait "$app"
status=$?
[ "$status" -eq 0 ] || fail "zeku ended with status $status"
echo "main window closed by Escape"
SESSION

cd "$scratch/empty"
run_under_xvfb bash "$scratch/session.sh" "$prefix/bin/zeku" "$grab" "$out"
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
