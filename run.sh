#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the data in data/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCUENTAS_TESTS=OFF > /dev/null
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting the program on a virtual screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" build/bin/cuentas
fi
exec build/bin/cuentas
