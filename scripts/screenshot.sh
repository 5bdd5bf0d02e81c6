#!/bin/sh
# Starts the built converter on a virtual X screen and saves a picture of the
# screen: scripts/screenshot.sh [output.png] [seconds to wait] [program] [arguments...]
# (e.g. "--lang en" after the program for the English windows).
# Needs xvfb and imagemagick (installed here when missing).
set -eu
cd "$(dirname "$0")/.."
out=${1:-docs/main-window.png}
delay=${2:-4}
program=${3:-./build/release/src/app/velmaro}
[ $# -ge 3 ] && shift 3 || shift $#
if ! command -v import >/dev/null 2>&1 || ! command -v xvfb-run >/dev/null 2>&1; then
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq xvfb xauth imagemagick
fi
xvfb-run -a -s "-screen 0 1100x820x24" sh -c "
    '$program' $* & pid=\$!
    sleep '$delay'
    import -window root png:- | convert - -bordercolor black -border 1 -trim +repage '$out'
    kill \$pid"
echo "saved $out"
