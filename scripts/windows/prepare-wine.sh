#!/bin/sh
# Makes the Wine prefix the Windows build runs in (once; later calls reuse
# it), loads the font replacements into it, sets its display scaling, and
# starts Wine's background services.
#
#   scripts/windows/prepare-wine.sh [DPI]     DPI: 96 (100 %, default), 120, 144
#
# The services are started here, with their output to /dev/null, because a
# service started by the first test would inherit CTest's output pipe and hold
# it open after the tests end.
set -eu
HERE="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
# shellcheck source=wine-env.sh
. "$HERE/wine-env.sh"
DPI="${1:-96}"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Wine prefix: making $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    DISPLAY="" "$WINE" wineboot --init >/dev/null 2>&1
fi
wineserver -p >/dev/null 2>&1 </dev/null &
"$WINE" regedit /S "$(wine_path "$ROOT/packaging/windows/font-replacements.reg")" \
    >/dev/null 2>&1 </dev/null
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f \
    >/dev/null 2>&1 </dev/null
# Let the services settle, so the first program does not start them itself.
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null
