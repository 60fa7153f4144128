#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: once in the
# normal build (build/, the same folder ./run.sh uses, with the tests switched
# on whatever was built there before), once with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-sanitize/). A pass that finds no test fails.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs="$(nproc)"

for pass in "build -DCMAKE_BUILD_TYPE=RelWithDebInfo" "build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCUENTAS_SANITIZE=ON"; do
  read -r dir options <<<"$pass"
  # shellcheck disable=SC2086
  cmake -S . -B "$dir" $options -DCUENTAS_TESTS=ON > /dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure --no-tests=error -j"$jobs")
done
