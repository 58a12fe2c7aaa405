#!/bin/sh
# Side-by-side figures of result storing and output: an older build and this
# one, back to back on the same generated data.
#
#   bench/compare-results.sh OLD_BUILD_DIR NEW_BUILD_DIR [WORK_DIR]
#
# For each build: the 999,999-result command-line run (two skills with jewels
# on data twice the sample's size), its output compared byte for byte, the
# run saved to a history and shown back as JSON, and the search benchmark on
# data three times the sample's size. Each line gives user and system CPU
# seconds and the peak resident memory (/usr/bin/time -v).
set -eu
old=$1
new=$2
work=${3:-$(mktemp -d)}
mkdir -p "$work"
cd "$work"

"$new/tools/zeku-gen-data" --out dat2 --scale 2 >/dev/null
"$new/tools/zeku-gen-data" --out dat3 --scale 3 >/dev/null
# The first two skills of the bench's themed wish on this data (seed 47,
# scale 2), with jewels: the search stops at 999,999 results.
cat >two.json <<'JSON'
{"sex":1,"job":1,"rarity":0,"min_defence":0,"jewels":true,"max_results":999999,"skills":[[86,10],[61,10]]}
JSON

measure() { # label, command...
    label=$1
    shift
    /usr/bin/time -v "$@" 2>time.txt >out.txt || true
    user=$(sed -n 's/.*User time (seconds): //p' time.txt)
    sys=$(sed -n 's/.*System time (seconds): //p' time.txt)
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' time.txt)
    printf '%-40s user %6s s  sys %6s s  peak %7s KB\n' "$label" "$user" "$sys" "$peak"
}

for build in "$old" "$new"; do
    name=$(basename "$(dirname "$build")")
    rm -rf "user_$name"
    measure "$name: 999,999 results to a file" "$build/cli/zeku-search" --dat dat2 two.json
    mv out.txt "lines_$name.jsonl"
    measure "$name: the same, saved to the history" "$build/cli/zeku-search" --dat dat2 --user "user_$name" \
        --save big two.json
    measure "$name: history show --json" "$build/cli/zeku-data" --dat dat2 --user "user_$name" history show 0 --json
    mv out.txt "show_$name.jsonl"
    measure "$name: --bench on 3x data" "$build/cli/zeku-search" --dat dat3 --bench
    grep -v '^condition' out.txt | awk '{print "    " $0}'
done
cmp "lines_$(basename "$(dirname "$old")").jsonl" "lines_$(basename "$(dirname "$new")").jsonl" &&
    echo "output identical"
cmp "show_$(basename "$(dirname "$old")").jsonl" "show_$(basename "$(dirname "$new")").jsonl" &&
    echo "history show identical"
