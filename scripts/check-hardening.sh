#!/bin/sh
# Makes the Debian package (scripts/install.sh --package-only), unpacks it and
# checks the programs as they would be installed with hardening-check: PIE,
# stack protector, full RELRO with immediate binding. Installs nothing
# system-wide; CI runs it.
#
# Two of hardening-check's findings cannot be read off these binaries:
# - _FORTIFY_SOURCE shows in a binary only through a checked call (__memcpy_chk
#   and the like), which the compiler writes only where it knows the buffer's
#   size; the C++ library's strings and vectors copy buffers of sizes known at
#   run time alone, so the programs hold plain memcpy, memmove and memset
#   whatever the flags. That every compilation of the release build had
#   _FORTIFY_SOURCE with optimisation (without which it does nothing) is read
#   from its compile commands instead.
# - Control-flow protection needs every object linked in, the C library's start
#   files included, to be marked for it, and Debian 12's are not.
set -eu
cd "$(dirname "$0")/.."
tree=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$tree" "$log"' EXIT
# The package build's output goes to a file first and is then copied to the
# standard error this script already holds: a pipe would hide the build's
# status (sh has no pipefail), and opening /dev/stderr anew would truncate
# the file CI writes its output to. Its last line is the package's path.
status=0
./scripts/install.sh --package-only >"$log" 2>&1 || status=$?
cat "$log" >&2
if [ "$status" -ne 0 ]; then
    echo "making the package failed (status $status)" >&2
    exit 1
fi
deb=$(tail -n 1 "$log")
if [ ! -f "$deb" ]; then
    echo "the package build named no package: $deb" >&2
    exit 1
fi
dpkg-deb -x "$deb" "$tree"
hardening-check --nofortify --nocfprotection "$tree/usr/bin/velmaro" "$tree/usr/bin/velmaro-convert"

commands=build/release/compile_commands.json
all=$(grep -c '"command":' "$commands")
fortified=$(grep '"command":' "$commands" | grep -- '-D_FORTIFY_SOURCE=[23] ' | grep -c -- ' -O[123s] ')
if [ "$fortified" -ne "$all" ] || [ "$all" -eq 0 ]; then
    echo "only $fortified of $all compilations of the release build have _FORTIFY_SOURCE" >&2
    exit 1
fi
echo "_FORTIFY_SOURCE in all $all compilations of the release build"
