# Sourced by the benchmarks: a virtual 1024 × 768 screen on display $1, ended
# with the script (with `cleanup`, if the script defines it, run as well).
Xvfb "$1" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; declare -F cleanup >/dev/null && cleanup' EXIT
sleep 1
export DISPLAY="$1"
