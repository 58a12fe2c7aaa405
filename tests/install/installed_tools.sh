#!/usr/bin/env bash
# The installed files and command-line tools. Runs the installed zeku-search
# and zeku-data from a folder without dat/ (they use the installed sample and a
# scratch XDG_DATA_HOME), from a folder with dat/ (they use that one and user/
# beside it), and with a dat/ under XDG_DATA_HOME; validates the desktop entry
# and the AppStream file.
#
# usage: installed_tools.sh PREFIX SCRATCH SAMPLE_DAT
set -euo pipefail

prefix="$(realpath "$1")"
scratch="$2"
sample="$3"
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
# expect WHAT EXPECTED ACTUAL
expect() {
    [ "$2" == "$3" ] || fail "$1: expected '$2', got '$3'"
}

rm -rf "$scratch"
mkdir -p "$scratch/empty" "$scratch/home"
scratch="$(realpath "$scratch")"
export XDG_DATA_HOME="$scratch/xdg" HOME="$scratch/home"
search="$prefix/bin/zeku-search"
data="$prefix/bin/zeku-data"

# 1. What is installed where.
for file in bin/zeku bin/zeku-search bin/zeku-data share/zeku/dat/SkillBase.xml share/zeku/dat/Jewel.xml \
    share/applications/org.zeku.Zeku.desktop share/metainfo/org.zeku.Zeku.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.zeku.Zeku.svg share/icons/hicolor/48x48/apps/org.zeku.Zeku.png \
    share/icons/hicolor/256x256/apps/org.zeku.Zeku.png share/man/man1/zeku-search.1.gz share/man/man1/zeku-data.1.gz \
    share/bash-completion/completions/zeku-search share/bash-completion/completions/zeku-data; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
cmp -s "$sample/SkillBase.xml" "$prefix/share/zeku/dat/SkillBase.xml" || fail "the installed sample differs from dat/"

# 2. The desktop entry and the AppStream file pass their validators.
desktop-file-validate "$prefix/share/applications/org.zeku.Zeku.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zeku.Zeku.metainfo.xml" || fail "appstreamcli validate"
if command -v man >/dev/null; then
    for page in zeku-search zeku-data; do
        warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
        expect "man page $page warnings" "" "$warnings"
    done
fi
completion="$(bash -c 'source "$1"; COMP_WORDS=(zeku-data --user /tmp h); COMP_CWORD=3; _zeku_data; echo "${COMPREPLY[*]}"' \
    _ "$prefix/share/bash-completion/completions/zeku-data")"
expect "zeku-data completion" "history" "$completion"

# 3. From a folder without dat/: the installed sample, the user folder under XDG_DATA_HOME.
cd "$scratch/empty"
expect "--version" "zeku-search 0.047" "$("$search" --version)"
expect "paths without dat/" "$(printf 'dat\t%s\nuser\t%s' "$prefix/share/zeku/dat" "$XDG_DATA_HOME/zeku/user")" \
    "$("$data" paths)"
expect "catalogue counts" "$("$search" --dat "$sample")" "$("$search")"
condition='{"sex": 1, "job": 1, "skills": [[1, 10]], "max_results": 3}'
echo "$condition" | "$search" --save "保存テスト" - >"$scratch/results.jsonl" 2>"$scratch/summary.txt" ||
    fail "search with --save: $(cat "$scratch/summary.txt")"
expect "result lines" 3 "$(wc -l <"$scratch/results.jsonl")"
[ -s "$XDG_DATA_HOME/zeku/user/SearchHistory/index.dat" ] || fail "the saved search is not under XDG_DATA_HOME"
expect "history listing" "$(printf '0\t保存テスト\t')" "$("$data" history)"
"$data" history show 0 >"$scratch/shown-xdg.txt" || fail "history show 0 from the XDG user folder"
[ -z "$(ls -A "$scratch/empty")" ] || fail "the tools wrote into the working folder: $(ls -A "$scratch/empty")"

# 4. From a folder with dat/: that dat/ and user/ beside it. A user folder copied
#    there keeps working, since stored paths resolve against the folder in use.
mkdir -p "$scratch/work"
cp -r "$sample" "$scratch/work/dat"
cp -r "$XDG_DATA_HOME/zeku/user" "$scratch/work/user"
cd "$scratch/work"
expect "paths with dat/" "$(printf 'dat\t%s\nuser\t%s' "$scratch/work/dat" "$scratch/work/user")" "$("$data" paths)"
"$data" history show 0 >"$scratch/shown-work.txt" || fail "history show 0 from the copied user folder"
cmp -s "$scratch/shown-xdg.txt" "$scratch/shown-work.txt" || fail "the copied history entry reads differently"
echo "$condition" | "$search" --save "二件目" - >/dev/null 2>&1 || fail "second search with --save"
expect "history in work/user" 2 "$("$data" history | wc -l)"
expect "history under XDG_DATA_HOME" 1 "$("$data" --user "$XDG_DATA_HOME/zeku/user" history | wc -l)"
rm "$scratch/work/dat/Jewel.xml"
"$search" >/dev/null 2>"$scratch/missing.txt" && fail "a dat/ without Jewel.xml was not used"
grep -q "装飾品データファイルがありません" "$scratch/missing.txt" || fail "no jewel message: $(cat "$scratch/missing.txt")"

# 5. A dat/ under XDG_DATA_HOME replaces the installed sample.
cp -r "$sample" "$XDG_DATA_HOME/zeku/dat"
cd "$scratch/empty"
expect "paths with an XDG dat/" "$(printf 'dat\t%s\nuser\t%s' "$XDG_DATA_HOME/zeku/dat" "$XDG_DATA_HOME/zeku/user")" \
    "$("$data" paths)"
rm "$XDG_DATA_HOME/zeku/dat/SkillBase.xml"
"$search" >/dev/null 2>"$scratch/missing.txt" && fail "the dat/ under XDG_DATA_HOME was not used"
grep -q "スキルデータファイルがありません" "$scratch/missing.txt" || fail "no skill message: $(cat "$scratch/missing.txt")"

if [ "$failures" -ne 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "all checks passed"
