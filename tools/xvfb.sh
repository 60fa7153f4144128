# Sourced by the benchmarks: a virtual 1024 × 768 screen on display $1, ended
# with the script (with `cleanup`, if the script defines it, run as well).
Xvfb "$1" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'declare -F cleanup >/dev/null && cleanup; kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY="$1"
