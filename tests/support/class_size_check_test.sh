#!/usr/bin/env bash
# The class-size check against made-up sources: a class of exactly 30 member
# functions passes, one of 31 fails and is named; overloads share one name,
# and a member defined in a .cpp counts once with its declaration.
set -euo pipefail
check="$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/ui" "$tree/search"

# Writes class NAME with N member functions declared in a header.
write_class() {
    local name=$1 count=$2 file=$3
    {
        echo "class $name {"
        echo "public:"
        for i in $(seq "$count"); do echo "    void member$i();"; done
        echo "    void member1(int overload);"
        echo "};"
    } >"$file"
}
write_class AtTheLimit 30 "$tree/ui/AtTheLimit.h"
echo "void AtTheLimit::member1() {}" >"$tree/ui/AtTheLimit.cpp"
write_class OverTheLimit 31 "$tree/search/OverTheLimit.h"

set +e
output=$(bash "$check" "$tree" 2>&1)
status=$?
set -e
echo "$output"
[ "$status" -ne 0 ] || { echo "FAIL: a class of 31 member functions passed"; exit 1; }
grep -q "OverTheLimit has 31 member functions" <<<"$output" || { echo "FAIL: the class over the limit is not named"; exit 1; }
if grep -q "AtTheLimit" <<<"$output"; then echo "FAIL: a class of exactly 30 was refused"; exit 1; fi
rm "$tree/search/OverTheLimit.h"
bash "$check" "$tree" || { echo "FAIL: a tree within the limit was refused"; exit 1; }
echo "class-size check: 30 pass, 31 fail"
