#!/usr/bin/env bash
# Fails when a source folder includes a folder above it. The layers, lowest first
# (folders on one line share a layer and do not include each other):
layers=(
    "platform"
    "data"
    "search"
    "userfiles report"
    "cli"
    "ui/platform"
    "ui/app"
    "ui/lists"
    "ui/dialogs"
    "ui/main"
    "app"
)
# The core (platform to report) never includes ui/ or Qt; cli never includes Qt.
# The program (app/) reaches ui/main only through the one function that opens
# the main window. tests/ stands outside the layers: its test programs
# (tests/ui/tools) drive any window.
main_window_entry="ui/main/RunMainWindow.h"
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

declare -A rank
for i in "${!layers[@]}"; do
    for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

# The layer folder a path belongs to: the longest listed prefix.
folder_of() {
    local path="$1"
    case "$path" in
        ui/*) echo "${path%%/*}/$(echo "$path" | cut -d/ -f2)" ;;
        *) echo "${path%%/*}" ;;
    esac
}

status=0
while IFS= read -r file; do
    from="$(folder_of "$file")"
    [ -n "${rank[$from]+x}" ] || continue
    while IFS= read -r line; do
        target="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]*)[">].*/\1/' <<<"$line")"
        if [[ "$target" == Q* || "$target" == Qt*/* ]] && [ "${rank[$from]}" -le "${rank[cli]}" ]; then
            echo "$file: includes <$target>: the core and the command-line tools never include Qt"
            status=1
            continue
        fi
        to="$(folder_of "$target")"
        [ -n "${rank[$to]+x}" ] || continue
        [ "$to" = "$from" ] && continue
        if [ "$from" = app ] && [ "$to" = ui/main ] && [ "$target" != "$main_window_entry" ]; then
            echo "$file: includes \"$target\": app reaches ui/main only through $main_window_entry"
            status=1
            continue
        fi
        if [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
            echo "$file: includes \"$target\": $from may include only folders below it"
            status=1
        fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "$file" || true)
done < <(git ls-files -- 'platform/*' 'data/*' 'search/*' 'userfiles/*' 'report/*' 'cli/*' 'ui/*' 'app/*' \
            | grep -E '\.(h|cpp)$')
exit $status
