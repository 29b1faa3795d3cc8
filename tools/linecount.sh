#!/usr/bin/env bash
# Prints the lines of the program and of its tests, and how the two compare.
#   program: model/ platform/ engine/ exercises/ shell/ app/ (C++)
#   tests:   tests/ and testsupport/ (C++ and scripts; not tests/data/ nor the build files)
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \) \
              -not -path 'tests/data/*' -print0 | xargs -0 cat | wc -l; }
program=$(count model platform engine exercises shell app)
tests=$(count tests testsupport)
awk -v p="$program" -v t="$tests" 'BEGIN { printf "lines: program %d, tests %d, ratio %.2f\n", p, t, t / p }'
