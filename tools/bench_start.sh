#!/usr/bin/env bash
# Starts a bare Qt Widgets window and the built program under Xvfb, ten times
# each in turn, and reports for both the median time from launch until the first
# window is mapped and the resident memory after start-up, and their ratios; and
# the same for a bare window holding what the presentation window shows.
# Usage: tools/bench_start.sh [path/to/cuentas] [runs]   (needs xvfb, xdotool, g++ and qt6-base-dev)
#   COLD=1 drops the page cache before every start (as root), for a cold start.
#   HISTORY=FILE starts the program on a copy of that history (it is opened once the first window is drawn).
#   XVFB_DISPLAY=:n runs the virtual screen on display :n (default :97).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="${1:-$here/../build/bin/cuentas}"
runs="${2:-10}"
bare="$(dirname "$bin")/bare_window"
if [ ! -x "$bare" ] || [ "$here/bare_window.cpp" -nt "$bare" ]; then
  # shellcheck disable=SC2046
  g++ -O2 -fPIC -std=c++17 "$here/bare_window.cpp" -o "$bare" $(pkg-config --cflags --libs Qt6Widgets)
fi
source "$here/xvfb.sh" "${XVFB_DISPLAY:-:97}"
# The program keeps its history in a data folder of the benchmark's own (HISTORY=FILE: a copy of that history).
data="$(mktemp -d)"
cleanup() { rm -rf "$data"; }
export XDG_DATA_HOME="$data"

# One start: milliseconds to the mapped window, then the resident memory in kB a second later.
start() {
  local program="$1" begin end pid
  [ -n "${COLD:-}" ] && { sync; echo 3 > /proc/sys/vm/drop_caches; }
  if [ -n "${HISTORY:-}" ]; then mkdir -p "$data/Cuentas"; cp "$HISTORY" "$data/Cuentas/cuentas.sqlite"; fi
  begin=$(date +%s%N)
  $program >/dev/null 2>&1 &
  pid=$!
  # its first window on screen, whatever its title (the language chosen last names it)
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    sleep 0.002
  done
  end=$(date +%s%N)
  sleep 1
  echo "$(( (end - begin) / 1000000 )) $(awk '/VmRSS/ {print $2}' /proc/$pid/status)"
  kill $pid; wait $pid 2>/dev/null || true
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

card="$here/../src/ui/pictures/card.png"
declare -a bare_ms bare_kb our_ms our_kb like_ms like_kb
for run in $(seq "$runs"); do
  read -r ms kb < <(start "$bare"); bare_ms+=("$ms"); bare_kb+=("$kb")
  read -r ms kb < <(start "$bare --controls $card"); like_ms+=("$ms"); like_kb+=("$kb")
  read -r ms kb < <(start "$bin"); our_ms+=("$ms"); our_kb+=("$kb")
done

report() {
  local name="$1" b="$2" o="$3"
  awk -v n="$name" -v b="$b" -v o="$o" 'BEGIN { printf "%-34s bare %8.1f   Cuentas %8.1f   ratio %.2f\n", n, b, o, o / b }'
}
echo "start to window mapped, ms (bare):    ${bare_ms[*]}"
echo "start to window mapped, ms (Cuentas): ${our_ms[*]}"
report "median time to the first window, ms" "$(median "${bare_ms[@]}")" "$(median "${our_ms[@]}")"
mb() { awk -v k="$(median "$@")" 'BEGIN{print k/1024}'; }
report "median resident memory, MB" "$(mb "${bare_kb[@]}")" "$(mb "${our_kb[@]}")"
echo "a bare window with the presentation window's picture, label, text box and button:"
report "median time to the first window, ms" "$(median "${like_ms[@]}")" "$(median "${our_ms[@]}")"
report "median resident memory, MB" "$(mb "${like_kb[@]}")" "$(mb "${our_kb[@]}")"
