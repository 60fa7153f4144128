#!/usr/bin/env bash
# CPU use of the program under Xvfb in the division window: sitting idle for
# 10 s with its 500 ms timer, then over the one-second flash of a wrong digit.
# Usage: tools/bench_division.sh [path/to/cuentas]   (needs xvfb and xdotool)
set -euo pipefail
command -v xdotool >/dev/null || { echo "xdotool is needed: apt-get install xdotool" >&2; exit 1; }
bin="${1:-$(dirname "$0")/../build/bin/cuentas}"
display=":98"
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"
"$bin" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid $xvfb 2>/dev/null' EXIT
sleep 1.5
xdotool key --delay 50 A n a Return
sleep 1.5
# CPU time in nanoseconds, from the scheduler's own count.
cpu_ns() { awk '{print $1}' /proc/$pid/schedstat; }
measure() { # seconds
  local a b
  a=$(cpu_ns); sleep "$1"; b=$(cpu_ns)
  awk -v a="$a" -v b="$b" -v s="$1" 'BEGIN { printf "%.2f", 100 * (b - a) / 1e9 / s }'
}
# The windows are centred; positions in twips from the window's corner.
x0=$(( (1024 - 645) / 2 )); y0=$(( (768 - 491) / 2 ))
at() { xdotool mousemove $((x0 + $1 / 15)) $((y0 + $2 / 15)) click "${3:-1}"; sleep 0.2; }
at 487 1327    # division in the main window
at 472 3457    # its launcher opens the division window
at 7447 3187   # Empezar
echo "division window idle: $(measure 10) % of one core"
# A 9 in the first remainder cell is always wrong at level 0; the first arrow
# (above column 1 or 2, whichever the division needs) checks it and it flashes.
for _ in 1 2 3 4 5 6 7 8 9; do at 1867 2287; done
at 2467 427
at 3067 427
echo "over the flash: $(measure 1) % of one core"
