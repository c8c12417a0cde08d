#!/usr/bin/env bash
# 1,000 ticks of the real window with a student at the controls, under
# memcheck: any invalid access or definite leak fails.
set -euo pipefail
QUORVANE_SOAK_TICKS=1000 exec valgrind --tool=memcheck --leak-check=full \
    --errors-for-leak-kinds=definite --error-exitcode=1 --quiet \
    "$1" --gtest_filter='Soak.FortyThousand*'
