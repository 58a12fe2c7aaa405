#!/usr/bin/env bash
# Starts the real zeku binary under Xvfb with the openbox window manager, where
# minimising and maximising really happen. The program (ZEKU_SMOKE_WINDOW_MANAGER)
# starts maximised, opens the manual editor through "自分で選ぶ" and checks that
# the main window is minimised while the editor is shown and comes back
# maximised afterwards; it saves the main window, the editor and the whole
# screen while the editor is open as PNGs, kept as build artefacts.
#
# usage: smoke_openbox.sh ZEKU PNG_CHECK DAT_FOLDER OUTPUT_PNG
set -euo pipefail

zeku="$1"
check="$2"
dat="$3"
out="$4"

for tool in xvfb-run openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

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
status=0
ZEKU_SMOKE_SCREENSHOT="$out" ZEKU_SMOKE_WINDOW_MANAGER=1 timeout 120 \
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/session.sh" "$work/openbox-ready" "$zeku" || status=$?
if [ "$status" -ne 0 ]; then
    echo "zeku ended with status $status under openbox"
    exit 1
fi

for png in "$out" "$base-manual.png" "$base-screen.png"; do
    if [ ! -s "$png" ]; then
        echo "$png was not written"
        exit 1
    fi
    read -r width height colours < <("$check" "$png")
    echo "screenshot $png: ${width}x${height}, $colours colours"
    if [ "$colours" -lt 8 ]; then
        echo "$png is blank"
        exit 1
    fi
done
# Maximised on a 1280x1024 screen, the main window is wider than its 985 pixels.
read -r width height colours < <("$check" "$out")
if [ "$width" -le 985 ] || [ "$height" -le 700 ]; then
    echo "the main window was not maximised: ${width}x${height}"
    exit 1
fi
echo "1 passed, 0 failed"
