# Shared by the scripts that start the real windows under Xvfb (sourced, not run).

# require_tools TOOL...: exit 77 (ctest's "skipped") when a tool is missing.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$tool is not installed (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
}

# run_under_xvfb COMMAND...: runs COMMAND under a 1280x1024 Xvfb; exits 1
# when it fails.
run_under_xvfb() {
    local status=0
    timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$@" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$* ended with status $status"
        exit 1
    fi
}

# check_screenshot PNG_CHECK PNG [WIDTH HEIGHT]: the PNG was written, is not
# blank and, when given, has exactly that size; exits 1 otherwise. Sets
# shot_width and shot_height.
check_screenshot() {
    local check="$1" png="$2" colours
    if [ ! -s "$png" ]; then
        echo "$png was not written"
        exit 1
    fi
    read -r shot_width shot_height colours < <("$check" "$png")
    echo "screenshot $png: ${shot_width}x${shot_height}, $colours colours"
    if [ "$colours" -lt 8 ]; then
        echo "$png is blank"
        exit 1
    fi
    if [ $# -eq 4 ] && { [ "$shot_width" -ne "$3" ] || [ "$shot_height" -ne "$4" ]; }; then
        echo "expected $png to be ${3}x${4}"
        exit 1
    fi
}
