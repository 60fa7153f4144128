#!/usr/bin/env bash
# Starts the built program under Xvfb ten times and reports the median time from
# launch until the presentation window is mapped, and the resident memory after start-up.
# Usage: tools/bench_start.sh [path/to/cuentas]   (needs xvfb and x11-utils)
set -euo pipefail
bin="${1:-$(dirname "$0")/../build/bin/cuentas}"
source "$(dirname "$0")/xvfb.sh" :97

times=()
rss=()
for run in $(seq 10); do
  start=$(date +%s%N)
  "$bin" >/dev/null 2>&1 &
  pid=$!
  until xwininfo -name "$(printf 'Cuentas 2.2 - equipo de Cuentas, cuentas@example.org')" 2>/dev/null | grep -q IsViewable; do
    sleep 0.002
  done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  sleep 1
  rss+=($(awk '/VmRSS/ {print $2}' /proc/$pid/status))
  kill $pid; wait $pid 2>/dev/null || true
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
echo "start to window mapped, ms: ${times[*]}"
echo "median: $(median "${times[@]}") ms"
echo "resident memory after start-up, median: $(( $(median "${rss[@]}" | cut -d. -f1) / 1024 )) MB"
