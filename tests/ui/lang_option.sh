#!/usr/bin/env bash
# `zeku --lang` with a value it does not know, or none, ends at once with
# status 2 and says why on standard error, before a display is needed.
# Usage: lang_option.sh ZEKU
zeku=$1
status=0
check() {
    local out rc
    out=$(env -u DISPLAY QT_QPA_PLATFORM=none "$zeku" "$@" 2>&1 </dev/null)
    rc=$?
    if [ $rc -ne 2 ] || ! grep -q 'unknown language' <<<"$out"; then
        echo "FAIL: zeku $*: status $rc, said: $out"
        status=1
    fi
}
check --lang fr
check --lang EN
check --lang=de
check --lang=
check --lang
check --lang en --lang xx
exit $status
