#!/usr/bin/env bash
# Starts the real windows under Xvfb with the openbox window manager, where
# minimising and maximising really happen. The main window (zeku_smoke_run
# --window-manager, tests/ui/tools/SmokeRun.h) starts maximised, opens the manual editor through "自分で選ぶ" and checks that
# the main window is minimised while the editor is shown and comes back
# maximised afterwards, and again after each of three small searches whose
# progress window is closed with its button; it saves the main window, the editor and the whole
# screen while the editor is open as PNGs, kept as build artefacts.
#
# usage: smoke_openbox.sh SMOKE_RUN PNG_CHECK DAT_FOLDER OUTPUT_PNG
set -euo pipefail

smoke="$1"
check="$2"
dat="$3"
out="$4"

source "$(dirname "$0")/../support/screenshots.sh"
require_tools xvfb-run openbox

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The program reads dat/ and user/ in its working directory.
cp -r "$dat" "$work/dat"
mkdir -p "$(dirname "$out")"
base="${out%.png}"
rm -f "$out" "$base-manual.png" "$base-screen.png"

# Inside the X server: openbox first, the program once openbox has started.
cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
ready="$1"; shift
openbox --sm-disable --startup "touch $ready" &
wm=$!
for _ in $(seq 100); do
    [ -e "$ready" ] && break
    sleep 0.1
done
if [ ! -e "$ready" ]; then
    echo "openbox did not start"
    kill "$wm" 2>/dev/null
    exit 1
fi
status=0
"$@" || status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null || true
exit "$status"
SESSION

cd "$work"
run_under_xvfb bash "$work/session.sh" "$work/openbox-ready" "$smoke" "$out" --window-manager
for png in "$base-manual.png" "$base-screen.png" "$out"; do
    check_screenshot "$check" "$png"
done
# Maximised on a 1280x1024 screen, the main window (checked last) is wider than its 985 pixels.
if [ "$shot_width" -le 985 ] || [ "$shot_height" -le 700 ]; then
    echo "the main window was not maximised: ${shot_width}x${shot_height}"
    exit 1
fi
echo "1 passed, 0 failed"
