#!/usr/bin/env bash
# What Orca says while an exercise of each kind is worked to its end by keyboard,
# on a virtual screen with its own D-Bus and accessibility bus.
#   tools/listen.sh [column|race|division|multiplication ...]   (all four by default)
# Needs: apt-get install orca at-spi2-core xdotool xvfb dbus
# Prints, for each, what Orca said from the first key to the end ("SPEECH OUTPUT").
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="${CUENTAS_BIN:-$here/../build/bin/cuentas}"
out="$(mktemp -d)"
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${1:-}" != "--inside" ]; then
  for scenario in "${@:-column race division multiplication}"; do
    for s in $scenario; do
      timeout 180 dbus-run-session -- "$0" --inside "$s" "$out/$s.log" 2>/dev/null
    done
  done
  exit 0
fi
shift
scenario="$1" log="$2"
source "$here/xvfb.sh" :97
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 1
orca -d speech --debug-file "$log" >/dev/null 2>&1 &
orca=$!
sleep 4
"$bin" >/dev/null 2>&1 &
app=$!
cleanup() { kill $app $orca $bus 2>/dev/null || true; }
sleep 2
python3 "$here/listen.py" "$log" "$scenario"
