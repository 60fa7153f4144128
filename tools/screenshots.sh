#!/usr/bin/env bash
# Screenshots of every window in one language, to look at for clipped captions.
# The program keeps its history in a folder of the script's own, with a small
# class made by bench_class (built with the tests) for the teacher's windows.
#   tools/screenshots.sh CODE SCALE OUTDIR [DISPLAY]    e.g. tools/screenshots.sh eu 2 /tmp/shots :51
# CODE is es, ca, eu or gl (the desktop's language the program follows the
# first time), SCALE 1 or 2. Needs xdotool, imagemagick and Xvfb.
set -euo pipefail
code="$1" scale="$2" out="$3" display="${4:-:99}"
here="$(cd "$(dirname "$0")" && pwd)"
bin="${CUENTAS_BIN:-$here/../build/bin/cuentas}"
mkdir -p "$out"
w=$((1024 * scale)) h=$((768 * scale))
Xvfb "$display" -screen 0 ${w}x${h}x24 >/dev/null 2>&1 &
xvfb=$!
data="$(mktemp -d)"
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$data"' EXIT
sleep 1
export DISPLAY="$display" XDG_DATA_HOME="$data"
QT_QPA_PLATFORM=offscreen "$(dirname "$bin")/bench_class" --sample "$data/clase.cuentas" 3 5 4 >/dev/null 2>&1
"$bin" --import "$data/clase.cuentas" >/dev/null
LC_ALL= LC_MESSAGES= LANG="${code}_ES.UTF-8" QT_SCALE_FACTOR="$scale" "$bin" >/dev/null 2>&1 &
app=$!
sleep 2
shot() { sleep 0.8; import -window root "$out/$code-${scale}x-$1.png"; }
# The main window is centred; its controls are given in twips from its corner.
x0=$(( (w - 645 * scale) / 2 )); y0=$(( (h - 491 * scale) / 2 ))
at() { xdotool mousemove $((x0 + ($1 + 100) * scale / 15)) $((y0 + ($2 + 100) * scale / 15)) click 1; sleep 0.4; }
shot 1-presentation
xdotool key Return # no name: the button asks for one
shot 2-asking
xdotool type --delay 50 "Ane"
xdotool key Return
shot 3-main
at 7320 3480  # check the empty answer: the verdict on the button, a results line
shot 3-verdict
at 960 960    # multiplication
at 960 1800   # the race switch
shot 4-main-multiplication
at 120 5160   # long multiplication
at 7320 4800  # check the empty result row: a results line
shot 5-multiplication
at 120 6240   # back to the main window
at 120 960    # division
at 120 3120   # long division
at 5760 2880  # start
shot 6-division
at 120 6360   # back
at 7320 1080  # results
shot 7-results
xdotool key ctrl+r   # what to practise
shot 8-review
xdotool key Escape; sleep 1
at 5700 6780         # Historial: the child's history
sleep 1
shot 9-history
kill $app; sleep 1
# The teacher's door: the PIN chosen the first time, then the class.
LC_ALL= LC_MESSAGES= LANG="${code}_ES.UTF-8" QT_SCALE_FACTOR="$scale" "$bin" >/dev/null 2>&1 &
app=$!
sleep 2
xdotool key ctrl+p
shot 10-pin
xdotool type --delay 50 "1234"; xdotool key Tab; xdotool type --delay 50 "1234"; xdotool key Return
sleep 1
shot 11-class
