#!/usr/bin/env bash
# Line coverage of src/ by the test suite: builds with gcov instrumentation in
# build-coverage/, runs every test but the package check, and prints gcovr's
# summary (a per-file table with --files). Needs Debian's gcovr.
# Usage: tools/coverage.sh [--files]
set -euo pipefail
cd "$(dirname "$0")/.."
command -v gcovr >/dev/null || { echo "gcovr is needed: apt-get install gcovr" >&2; exit 1; }
dir=build-coverage
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DCUENTAS_TESTS=ON \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$dir" -j"$(nproc)" >/dev/null
find "$dir" -name '*.gcda' -delete
(cd "$dir" && QT_QPA_PLATFORM=offscreen ctest -E '^package$' --no-tests=error -j"$(nproc)" >/dev/null)
if [ "${1:-}" = "--files" ]; then
  gcovr -r . --filter 'src/' "$dir"
else
  gcovr -r . --filter 'src/' "$dir" | tail -n 3
fi
