#!/usr/bin/env bash
# Builds the Debian package with cpack, checks its fields, dependencies and
# file list with dpkg-deb, unpacks it into a scratch folder (nothing is
# installed into the machine) and runs the unpacked zeku-search and zeku-data
# from a folder without dat/: they must find the sample unpacked beside them.
# Last, dpkg installs and purges it inside a scratch root of its own.
#
# usage: deb_package.sh BUILD_DIR SCRATCH SAMPLE_DAT
set -euo pipefail

build="$1"
scratch="$2"
sample="$3"
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch/empty" "$scratch/home"
scratch="$(realpath "$scratch")"
export XDG_DATA_HOME="$scratch/xdg" HOME="$scratch/home"

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" -G DEB >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    exit 1
}
deb="$(ls "$scratch"/out/*.deb)"
echo "package: $deb"

# 1. Control fields; the dependencies were computed from the binaries.
[ "$(dpkg-deb -f "$deb" Package)" == zeku ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" == 0.047 ] || fail "version"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for library in libc6 libstdc++6 libpugixml1v5 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ "$depends" == *"$library ("* ]] || fail "Depends lacks $library"
done

# 2. The file list, exactly.
expected="$(
    printf './usr/bin/%s\n' zeku zeku-data zeku-search
    printf './usr/share/applications/org.zeku.Zeku.desktop\n'
    printf './usr/share/bash-completion/completions/%s\n' zeku-data zeku-search
    printf './usr/share/doc/zeku/copyright\n'
    for size in 128 16 24 256 32 48 64; do
        printf './usr/share/icons/hicolor/%sx%s/apps/org.zeku.Zeku.png\n' "$size" "$size"
    done
    printf './usr/share/icons/hicolor/scalable/apps/org.zeku.Zeku.svg\n'
    printf './usr/share/man/man1/%s.1.gz\n' zeku-data zeku-search
    printf './usr/share/metainfo/org.zeku.Zeku.metainfo.xml\n'
    printf './usr/share/zeku/dat/%s.xml\n' EquipArm EquipBody EquipHead EquipLeg EquipWst Jewel SkillBase
)"
actual="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort)"
if [ "$actual" != "$(LC_ALL=C sort <<<"$expected")" ]; then
    fail "file list differs:"
    diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual") || true
fi

# 3. The licence: the machine-readable copyright file carries the MIT text of
#    LICENSE, and lintian finds nothing to say about it.
copyright="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/zeku/copyright)"
licence_in_copyright="$(awk '/^License: Expat$/ { n++; next } n == 2' <<<"$copyright" | sed 's/^ \.$//; s/^ //')"
licence_in_repo="$(sed -n '/^Permission/,$p' "$(dirname "$0")/../../LICENSE")"
[ -n "$licence_in_repo" ] && [ "$licence_in_copyright" == "$licence_in_repo" ] ||
    fail "the copyright file's Expat (MIT) text differs from LICENSE"
tags="$(lintian "$deb" 2>/dev/null | grep -i copyright || true)"
[ -z "$tags" ] || fail "lintian on the copyright: $tags"

# 4. Unpacked and run from a folder without dat/.
dpkg-deb -x "$deb" "$scratch/root"
cd "$scratch/empty"
paths="$("$scratch/root/usr/bin/zeku-data" paths)"
[ "$paths" == "$(printf 'dat\t%s\nuser\t%s' "$scratch/root/usr/share/zeku/dat" "$XDG_DATA_HOME/zeku/user")" ] ||
    fail "unpacked paths: $paths"
counts="$("$scratch/root/usr/bin/zeku-search")" || fail "the unpacked zeku-search did not load the sample"
[ "$counts" == "$("$scratch/root/usr/bin/zeku-search" --dat "$sample")" ] || fail "counts differ from dat/: $counts"
results="$(echo '{"sex": 2, "job": 2, "skills": [[1, 10]], "max_results": 2}' |
    "$scratch/root/usr/bin/zeku-search" - 2>/dev/null | wc -l)"
[ "$results" == 2 ] || fail "the unpacked zeku-search found $results results instead of 2"

# 5. Installed and purged by dpkg into a scratch root with its own database
#    (the libraries it depends on are not in that database, hence --force-depends):
#    every packaged file lands, and purging leaves nothing but dpkg's own records.
dpkg_root=(dpkg --root="$scratch/dpkg-root" --force-not-root --force-depends --log=/dev/null)
mkdir -p "$scratch/dpkg-root/var/lib/dpkg/info" "$scratch/dpkg-root/var/lib/dpkg/updates"
touch "$scratch/dpkg-root/var/lib/dpkg/status"
"${dpkg_root[@]}" -i "$deb" >"$scratch/dpkg-install.log" 2>&1 || fail "dpkg could not install the package"
installed="$(cd "$scratch/dpkg-root" && find . -path ./var/lib/dpkg -prune -o ! -type d -print | LC_ALL=C sort)"
[ "$installed" == "$(LC_ALL=C sort <<<"$expected")" ] || fail "dpkg installed other files: $installed"
"${dpkg_root[@]}" --purge zeku >"$scratch/dpkg-purge.log" 2>&1 || fail "dpkg could not remove the package"
left="$(cd "$scratch/dpkg-root" && find . -mindepth 1 ! -path ./var ! -path ./var/lib ! -path './var/lib/dpkg*')"
[ -z "$left" ] || fail "purging left: $left"

if [ "$failures" -ne 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "all checks passed"
