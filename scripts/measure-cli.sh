#!/bin/sh
# Times the console converter of the release build, several runs in a row:
#  - batch: 1,000,000 values (one per line) from standard input converted
#    into one target unit (bar to Pa), output to /dev/null;
#  - tables: the printed ITS-90 tables of all eight thermocouple types, one
#    run of the program per type, back to back.
# Prints the wall-clock time of every run, then the median and the worst of
# the wall-clock and of the processor time (user + system; on a machine shared
# with other jobs the wall clock mostly measures the wait for a core).
# Usage: scripts/measure-cli.sh [runs]   (default 7)
set -eu
cd "$(dirname "$0")/.."

RUNS=${1:-7}
PROGRAM=build/release/src/cli/velmaro-convert

if [ ! -x /usr/bin/time ]; then
    ./scripts/install-deps.sh
fi
if [ ! -x "$PROGRAM" ]; then
    cmake --preset release
    cmake --build --preset release --target velmaro-convert
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Values of every size from -1000 to about 100000 with six decimals.
awk 'BEGIN { srand(1); for (i = 0; i < 1000000; i++) printf "%.6f\n", rand() * 101000 - 1000 }' \
    > "$work/values"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

summary() { # name, file of one figure per line
    sort -n "$2" | awk -v name="$1" '{ v[NR] = $1 }
        END { printf "%s: median %d ms, worst %d ms over %d runs\n", name, v[int((NR + 1) / 2)], v[NR], NR }'
}

i=0
while [ $i -lt "$RUNS" ]; do
    i=$((i + 1))
    start=$(now_ms)
    /usr/bin/time -f "%U %S" -o "$work/cpu" "$PROGRAM" bar Pa < "$work/values" > /dev/null
    end=$(now_ms)
    echo $((end - start)) >> "$work/batch"
    awk '{ printf "%d\n", ($1 + $2) * 1000 }' "$work/cpu" >> "$work/batch-cpu"

    start=$(now_ms)
    /usr/bin/time -f "%U %S" -o "$work/cpu" sh -c '
        for type in S R B K N E J T; do "$1" --table "$type" > /dev/null; done' sh "$PROGRAM"
    end=$(now_ms)
    echo $((end - start)) >> "$work/tables"
    awk '{ printf "%d\n", ($1 + $2) * 1000 }' "$work/cpu" >> "$work/tables-cpu"
    echo "run $i: batch $(tail -n 1 "$work/batch") ms, tables $(tail -n 1 "$work/tables") ms"
done
summary "1,000,000 values into one unit, wall" "$work/batch"
summary "1,000,000 values into one unit, processor" "$work/batch-cpu"
summary "all eight ITS-90 tables, wall" "$work/tables"
summary "all eight ITS-90 tables, processor" "$work/tables-cpu"
