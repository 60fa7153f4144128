#!/usr/bin/env bash
# What Orca says while an exercise of each kind is worked to its end by keyboard,
# on a virtual screen with its own D-Bus and accessibility bus.
#   tools/listen.sh [column|race|division|multiplication|class ...]   (all five by default)
#   XVFB_DISPLAY=:n runs the virtual screen on display :n (default :97).
# Needs: apt-get install orca at-spi2-core xdotool xvfb dbus
# Prints, for each, what Orca said from the first key to the end ("SPEECH OUTPUT").
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="${CUENTAS_BIN:-$here/../build/bin/cuentas}"
out="$(mktemp -d)"
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${1:-}" != "--inside" ]; then
  for scenario in "${@:-column race division multiplication class}"; do
    for s in $scenario; do
      timeout 180 dbus-run-session -- "$0" --inside "$s" "$out/$s.log" 2>/dev/null
    done
  done
  exit 0
fi
shift
scenario="$1" log="$2"
source "$here/xvfb.sh" "${XVFB_DISPLAY:-:97}"
# The program keeps its history in a folder of the script's own; the class
# window is heard on a small class made by bench_class (built with the tests).
export XDG_DATA_HOME="$(dirname "$log")/data-$scenario"
if [ "$scenario" = class ]; then
  QT_QPA_PLATFORM=offscreen "$(dirname "$bin")/bench_class" --sample "$XDG_DATA_HOME.cuentas" 3 5 4 >/dev/null 2>&1
  "$bin" --import "$XDG_DATA_HOME.cuentas" >/dev/null
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 1
# Orca will not start while another Orca of this user runs, even one on another
# display with a bus of its own (it asks pgrep): this one has a session of its
# own. Its log is written line by line, so that what it says is read at once.
/usr/bin/python3 -c '
import builtins, runpy, subprocess, sys
popen, plain, log = subprocess.Popen, builtins.open, sys.argv[-1]
class NoOtherOrca(popen):
    def __init__(self, args, *rest, **kw):
        super().__init__("true" if str(args).startswith("pgrep") else args, *rest, **kw)
subprocess.Popen = NoOtherOrca
builtins.open = lambda f, *a, **k: plain(f, *a, **dict(k, buffering=1)) if f == log else plain(f, *a, **k)
sys.argv[0] = "orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")' -d speech --debug-file "$log" >/dev/null 2>&1 &
orca=$!
sleep 4
"$bin" >/dev/null 2>&1 &
app=$!
cleanup() { kill $app $orca $bus 2>/dev/null || true; }
sleep 2
python3 "$here/listen.py" "$log" "$scenario"
