#!/usr/bin/env bash
# Runs a test program under memcheck: any invalid access, use of an
# uninitialised value or definite leak fails it. The program's own leaks and
# errors are never suppressed; the system libraries have needed no suppression.
#   under_valgrind.sh VALGRIND PROGRAM [ARGS...]
set -euo pipefail
valgrind=$1
shift
exec "$valgrind" --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
    --error-exitcode=1 --num-callers=30 "$@"
