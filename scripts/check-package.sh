#!/bin/sh
# Builds and installs the Debian package (scripts/install.sh), then checks the
# installed program as a desktop would start it: its files are where desktops
# look, its entries pass their validators, /usr/bin/velmaro-convert converts
# and /usr/bin/velmaro, started on a virtual X screen, puts up its main window. The package is removed again
# afterwards unless it was installed before or --keep is given.
#
# Installs system-wide (sudo when not root), so it is not one of the tests.
# Usage: scripts/check-package.sh [--keep]
set -eu
cd "$(dirname "$0")/.."

keep=no
[ "${1:-}" = "--keep" ] && keep=yes
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
if dpkg-query -W -f='${Status}' velmaro 2>/dev/null | grep -q "install ok installed"; then
    keep=yes
fi

./scripts/install.sh

app_id=example.oskelta.Velmaro
# The main window's title begins so in every language.
title="TharnixV2.0 ---"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

echo "== installed files"
for f in /usr/bin/velmaro \
         "/usr/share/applications/$app_id.desktop" \
         "/usr/share/metainfo/$app_id.metainfo.xml" \
         "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
    [ -f "$f" ] || fail "missing $f"
done
for size in 16 32 48 64 128 256; do
    icon="/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$icon" ] || fail "missing $icon"
done
for f in /usr/bin/velmaro-convert /usr/share/man/man1/velmaro-convert.1 \
         /usr/share/man/man1/velmaro.1; do
    [ -f "$f" ] || fail "missing $f"
done
desktop-file-validate "/usr/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo"

echo "== /usr/bin/velmaro-convert"
[ "$(/usr/bin/velmaro-convert 1 atm kPa)" = "101.325000" ] || fail "velmaro-convert 1 atm kPa"

echo "== main window of /usr/bin/velmaro"
# The window appears after a one-second start-up pause (a splash may come
# first); wait up to 20 s for a mapped window with the main window's title
# (in the desktop's language: here English).
# QT_QPA_PLATFORM is cleared so the program uses the X screen like a desktop's.
export TITLE="$title"
if ! env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 \
        xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    /usr/bin/velmaro & pid=$!
    found=""
    i=0
    while [ $i -lt 40 ]; do
        sleep 0.5
        i=$((i + 1))
        kill -0 $pid 2>/dev/null || { echo "velmaro ended early" >&2; break; }
        id=$(xwininfo -root -tree | grep -F "\"$TITLE" | awk "{print \$1}" | head -n 1)
        [ -n "$id" ] || continue
        if xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
            found=$id
            break
        fi
    done
    status=1
    if [ -n "$found" ]; then
        echo "main window $found after about $((i * 500)) ms:"
        xwininfo -id "$found" | grep -E "Window id|Width|Height"
        # The menu entry groups the window under it by this class.
        xprop -id "$found" WM_CLASS
        if xprop -id "$found" WM_CLASS | grep -q "\"velmaro\""; then
            status=0
        else
            echo "WM_CLASS does not match the menu entry (StartupWMClass=velmaro)" >&2
        fi
    else
        echo "no main window titled \"$TITLE...\"" >&2
    fi
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    exit $status'; then
    fail "main window did not appear"
fi

if [ "$keep" = no ]; then
    echo "== removing the package"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq velmaro
fi

if [ "$failed" -ne 0 ]; then
    echo "package check FAILED" >&2
    exit 1
fi
echo "package check passed"
