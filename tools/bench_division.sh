#!/usr/bin/env bash
# CPU use of the program under Xvfb in the division window: sitting idle for
# 10 s with its 500 ms timer, then over the one-second flash of a wrong digit.
# Usage: tools/bench_division.sh [path/to/cuentas]   (needs xvfb and xdotool)
set -euo pipefail
source "$(dirname "$0")/session.sh"
at 487 1327  # division in the main window
at 472 3457  # its launcher opens the division window
at 7447 3187 # Empezar
echo "division window idle: $(measure 10) % of one core"
# A 9 in the first remainder cell is always wrong at level 0; the first arrow
# (above column 1 or 2, whichever the division needs) checks it and it flashes.
for _ in 1 2 3 4 5 6 7 8 9; do at 1867 2287; done
at 2467 427
at 3067 427
echo "over the flash: $(measure 1) % of one core"
