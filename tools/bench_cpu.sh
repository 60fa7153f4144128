#!/usr/bin/env bash
# CPU use of the program under Xvfb over 10 s: sitting idle on the main window,
# then during a race at speed 3. Usage: tools/bench_cpu.sh [path/to/cuentas]
# (needs xvfb and xdotool)
set -euo pipefail
source "$(dirname "$0")/session.sh"
echo "idle: $(measure 10) % of one core"
at 1327 2167 # race switch
at 1327 5167 # speed 3
sleep 0.3
echo "race at speed 3: $(measure 10) % of one core"
