#!/bin/sh
# Builds Qt's base module (Core, Gui, Widgets, Test and the windows and
# offscreen platform plugins) for 64-bit Windows with mingw-w64, from Debian's
# own source package, against the host Qt tools of the same version.
#
# The result is cached outside the work tree, in a folder keyed by the Qt
# version and a hash of the configure flags, the patches and the toolchain
# file: an unchanged set is reused, a changed one builds anew. Prints the
# install prefix as its last line.
#
#   scripts/windows/build-qt.sh            build if missing, print the prefix
#   VELMARO_CACHE=/some/dir scripts/windows/build-qt.sh
set -eu
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
CACHE="${VELMARO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmaro}"
TOOLCHAIN="$ROOT/cmake/toolchains/mingw-w64-x86_64.cmake"
PATCHES="$ROOT/packaging/windows/qt-patches"

# The host tools (moc, rcc, uic) come from Debian's Qt, so the target Qt must
# be built from the very same source: the installed package's exact version,
# Debian revision included. The cache key holds the whole version, so a
# security update of Qt builds anew.
QT_DEB_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
QT_VERSION="$(echo "$QT_DEB_VERSION" | sed 's/[+~-].*//')"

# Only what the program uses; every third-party library Qt needs is its own
# bundled copy, since Debian has no Windows builds of them.
# - tabletevent and direct2d: the Debian source lacks headers they need.
# - INPUT_opengl=no: FEATURE_opengl=OFF alone leaves dynamic GL switched on.
FLAGS="
-DCMAKE_BUILD_TYPE=Release
-DBUILD_SHARED_LIBS=ON
-DQT_BUILD_EXAMPLES=OFF
-DQT_BUILD_TESTS=OFF
-DQT_BUILD_BENCHMARKS=OFF
-DFEATURE_dbus=OFF
-DFEATURE_sql=OFF
-DFEATURE_network=OFF
-DFEATURE_xml=OFF
-DFEATURE_printsupport=OFF
-DFEATURE_concurrent=OFF
-DFEATURE_opengl=OFF
-DINPUT_opengl=no
-DFEATURE_vulkan=OFF
-DFEATURE_icu=OFF
-DFEATURE_glib=OFF
-DFEATURE_fontconfig=OFF
-DFEATURE_jpeg=OFF
-DFEATURE_zstd=OFF
-DFEATURE_tabletevent=OFF
-DFEATURE_direct2d=OFF
-DFEATURE_system_zlib=OFF
-DFEATURE_system_pcre2=OFF
-DFEATURE_system_freetype=OFF
-DFEATURE_system_harfbuzz=OFF
-DFEATURE_system_png=OFF
-DFEATURE_system_doubleconversion=OFF
"

KEY="$( { echo "$QT_DEB_VERSION"; echo "$FLAGS"; cat "$TOOLCHAIN" "$PATCHES"/*.patch; } | sha256sum | cut -c1-12)"
PREFIX="$CACHE/qt-$QT_VERSION-mingw-$KEY"

if [ -f "$PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "Qt $QT_VERSION for mingw: cached" >&2
    echo "$PREFIX"
    exit 0
fi

WORK="$CACHE/qt-build-$KEY"
rm -rf "$WORK"
mkdir -p "$WORK"
echo "Qt $QT_VERSION for mingw: building in $WORK (about half an hour on two cores)" >&2
(
    cd "$WORK"
    # Only the exact source serves; no other version is taken in its place.
    if ! apt-get source -qq "qt6-base=$QT_DEB_VERSION" >source.log 2>&1; then
        cat source.log >&2
        echo "Debian's source of qt6-base $QT_DEB_VERSION is not available; is the deb-src entry of scripts/windows/install-deps.sh there?" >&2
        exit 1
    fi
    SRC="$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
    for p in "$PATCHES"/*.patch; do
        patch -d "$SRC" -p1 --quiet <"$p"
    done
    # shellcheck disable=SC2086
    cmake -S "$SRC" -B build -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        $FLAGS >configure.log 2>&1 || { tail -n 60 configure.log >&2; exit 1; }
    cmake --build build >build.log 2>&1 || { tail -n 60 build.log >&2; exit 1; }
    cmake --install build >install.log 2>&1 || { tail -n 60 install.log >&2; exit 1; }
)
rm -rf "$WORK"
echo "$PREFIX"
