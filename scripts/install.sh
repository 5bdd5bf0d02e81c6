#!/bin/sh
# Builds the release configuration, makes the Debian package and installs it
# (program in /usr/bin, menu entry, icons, software-centre entry).
# Uses sudo for apt-get when not run as root.
#
#   scripts/install.sh [--package-only]
#   --package-only   make the package, print its path and install nothing
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
(cd build/release && cpack -G DEB)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
deb="$PWD/build/release/velmaro_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package not found: $deb" >&2; exit 1; }
if [ "${1:-}" = "--package-only" ]; then
    echo "$deb"
    exit 0
fi

SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
# apt-get rather than dpkg -i, so that the package's dependencies come too.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --reinstall "$deb"
echo "installed $deb"
