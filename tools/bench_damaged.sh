#!/usr/bin/env bash
# Start-up time and peak memory with damaged data files, beside the intact data's.
# Each case: a copy of the program and its data with one file damaged, started
# under Xvfb five times (median time until the first window is mapped); then a
# name is typed and "+" chosen, which plays a sound, and the peak resident memory
# is read. The same once more with the address space limited to 2 GB.
# Usage: tools/bench_damaged.sh [build/bin]   (needs xvfb, x11-utils and xdotool)
set -euo pipefail
bin_dir="$(realpath "${1:-$(dirname "$0")/../build/bin}")"
work=$(mktemp -d)
cleanup() { rm -rf "$work"; }
source "$(dirname "$0")/xvfb.sh" :96
title='Cuentas 2.2 - equipo de Cuentas, cuentas@example.org'

damage() { # case folder
  case "$1" in
    intact) ;;
    wav-claims-2GB)
      python3 - "$2/sonidos/operacion.wav" <<'PY'
import struct, sys
fmt = struct.pack('<HHIIHH', 1, 1, 22050, 44100, 2, 16)
body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', 0x7FFF0000) + b'\x10' * 4000
open(sys.argv[1], 'wb').write(b'RIFF' + struct.pack('<I', len(body)) + body)
PY
      ;;
    nul-language-file) head -c 1048576 /dev/zero > "$2/idioma/formulario1y2.txt" ;;
    pipe-for-presentacion) rm "$2/idioma/presentacion.txt"; mkfifo "$2/idioma/presentacion.txt" ;;
    utf8-language-file) iconv -f cp1252 -t utf-8 "$bin_dir/idioma/formulario1y2.txt" > "$2/idioma/formulario1y2.txt" ;;
  esac
}

run() { # folder [prlimit…] → "ms peakKB alive"
  local dir=$1; shift
  local start end pid peak alive
  start=$(date +%s%N)
  "$@" "$dir/cuentas" >"$dir.log" 2>&1 &
  pid=$!
  for _ in $(seq 2500); do
    xwininfo -name "$title" 2>/dev/null | grep -q IsViewable && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.002
  done
  end=$(date +%s%N)
  sleep 0.5
  xdotool key --delay 30 A n a Return
  sleep 1
  xdotool mousemove $(( (1024 - 645) / 2 + 88 )) $(( (768 - 491) / 2 + 24 )) click 1 # "+"
  sleep 1
  peak=$(awk '/VmHWM/ {print $2}' /proc/$pid/status 2>/dev/null || echo 0)
  alive=$(kill -0 $pid 2>/dev/null && echo up || echo ENDED)
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  # the next start must not find this one's window
  while xwininfo -name "$title" >/dev/null 2>&1; do sleep 0.05; done
  echo "$(( (end - start) / 1000000 )) $peak $alive"
}

printf '%-24s %10s %12s %8s %18s\n' case "start ms" "peak MB" state "2 GB limit"
for c in intact wav-claims-2GB nul-language-file pipe-for-presentacion utf8-language-file; do
  dir="$work/$c"
  cp -r "$bin_dir" "$dir"
  damage "$c" "$dir"
  times=(); peaks=()
  for _ in 1 2 3 4 5; do
    read -r ms kb state < <(run "$dir")
    times+=("$ms"); peaks+=("$kb")
  done
  read -r _ kb2 state2 < <(run "$dir" prlimit --as=2147483648)
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
  peak=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
  [ "$state2" = up ] || tail -3 "$dir.log"
  printf '%-24s %10s %12s %8s %18s\n' "$c" "$median" "$((peak / 1024))" "$state" "$state2, $((kb2 / 1024)) MB"
done
