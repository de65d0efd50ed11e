#!/usr/bin/env bash
# Installs what building, playing and testing Blefino needs on Debian or Ubuntu.
# Packages already present are left alone; nothing is downloaded otherwise.
# Usage: scripts/deps.sh [play] [EXTRA-PACKAGE...]
#   play: only what building the game needs; extra packages are added (scripts/package adds its tools)
set -euo pipefail

# Building and playing: the compiler, CMake, Qt, the face of the windows and
# the cards' corners (Liberation Sans; DejaVu Sans is the face Qt falls back
# on, and the picture sheet's labels), and rsvg-convert to render the icon's
# fixed sizes.
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2 librsvg2-bin
)
# Testing: the test and benchmark libraries, a virtual X server and a window
# manager to click through the real windows, the accessibility bus, a session
# bus and pyatspi to hear the table as a screen reader does, the Windows
# cross build run under Wine, and ccache so that a rebuild of unchanged code
# (CI's next run) is quick.
if [ "${1:-}" = play ]; then
  shift
else
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev
    xvfb xauth xdotool imagemagick openbox
    at-spi2-core python3-pyatspi dbus-x11
    g++-mingw-w64-x86-64-posix wine64 ccache
  )
fi
packages+=("$@")

# A package whose triggers are still to run (a man-db or icon cache update
# after another install) is installed as far as using it goes.
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null |
    grep -Eq "^install ok (installed|triggers-pending|triggers-awaited)$" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
