#!/bin/bash
# Runs a program of the Windows build under Wine; CTest's emulator for the
# `windows` preset.
#
#   wine-run.sh QT_BIN_DIR PROGRAM.exe [ARGUMENTS...]
#
# The program finds Qt's DLLs in QT_BIN_DIR and the mingw runtime DLLs in the
# cross-compiler's folders. Wine hands no QT_* variable to a Windows program,
# so QT_QPA_PLATFORM=offscreen becomes the arguments "-platform offscreen"
# (a QApplication takes them out of the command line before the program sees
# it). Windows programs end their lines with CR LF; the CRs are dropped so
# that CTest reads the test lists as it does on Linux. The Wine prefix must
# have been made by prepare-wine.sh.
set -eu -o pipefail
HERE="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-env.sh
. "$HERE/wine-env.sh"

QT_BIN="$1"
shift
RUNTIME_DIRS="$QT_BIN /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib"
WINEPATH=""
for dir in $RUNTIME_DIRS; do
    WINEPATH="$WINEPATH${WINEPATH:+;}$(wine_path "$dir")"
done
export WINEPATH

args=("$@")
if [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
    args+=(-platform offscreen)
fi
"$WINE" "${args[@]}" | tr -d '\r'
