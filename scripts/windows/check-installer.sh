#!/bin/sh
# Checks the Windows installer as a user goes through it, under Wine on a
# virtual screen, in a Wine prefix of its own (so that nothing left by an
# earlier run counts): installs silently (/S), checks that both programs are
# there and registered, starts velmaro.exe and waits for its main window,
# closes it, uninstalls silently, and then checks that no file of ours is
# left on drive C: (Program Files, the Start menu, anywhere) and no registry
# key of ours under HKLM\Software or HKCU\Software (the vendor's key and the
# uninstall entry). Fails naming what is left.
#
#   scripts/windows/check-installer.sh INSTALLER.exe
set -eu
HERE="$(cd "$(dirname "$0")" && pwd)"
installer="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"

if [ -z "${VELMARO_INSTALLER_CHECK_SCREEN:-}" ]; then
    VELMARO_INSTALLER_CHECK_SCREEN=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

VELMARO_WINEPREFIX="$(mktemp -d)/wine"
export VELMARO_WINEPREFIX
# shellcheck source=wine-env.sh
. "$HERE/wine-env.sh"
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$(dirname "$WINEPREFIX")"' EXIT
"$HERE/prepare-wine.sh"

folder="$WINEPREFIX/drive_c/Program Files/Velmaro"
title="TharnixV2.0"
fail() {
    echo "installer check FAILED: $*" >&2
    exit 1
}

# Registry keys of ours, from the registry as Wine keeps it on disk: its
# server writes it out when it ends, and the next program starts another.
our_keys() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    grep -i -h -e '^\[.*velmaro' -e '^\[.*oskelta' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" || true
}

# Files of ours anywhere on drive C:.
our_files() {
    find "$WINEPREFIX/drive_c" -ipath '*velmaro*' -print
}

echo "== installing silently"
"$WINE" "$(wine_path "$installer")" /S >/dev/null 2>&1 </dev/null || fail "the installer failed"
for program in velmaro.exe velmaro-convert.exe Uninstall.exe; do
    [ -f "$folder/$program" ] || fail "$program is not in Program Files\\Velmaro"
done
[ -n "$(our_keys)" ] || fail "the installer wrote no registry key of ours"

echo "== starting velmaro.exe"
"$WINE" "$(wine_path "$folder/velmaro.exe")" >/dev/null 2>&1 </dev/null &
pid=$!
shown=""
i=0
while [ $i -lt 120 ] && [ -z "$shown" ]; do
    sleep 0.5
    i=$((i + 1))
    kill -0 $pid 2>/dev/null || fail "velmaro.exe ended before its main window appeared"
    shown=$(xwininfo -root -tree | grep -F "\"$title" || true)
done
[ -n "$shown" ] || fail "no main window titled \"$title...\" within 60 s"
# Closed as a user closes it: the window is asked to close.
"$WINE" taskkill /IM velmaro.exe >/dev/null 2>&1 </dev/null || true
i=0
while kill -0 $pid 2>/dev/null && [ $i -lt 40 ]; do
    sleep 0.5
    i=$((i + 1))
done
if kill -0 $pid 2>/dev/null; then
    kill $pid
    fail "velmaro.exe did not close when asked"
fi

echo "== uninstalling silently"
# The uninstaller copies itself away and goes on from there while the first
# one returns. It removes the Start menu entry last, so it is done when no
# file of ours is left. It gets a minute.
"$WINE" "$(wine_path "$folder/Uninstall.exe")" /S >/dev/null 2>&1 </dev/null ||
    fail "the uninstaller failed"
i=0
while [ -n "$(our_files)" ] && [ $i -lt 60 ]; do
    sleep 1
    i=$((i + 1))
done
left="$(our_files)$(our_keys)"
[ -z "$left" ] || fail "left after uninstalling:
$left"
echo "installer check passed: installed, started, closed and uninstalled without a trace"
