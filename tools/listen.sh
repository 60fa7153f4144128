#!/usr/bin/env bash
# What Orca says while exercises are worked to their end by keyboard, on a
# virtual screen with its own D-Bus and accessibility bus.
#   tools/listen.sh [--times N] [--walker] [--slow] [column|race|division|multiplication|class|chooser ...]
# The four exercise windows by default, each worked N times in a row (1 by default; right and
# wrong in turn) in one run of Orca and the program. With --walker a second
# accessibility client (tools/walk_tree.py) walks the whole tree every 0.3 s
# meanwhile, as an inspector or a test driver does. With --slow Orca runs only
# a fifth of the time (stopped 0.4 s, let go 0.1 s), as on a busy computer, and
# falls seconds behind the program.
# Prints, for each scenario, what Orca said at each ending and any verdict it
# did not say, then how many of the endings and of the steps' verdicts it said.
# The display is $LISTEN_DISPLAY (:97 by default). Orca's logs stay in the
# folder printed first. The class scenario (the teacher's door, the PIN and the
# class window on a small class made by bench_class, built with the tests) and
# the chooser scenario (the presentation window's languages) have no ending:
# what Orca said at each step is printed.
# Needs: apt-get install orca at-spi2-core xdotool xvfb dbus
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="${CUENTAS_BIN:-$here/../build/bin/cuentas}"
if [ "${1:-}" != "--inside" ]; then
  times=1 walker=0 slow=0 quiet=
  while [ $# -gt 0 ]; do
    case "$1" in
      --times) times="$2"; shift 2 ;;
      --walker) walker=1; shift ;;
      --slow) slow=1; shift ;;
      *) break ;;
    esac
  done
  [ "$times" -gt 1 ] && quiet=--quiet
  # One virtual screen for the whole run.
  source "$here/xvfb.sh" "${LISTEN_DISPLAY:-:97}"
  isolate=
  unshare -pf --kill-child --mount-proc true 2>/dev/null && isolate="unshare -pf --kill-child --mount-proc"
  out="$(mktemp -d)"
  echo "logs: $out"
  for s in ${@:-column race division multiplication}; do
    echo "=== $s, $times times$([ $walker = 1 ] && echo ', with a second client walking the tree')$([ $slow = 1 ] && echo ', Orca slowed')"
    # In a process namespace of its own where it can: Orca will not start
    # while it sees another Orca of the same user, someone else's included.
    $isolate timeout $((300 + 120 * times)) dbus-run-session -- "$0" --inside "$s" "$out/$s" "$times" "$walker" "$slow" 2>"$out/$s.err" || true
    python3 "$here/listen.py" count "$out/$s.log" "$out/$s.endings" $quiet
  done
  exit 0
fi
shift
scenario="$1" base="$2" times="$3" walker="$4" slow="$5"
# The program keeps its history in a folder of the script's own; the class
# window is heard on a small class made by bench_class.
export XDG_DATA_HOME="$base-data"
if [ "$scenario" = class ]; then
  QT_QPA_PLATFORM=offscreen "$(dirname "$bin")/bench_class" --sample "$base.cuentas" 3 5 4 >/dev/null 2>&1
  "$bin" --import "$base.cuentas" >/dev/null
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
pids=()
cleanup() {
  # Orca's log is written line by line, so nothing is lost however it ends (and
  # an idle Orca would not even notice a gentler request before its next event).
  [ ${#pids[@]} -gt 1 ] && kill -KILL "${pids[1]}" 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  pids=()
}
trap cleanup EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1
# Orca, its log written line by line, so that the driver reads what it says as it says it.
/usr/bin/python3 -c 'import builtins, runpy, sys
log, plain = sys.argv[-1], builtins.open
builtins.open = lambda f, *a, **k: plain(f, *a, **dict(k, buffering=1)) if f == log else plain(f, *a, **k)
sys.argv[0] = "orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")' -d speech --debug-file "$base.log" >/dev/null 2>&1 &
pids+=($!)
sleep 4
"$bin" >/dev/null 2>&1 &
pids+=($!)
if [ "$slow" = 1 ]; then
  ( while kill -STOP "${pids[1]}" 2>/dev/null; do sleep 0.4; kill -CONT "${pids[1]}"; sleep 0.1; done ) &
  pids+=($!)
fi
if [ "$walker" = 1 ]; then
  /usr/bin/python3 "$here/walk_tree.py" >"$base.walker" 2>&1 &
  pids+=($!)
fi
sleep 2
python3 "$here/listen.py" drive "$base.log" "$scenario" "$times" "$base.endings"
