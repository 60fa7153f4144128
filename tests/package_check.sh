#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and checks what a
# school's administrator would get: the tree, the desktop entry, the metainfo,
# the icons, and the program starting from the unpacked tree and reading its
# data through the links beside its executable.
# Usage: package_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null) || fail "cpack"
deb=$(ls "$work"/out/cuentas_*.deb) || fail "no package"
root="$work/root"
dpkg-deb -x "$deb" "$root"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6multimedia6 libqt6sql6-sqlite qt6-qpa-plugins fonts-liberation; do
  [[ "$depends" == *"$d"* ]] || fail "Depends lacks $d: $depends"
done

exe="$root/usr/lib/cuentas/cuentas"
[ -x "$exe" ] || fail "no executable"
[ "$(readlink -f "$root/usr/bin/cuentas")" = "$(readlink -f "$exe")" ] || fail "/usr/bin/cuentas does not lead to the program"
# Every data file is reachable from beside the executable, and lies under /usr/share.
(cd "$source/data" && find . -type f) | while read -r f; do
  [ -r "$root/usr/lib/cuentas/$f" ] || fail "not reachable beside the program: $f"
  [ -f "$root/usr/share/cuentas/$f" ] || fail "not in /usr/share/cuentas: $f"
done
desktop-file-validate "$root/usr/share/applications/cuentas.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.cuentas.metainfo.xml" >/dev/null || fail "metainfo"
for n in 16 32 48 64 128 256; do
  [ -s "$root/usr/share/icons/hicolor/${n}x$n/apps/cuentas.png" ] || fail "no ${n}px icon"
done
[ -s "$root/usr/share/icons/hicolor/scalable/apps/cuentas.svg" ] || fail "no SVG icon"
[ -s "$root/usr/share/doc/cuentas/copyright" ] || fail "no licence"

# The unpacked program, started as the menu would, stays up and shows the label
# of its language file: a run with that label changed must look different there.
label() { # the name label of the presentation window, centred on a 1024 × 768 screen
  local out=$1
  env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24 -br" bash -c '
    "$0" >/dev/null 2>&1 & pid=$!
    sleep 3
    kill -0 $pid || exit 3
    xwd -root -silent > "$1"
    kill $pid' "$root/usr/bin/cuentas" "$out.xwd" || fail "the program did not stay up"
  python3 - "$out.xwd" "$out" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
header = struct.unpack('>25I', data[:100])
size, width, height, bpl, ncolors = header[0], header[4], header[5], header[12], header[19]
pixels = data[size + 12 * ncolors:]
x0, y0 = (width - 476) // 2 + 8, (height - 456) // 2 + 360  # Label1 of the window
rows = [pixels[(y0 + y) * bpl + 4 * x0:(y0 + y) * bpl + 4 * (x0 + 145)] for y in range(25)]
open(sys.argv[2], 'wb').write(b''.join(rows))
PY
}
label "$work/shipped"
printf 'Tu nombre\r\nACEPTAR\r\nEscribe tu nombre\r\n' > "$root/usr/share/cuentas/idioma/presentacion.txt"
label "$work/changed"
[ "$(od -An -tx1 "$work/shipped" | sort -u | wc -l)" -gt 2 ] || fail "no text where the label stands"
cmp -s "$work/shipped" "$work/changed" && fail "the language file is not read through the links"
echo "1 passed, 0 failed"
