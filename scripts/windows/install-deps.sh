#!/bin/sh
# Installs the Debian 12 packages the Windows build needs besides those of the
# Linux build (scripts/install-deps.sh): the mingw-w64 cross-compiler with
# POSIX threads, Wine to run the tests and the program, NSIS for the
# installer, Xvfb for a screen, and Debian's source of Qt (a deb-src entry of
# our own, for `apt-get source qt6-base`). Safe to run again.
set -eu

PACKAGES="
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64
    nsis
    xvfb xauth
    python3 dpkg-dev
    fonts-noto-cjk fonts-liberation2
"

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

SOURCES=/etc/apt/sources.list.d/velmaro-src.sources
update=""
# An entry written before the security suite was added is written anew.
if [ ! -f "$SOURCES" ] || ! grep -q bookworm-security "$SOURCES"; then
    echo "Adding Debian's source packages ($SOURCES)"
    # shellcheck disable=SC2016
    printf '%s\n' \
        "Types: deb-src" \
        "URIs: http://deb.debian.org/debian" \
        "Suites: bookworm bookworm-updates" \
        "Components: main" \
        "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" \
        "" \
        "Types: deb-src" \
        "URIs: http://deb.debian.org/debian-security" \
        "Suites: bookworm-security" \
        "Components: main" \
        "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" | $SUDO tee "$SOURCES" >/dev/null
    update=yes
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ] || [ -n "$update" ]; then
    $SUDO apt-get update -qq
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
