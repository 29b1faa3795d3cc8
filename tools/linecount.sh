#!/usr/bin/env bash
# Prints the lines of the program and of its tests, and how the two compare.
#   program: platform/ engine/ exercises/ shell/ app/ (C++)
#   tests:   tests/ and testsupport/ (C++, scripts and their CMake files; not tests/data/)
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name 'CMakeLists.txt' \) \
              -not -path 'tests/data/*' -print0 | xargs -0 cat | wc -l; }
program=$(find platform engine exercises shell app -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | wc -l)
tests=$(count tests testsupport)
awk -v p="$program" -v t="$tests" 'BEGIN { printf "lines: program %d, tests %d, ratio %.2f\n", p, t, t / p }'
