#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test, if missing.
set -euo pipefail

packages=(
  cmake make g++
  qt6-base-dev qt6-multimedia-dev libgl-dev
  # the history of every child: Qt SQL's SQLite driver
  libqt6sql6-sqlite
  fonts-liberation qt6-translations-l10n
  xvfb xauth
  # reading back a printed record in the tests
  poppler-utils
  # building and checking the Debian package
  dpkg-dev file python3 desktop-file-utils appstream x11-apps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
