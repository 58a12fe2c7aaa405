#!/usr/bin/env bash
# Fails when a class of the program has more than 30 member functions: a class
# that big holds more than one role and is to be split. Every distinct member
# name counts once (overloads share a name), constructors and destructor too.
limit=30
folders=(platform data search userfiles report cli ui app tools)
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"
ctags=$(command -v ctags-universal)
present=()
for folder in "${folders[@]}"; do [ -d "$folder" ] && present+=("$folder"); done

# One line per member function: its class, a tab, its name.
"$ctags" -R --languages=C++ --kinds-C++=+pf --fields=+s --extras=-q -f - "${present[@]}" |
    awk -F'\t' '{
        scope = ""
        for (i = 4; i <= NF; i++)
            if ($i ~ /^(class|struct):/) scope = substr($i, index($i, ":") + 1)
        if (($4 == "p" || $4 == "f") && scope != "") print scope "\t" $1
    }' | sort -u | cut -f1 | sort | uniq -c |
    awk -v limit="$limit" '$1 > limit { print "FAIL: " $2 " has " $1 " member functions (at most " limit ")"; bad = 1 }
                           END { exit bad }'
