#!/usr/bin/env bash
# Fails when a window text escapes the translation system: lupdate's own
# warnings, a non-ASCII string literal in the given source folders that is not
# the source text of tr(), translate(), QT_TR_NOOP or QT_TRANSLATE_NOOP, a
# text lupdate finds that zeku_en.ts does not translate, or an unfinished or
# left-over entry in zeku_en.ts itself.
# Usage: translation_check.sh LUPDATE SOURCE_DIR TS_FILE FOLDER...
set -uo pipefail
lupdate=$1 source_dir=$2 ts_file=$3
shift 3
folders=("$@")
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$source_dir" || exit 1

# 1. The committed translation: every entry finished, none left behind by a
#    text that is gone from the sources.
if grep -nE 'type="(unfinished|vanished|obsolete)"' "$ts_file"; then
    echo "FAIL: $ts_file has unfinished or left-over entries (above)"
    status=1
fi

# 2. lupdate over the folders, into a copy: a warning, or a text the copy
#    gains as unfinished, is a text the translation does not cover.
cp "$ts_file" "$work/check.ts"
"$lupdate" -I . -no-obsolete -locations none "${folders[@]}" -ts "$work/check.ts" >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log"; echo "FAIL: lupdate failed"; status=1; }
if grep -E '^[^ ]+:[0-9]+: ' "$work/lupdate.log"; then
    echo "FAIL: lupdate warned (above)"
    status=1
fi
if grep -B3 'type="unfinished"' "$work/check.ts" | grep '<source>'; then
    echo "FAIL: texts above are not translated in $ts_file"
    status=1
fi
if ! grep -q '<source>' "$work/check.ts"; then
    echo "FAIL: lupdate found no text at all"
    status=1
fi

# 3. Non-ASCII literals outside the translation calls. Comments are dropped
#    first; adjacent literals continue the one before them. Literals of slot
#    marks, the branch marks of a skill tree list (┣┗) and numbers only
#    (●○, %1) are data formatting, not words.
files=$(find "${folders[@]}" -name '*.cpp' -o -name '*.h' | sort)
# shellcheck disable=SC2086
perl -CSD -e 'use utf8;
    my $bad = 0;
    for my $file (@ARGV) {
        open(my $fh, "<:encoding(UTF-8)", $file) or die "$file: $!";
        local $/; my $text = <$fh>; close $fh;
        # Blank out comments, keeping string literals and line numbers.
        $text =~ s{("(?:[^"\\\n]|\\.)*"|'"'"'(?:[^'"'"'\\\n]|\\.)*'"'"')|//[^\n]*|/\*.*?\*/}{
            defined $1 ? $1 : ($& =~ s/[^\n]/ /gr)}gse;
        my $before = "";
        my $last = 0;
        while ($text =~ /(?:\b(?:u8|u|U|L))?"((?:[^"\\\n]|\\.)*)"/g) {
            my ($lit, $start, $end) = ($1, $-[0], $+[0]);
            $before .= substr($text, $last, $start - $last);
            $last = $end;
            my $context = $before;
            # Skip the literals this one continues.
            $context =~ s/(?:"(?:[^"\\\n]|\\.)*"\s*)+$//;
            my $allowed = $context =~ /(?:\btr|\bQT_TR_NOOP)\(\s*$/ ||
                          $context =~ /(?:\btranslate|\bQT_TRANSLATE_NOOP)\(\s*"[^"]*"\s*,\s*$/;
            $before .= substr($text, $start, $end - $start);
            next unless $lit =~ /[^\x00-\x7f]/;
            next if $lit =~ /^[●○┣┗ %0-9]+$/;
            next if $allowed;
            my $line = 1 + (substr($text, 0, $start) =~ tr/\n//);
            print "$file:$line: text outside the translation system: \"$lit\"\n";
            $bad = 1;
        }
    }
    exit $bad;
' $files || { echo "FAIL: texts above are not translatable"; status=1; }

[ $status -eq 0 ] && echo "translation check passed ($(grep -c '<source>' "$work/check.ts") texts)"
exit $status
