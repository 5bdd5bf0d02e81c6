#!/bin/sh
# Installs the Debian 12 packages needed to build, run and test the converter;
# with --web, those of the web page instead (emscripten, Node.js, Chromium).
# Safe to run again: apt-get skips what is already there.
set -eu

WEB_PACKAGES="
    cmake ninja-build python3
    emscripten node-acorn
    chromium fonts-noto-cjk
"

PACKAGES="
    cmake ninja-build g++ pkg-config
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-noto-cjk
    xvfb xauth x11-apps x11-utils
    locales
    desktop-file-utils appstream dpkg-dev help2man time
    clang-format-14 clang-tidy-14
    libx11-dev
"

if [ "${1:-}" = "--web" ]; then
    PACKAGES=$WEB_PACKAGES
    # The machine's own Node.js and npm serve when there are any; Debian's
    # otherwise.
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        PACKAGES="$PACKAGES nodejs npm"
    fi
fi

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi

if [ "${1:-}" = "--web" ]; then
    exit 0
fi

# The tests run the windows once under a locale that writes numbers with a
# decimal comma, to show that none of it leaks into the fields.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
