#!/bin/sh
# Measures the start-up of the real program (release build) under a virtual X
# server, several runs in a row:
#  - splash: from the process start until the start-up picture is on the screen;
#  - main window: until the main window is on the screen (the program's
#    1000 ms pause before showing it is part of this);
#  - splash gone: until the picture has removed itself;
#  - RSS: resident memory (VmRSS) 2 s after the main window came up, idle.
# "On the screen" is the moment the X server maps the window; no window
# manager runs, so a mapped window is visible.
# Usage: scripts/measure-startup.sh [runs [program [arguments...]]]
#   (default 10 runs of the release build; scripts/windows/measure-startup.sh
#   passes Wine and the Windows program)
set -eu
cd "$(dirname "$0")/.."

RUNS=${1:-10}
[ $# -gt 0 ] && shift
IDLE_MS=2000
# The main window's title begins so in every language.
TITLE="TharnixV2.0 ---"
PROGRAM=build/release/src/app/velmaro
PROBE_SOURCE=scripts/startup_probe.cpp
PROBE=build/startup-probe/startup_probe

if ! command -v Xvfb >/dev/null || [ ! -f /usr/include/X11/Xlib.h ]; then
    ./scripts/install-deps.sh
fi
if [ $# -gt 0 ]; then
    PROGRAM="$1"
    shift
elif [ ! -x "$PROGRAM" ]; then
    cmake --preset release
    cmake --build --preset release
fi
if [ ! -x "$PROBE" ] || [ "$PROBE_SOURCE" -nt "$PROBE" ]; then
    mkdir -p "$(dirname "$PROBE")"
    c++ -std=c++20 -O2 -Wall -Wextra -o "$PROBE" "$PROBE_SOURCE" -lX11
fi

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A display number nobody uses, chosen by the server itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
display=":$(cat "$work/display")"

echo "start-up of $PROGRAM on Xvfb $display, $RUNS runs (times in ms from the process start)"
printf '%-6s %9s %12s %12s %9s\n' run splash "main window" "splash gone" "RSS MiB"
failed=0
for run in $(seq "$RUNS"); do
    if line=$(env -u QT_QPA_PLATFORM DISPLAY="$display" "$PROBE" "$TITLE" "$IDLE_MS" "$PROGRAM" "$@"); then
        :
    else
        failed=1
    fi
    echo "$line" >>"$work/results"
    echo "$line" | awk -v run="$run" '{
        for (i = 1; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
        printf "%-6d %9.1f %12.1f %12.1f %9.1f\n", run, v["splash_ms"], v["main_ms"],
               v["splash_gone_ms"], v["rss_kb"] / 1024
    }'
done

# Median and worst of one column of the results.
summary() {
    key=$1
    scale=$2
    sed -n "s/.*$key=\([-0-9.]*\).*/\1/p" "$work/results" | sort -n | awk -v scale="$scale" '
        { v[NR] = $1 / scale }
        END {
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.1f %.1f", median, v[NR]
        }'
}
splash=$(summary splash_ms 1)
main=$(summary main_ms 1)
gone=$(summary splash_gone_ms 1)
rss=$(summary rss_kb 1024)
printf '%-6s %9s %12s %12s %9s\n' median "${splash% *}" "${main% *}" "${gone% *}" "${rss% *}"
printf '%-6s %9s %12s %12s %9s\n' worst "${splash#* }" "${main#* }" "${gone#* }" "${rss#* }"
echo "aims: splash within 150 ms, main window within 1150 ms, RSS under 60 MiB"
awk -v s="${splash#* }" -v m="${main#* }" -v r="${rss#* }" 'BEGIN {
    if (s > 150) print "  the worst splash time misses its aim"
    if (m > 1150) print "  the worst main-window time misses its aim"
    if (r >= 60) print "  the worst RSS misses its aim"
}'
if [ "$failed" -ne 0 ]; then
    echo "a run did not bring up the main window (-1 above)" >&2
    exit 1
fi
