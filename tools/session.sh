# Sourced by the benchmarks: starts the program under Xvfb past its name window,
# and gives `at X Y` (a click, in twips from the main window's corner) and
# `measure SECONDS` (the program's CPU use over that time, in % of one core).
command -v xdotool >/dev/null || { echo "xdotool is needed: apt-get install xdotool" >&2; exit 1; }
bin="${1:-$(dirname "$0")/../build/bin/cuentas}"
cleanup() { kill $pid 2>/dev/null; }
source "$(dirname "$0")/xvfb.sh" :98
"$bin" >/dev/null 2>&1 &
pid=$!
sleep 1.5
# The presentation window is centred: type a name and accept it.
xdotool key --delay 50 A n a Return
sleep 1.5

# The main window is centred too, and the exercise windows open over it.
x0=$(( (1024 - 645) / 2 )); y0=$(( (768 - 491) / 2 ))
at() { xdotool mousemove $((x0 + $1 / 15)) $((y0 + $2 / 15)) click 1; sleep 0.2; }

# CPU time from the scheduler's own count, in nanoseconds.
cpu_ns() { awk '{print $1}' /proc/$pid/schedstat; }
measure() {
  local a b
  a=$(cpu_ns); sleep "$1"; b=$(cpu_ns)
  awk -v a="$a" -v b="$b" -v s="$1" 'BEGIN { printf "%.2f", 100 * (b - a) / 1e9 / s }'
}
