#!/bin/sh
# Starts the Windows program under Wine on a virtual X screen at a display
# scaling and saves a picture of the screen:
#
#   scripts/windows/screenshot.sh [output.png] [dpi] [program.exe] [seconds]
#
# dpi: 96 (100 %, default), 120 (125 %), 144 (150 %). The program defaults to
# the one the build installs for the zip (build/windows/_CPack_Packages/...
# is not kept), so the build's install tree, build/windows/install-tree.
set -eu
HERE="$(cd "$(dirname "$0")" && pwd)"
cd "$HERE/../.."
out=${1:-docs/main-window-windows.png}
dpi=${2:-96}
program=${3:-build/windows/install-tree/velmaro.exe}
delay=${4:-12}
if [ ! -f "$program" ]; then
    cmake --install build/windows --prefix build/windows/install-tree >/dev/null
fi
xvfb-run -a -s "-screen 0 1400x1000x24" sh -c "
    . '$HERE/wine-env.sh'
    trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
    '$HERE/prepare-wine.sh' '$dpi'
    \"\$WINE\" '$program' >/dev/null 2>&1 & pid=\$!
    sleep '$delay'
    import -window root png:- | convert - -trim +repage '$out'
    kill \$pid 2>/dev/null || true"
echo "saved $out"
