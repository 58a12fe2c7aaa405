#!/usr/bin/env bash
# Real mouse and keyboard, sent through the X server with xdotool, close the
# windows that open while the main window is disabled, and the main window
# takes input again afterwards. The real zeku binary runs under Xvfb (and,
# when openbox is installed, under openbox too, whose Alt+F4 closes a window
# as its close box does); no code inside the program presses anything.
#   run "done":    five small searches on the sample data; the progress window
#                  "検索完了" is closed in turn by a click on "ＯＫ", Return,
#                  Space, Escape and (openbox) Alt+F4; then "検索結果保存" is
#                  clicked and its title dialog answered with Return, and the
#                  wait window "処理中" goes once the results are stored.
#   run "stop":    a long search on generated data (scale 3); a click on "中止"
#                  during it asks, Return answers, and the window goes (or,
#                  when the search ended meanwhile, a click on its "ＯＫ").
#   run "frame":   (openbox) the main window moved, closed and started again
#                  comes back at the same place, and a start and close
#                  without a change leaves Session.dat byte for byte.
#   run "nothing": "追加スキル検索" opened by a click and closed by Escape;
#                  a search that finds nothing; Return closes its progress
#                  window, a click opens "見つからない理由", Escape closes it.
# Each run ends with Escape on the main window (and Return on the discard
# question): the program must end with status 0, which only a main window
# that takes real input again can do.
#
# usage: real_input_xvfb.sh ZEKU GEN_DATA DAT_FOLDER
set -euo pipefail

zeku="$1"
gen="$2"
dat="$3"

source "$(dirname "$0")/../support/screenshots.sh"
require_tools xvfb-run xdotool

export LC_ALL=C.UTF-8
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$gen" --out "$work/dat3" --scale 3 >/dev/null

# A user folder whose Session.dat holds the condition (CP932 is ASCII here, CR LF).
# usage: session_folder DIR SKILL_LINE MAX_RESULTS MIN_DEFENCE
session_folder() {
    mkdir -p "$1/user"
    printf 'Version=0.047\r\n[Window]\r\nX=40\r\nY=40\r\nWidth=1000\r\nHeight=700\r\nMaximized=0\r\n[Condition]\r\nSex=1\r\nJob=1\r\nRare=0\r\nDef=%s\r\nSkill=%s\r\nFixParts=0,0,0,0,0,0,0,0,0,0,0,0\r\nMaxDisp=%s\r\nJewel=1\r\nExclusiveItem=0\r\nExclusiveSkill=0\r\nSParts=0\r\n' \
        "$4" "$2" "$3" >"$1/user/Session.dat"
}

# Runs inside the X server: SCENARIO is done, stop or nothing; WM is openbox or none.
cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -uo pipefail
scenario="$1"; wm="$2"; zeku="$3"
fail() {
    echo "FAIL ($scenario, $wm): $*"
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do echo "on screen: $(xdotool getwindowname "$w")"; done
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    exit 1
}

# The id of the visible window whose title matches REGEX, within 60 s.
wait_window() {
    local id
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        if [ -n "$id" ]; then sleep 0.5; echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}
# Succeeds once no visible window's title matches REGEX, within SECONDS (10).
wait_gone() {
    for _ in $(seq $((${2:-10} * 10))); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# Gives WINDOW the keyboard focus as a player's click on it would.
focus() {
    if [ "$wm" = openbox ]; then xdotool windowactivate --sync "$1"; else xdotool windowfocus --sync "$1"; fi
    sleep 0.3
}
# Starts a search with Return on the main window ("検索" is its default button).
search() {
    focus "$main"
    xdotool key Return
}
# Closes the progress window of a finished search with ACTION.
close_finished() {
    local progress
    progress=$(wait_window '^検索完了$') || fail "no progress window after the search"
    case "$1" in
    click) xdotool mousemove --window "$progress" 343 121 click 1 ;; # "ＯＫ" (CFindProcessDlg.ui)
    *) focus "$progress"; xdotool key "$1" ;;
    esac
    wait_gone '^検索完了$' || fail "$1 left the progress window open"
    echo "progress window closed by $1"
}

if [ "$wm" = openbox ]; then
    openbox --sm-disable --startup "touch $PWD/ready" &
    wmpid=$!
    for _ in $(seq 100); do [ -e "$PWD/ready" ] && break; sleep 0.1; done
    [ -e "$PWD/ready" ] || fail "openbox did not start"
fi
# Starts the program and waits for its main window.
start_app() {
    "$zeku" &
    app=$!
    if ! main=$(wait_window '^ZEKU '); then
        # Ended without a window: the X server did not take it (a busy machine).
        kill -0 "$app" 2>/dev/null || { echo "zeku could not start"; exit 75; }
        fail "no main window"
    fi
}
# The main window takes real input again: Escape closes it (after the discard
# question, if asked) and the program ends with status 0.
close_app() {
    local status
    focus "$main"
    xdotool key Escape
    sleep 1
    local question
    question=$(xdotool search --onlyvisible --name '^ZEKU$' 2>/dev/null | head -1)
    if [ -n "$question" ]; then
        focus "$question"
        xdotool key Return
    fi
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "the main window did not close on Escape"
    wait "$app"
    status=$?
    [ "$status" -eq 0 ] || fail "zeku ended with status $status"
    echo "main window closed by Escape"
}
# Where the main window's inside lies on the screen.
place() { xdotool getwindowgeometry "$main" | grep Position; }

# A click at X,Y of the main window opens the window titled TITLE, and Escape
# closes it again.
open_by_click_close_by_escape() { # TITLE X Y
    local opened
    focus "$main"
    xdotool mousemove --window "$main" "$2" "$3" click 1
    opened=$(wait_window "^$1\$") || fail "a click on $1 opened nothing"
    focus "$opened"
    xdotool key Escape
    wait_gone "^$1\$" || fail "Escape left $1 open"
    echo "$1 opened by a click and closed by Escape"
}

start_app

case "$scenario" in
frame)
    # Moved, closed and started again, the window comes back where it was,
    # and a start and close without a change leaves Session.dat as it was.
    xdotool windowmove "$main" 200 150
    sleep 1
    moved=$(place)
    close_app
    cp user/Session.dat written
    start_app
    [ "$(place)" = "$moved" ] || fail "the window came back at $(place), not at $moved"
    echo "the window came back at $moved"
    ;;
done)
    actions="click Return space Escape"
    [ "$wm" = openbox ] && actions="$actions alt+F4"
    for action in $actions; do
        search
        close_finished "$action"
    done
    # "検索結果保存" (at 395,632 in CSearchDlg.ui; the window is no taller than
    # its designed 700 px), Return in its title dialog, then the wait window
    # "処理中" until the file is written.
    focus "$main"
    xdotool mousemove --window "$main" 445 645 click 1
    input=$(wait_window '^検索結果保存$') || fail "a click on 検索結果保存 opened nothing"
    focus "$input"
    xdotool key Return
    wait_gone '^検索結果保存$' || fail "Return left 検索結果保存 open"
    for _ in $(seq 100); do [ -n "$(ls user/SearchHistory 2>/dev/null)" ] && break; sleep 0.1; done
    wait_gone '^処理中$' || fail "the wait window stayed open"
    [ -n "$(ls user/SearchHistory 2>/dev/null)" ] || { ls -R user; fail "nothing was saved"; }
    echo "results saved through 検索結果保存 and the wait window"
    ;;
stop)
    search
    progress=$(wait_window '検索中$') || fail "no progress window during the search"
    xdotool mousemove --window "$progress" 343 121 click 1 # "中止"
    question=$(wait_window '^ZEKU$') || fail "the click on 中止 asked nothing"
    focus "$question"
    xdotool key Return # "はい", the default answer
    # The stop hands on up to a million results: the list takes its time. A
    # search that ended while the question was open keeps its window, which
    # then reads "検索完了" and closes with "ＯＫ" (where "中止" was).
    if ! wait_gone '検索中$' 90; then
        fail "the stopped search left its progress window open"
    fi
    if done_window=$(xdotool search --onlyvisible --name '^検索完了$' 2>/dev/null | head -1) && [ -n "$done_window" ]; then
        echo "the search ended while the question was open: closed by a click on ＯＫ"
        xdotool mousemove --window "$done_window" 343 121 click 1
    else
        echo "search stopped by a click on 中止"
    fi
    wait_gone '(検索中|検索完了)$' || fail "the progress window stayed open"
    ;;
nothing)
    # "追加スキル検索" (at 80,268 in CSearchDlg.ui) opens its window; Escape closes it.
    open_by_click_close_by_escape 追加スキル検索 131 283
    search
    close_finished Return
    # "見つからない理由" lies 8 px inside the result list below its header;
    # the list is at 15,358 (CSearchDlg.ui) in a window of its opening height or less.
    open_by_click_close_by_escape 見つからない理由 54 405
    ;;
esac

close_app
[ -n "${wmpid:-}" ] && { kill "$wmpid" 2>/dev/null; wait "$wmpid" 2>/dev/null; }
exit 0
SESSION

run() { # NAME WM DAT SKILL MAX_RESULTS MIN_DEFENCE
    local dir="$work/$1-$2"
    mkdir -p "$dir"
    cp -r "$3" "$dir/dat"
    session_folder "$dir" "$4" "$5" "$6"
    # A display number of its own: other X servers on this machine start at :99.
    # A server that the program could not reach is started once more.
    local status
    for attempt in 1 2 3; do
        status=0
        (cd "$dir" && timeout 300 xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1280x1024x24" \
            bash "$work/session.sh" "$1" "$2" "$zeku") || status=$?
        [ "$status" -ne 75 ] && break
    done
    return "$status"
}

wms="none"
command -v openbox >/dev/null && wms="none openbox" || echo "openbox is not installed: Alt+F4 and the frame are not tried"
for wm in $wms; do
    run done "$wm" "$dat" "1,10" 10000 0
done
if [ "$wms" != none ]; then
    run frame openbox "$dat" "1,10" 10000 0
    if ! cmp "$work/frame-openbox/written" "$work/frame-openbox/user/Session.dat"; then
        echo "FAIL: a start and close without a change rewrote Session.dat"
        exit 1
    fi
fi
run stop none "$work/dat3" "1,10,2,10" 999999 0
run nothing none "$dat" "1,10" 10000 9999
echo "1 passed, 0 failed"
