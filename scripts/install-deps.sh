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
    libcli11-dev nlohmann-json3-dev
"

# Installed without what they merely recommend: devscripts brings
# hardening-check, which checks the release binaries' hardening, and would
# bring a packaging workshop besides.
LEAN_PACKAGES="devscripts"

if [ "${1:-}" = "--web" ]; then
    PACKAGES=$WEB_PACKAGES
    LEAN_PACKAGES=""
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

# The packages of the list $1 that are not installed yet.
missing() {
    for p in $1; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            printf ' %s' "$p"
        fi
    done
}
missing=$(missing "$PACKAGES")
missing_lean=$(missing "$LEAN_PACKAGES")

if [ -n "$missing$missing_lean" ]; then
    echo "Installing:$missing$missing_lean"
    $SUDO apt-get update -qq
fi
if [ -n "$missing" ]; then
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
if [ -n "$missing_lean" ]; then
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing_lean
fi

if [ "${1:-}" = "--web" ]; then
    exit 0
fi

# The tests run the windows once under a locale that writes numbers with a
# decimal comma, to show that none of it leaks into the fields.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
