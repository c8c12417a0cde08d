#!/usr/bin/env bash
# An unknown or malformed locale starts the program in English without a word
# on either stream: it runs until stopped, and prints nothing meanwhile.
#   quiet_locale_test.sh PROGRAM
set -uo pipefail
program=$1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
status=0
for locale in xx_YY garbage de_DE.UTF-8 zh_CN.UTF-8; do
    # Two seconds is many frames; the program is stopped, not ended by itself.
    output=$(env -u LANGUAGE -u LC_ALL -u FC_LANG LANG=$locale timeout 2 "$program" 2>&1)
    code=$?
    if ((code != 124)); then
        echo "LANG=$locale: ended by itself with $code"
        status=1
    fi
    if [[ -n $output ]]; then
        echo "LANG=$locale printed: $output"
        status=1
    fi
done
exit $status
