#!/bin/sh
# Start-up of the Windows program under Wine, timed like the Linux one
# (scripts/measure-startup.sh): from the process start to the main window on
# the virtual screen, and the memory of the idle program.
#
#   scripts/windows/measure-startup.sh [runs] [program.exe]    (default 5 runs)
#
# Wine's services are ended first, so the first run starts them as a user's
# first start would; the median stands for a start with Wine running.
set -eu
HERE="$(cd "$(dirname "$0")" && pwd)"
cd "$HERE/../.."
# shellcheck source=wine-env.sh
. "$HERE/wine-env.sh"
runs=${1:-5}
program=${2:-build/windows/install-tree/velmaro.exe}
if [ ! -f "$program" ]; then
    cmake --install build/windows --prefix build/windows/install-tree >/dev/null
fi
wineserver -k >/dev/null 2>&1 || true
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
./scripts/measure-startup.sh "$runs" "$WINE" "$program"
