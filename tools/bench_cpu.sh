#!/usr/bin/env bash
# CPU use of the program under Xvfb over 10 s: sitting idle on the main window,
# then during a race at speed 3. Usage: tools/bench_cpu.sh [path/to/cuentas]
# (needs xvfb and xdotool)
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
# The presentation window is centred: type a name and accept it.
xdotool key --delay 50 A n a Return
sleep 1.5
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
hz=$(getconf CLK_TCK)
measure() {
  local a b
  a=$(ticks); sleep 10; b=$(ticks)
  awk -v a="$a" -v b="$b" -v hz="$hz" 'BEGIN { printf "%.2f", 100 * (b - a) / hz / 10 }'
}
echo "idle: $(measure) % of one core"
# The main window is centred too; its race switch and speed-3 button, in twips.
x0=$(( (1024 - 645) / 2 )); y0=$(( (768 - 491) / 2 ))
xdotool mousemove $((x0 + 1327 / 15)) $((y0 + 2167 / 15)) click 1
sleep 0.3
xdotool mousemove $((x0 + 1327 / 15)) $((y0 + 5167 / 15)) click 1
sleep 0.5
echo "race at speed 3: $(measure) % of one core"
