#!/bin/sh
# The Windows version, from a fresh Debian 12 machine to the packages:
# installs what is missing, builds Qt for mingw-w64 once (cached outside the
# work tree), cross-builds the program and its tests (preset `windows`), runs
# every test under Wine on a virtual screen, makes the installer and the zip
# with CPack, and installs, starts and uninstalls the installer under Wine
# (scripts/windows/check-installer.sh):
#
#   build/windows/velmaro-<version>-win64.exe    NSIS installer
#   build/windows/velmaro-<version>-win64.zip    portable folder
#
#   scripts/windows/build.sh [--no-tests]
set -eu
cd "$(dirname "$0")/../.."
TESTS=yes
[ "${1:-}" = "--no-tests" ] && TESTS=""

./scripts/install-deps.sh
./scripts/windows/install-deps.sh

VELMARO_QT_MINGW="$(./scripts/windows/build-qt.sh | tail -n 1)"
export VELMARO_QT_MINGW

cmake --preset windows
cmake --build --preset windows

if [ -n "$TESTS" ]; then
    # Wine's services belong to the virtual screen they start on: they start
    # there and are ended with it.
    xvfb-run -a -s "-screen 0 1600x1200x24" sh -c '
        . scripts/windows/wine-env.sh
        trap "wineserver -k >/dev/null 2>&1 || true" EXIT
        scripts/windows/prepare-wine.sh
        ctest --preset windows'
fi

(cd build/windows && cpack -C Release)
ls -l build/windows/velmaro-*-win64.exe build/windows/velmaro-*-win64.zip
if [ -n "$TESTS" ]; then
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
    ./scripts/windows/check-installer.sh "build/windows/velmaro-$version-win64.exe"
fi
