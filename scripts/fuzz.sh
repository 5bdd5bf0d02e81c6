#!/bin/sh
# Builds the fuzz targets (clang++ with libFuzzer, AddressSanitizer and UBSan;
# preset `fuzz`) and runs each in turn, starting from its seed corpus in
# fuzz/corpus/<target>/.
#
# Usage: scripts/fuzz.sh [--short | SECONDS] [TARGET...]
#   --short   30 seconds per target: what CI runs after the tests
#   SECONDS   that many seconds per target (default 600)
#   TARGET    run only these targets (default: all seven)
#
# Inputs that reach new code are kept in build/fuzz/corpus/<target>/, so a
# later run goes on from there; the seed corpus in the repository is only read.
# An input that breaks an invariant, crashes, leaks or hangs is saved as
# build/fuzz/findings/<target>-<kind>-<hash>; replay it with
#   build/fuzz/fuzz/<target> <that file>
# The script fails when any target found something.
set -eu
cd "$(dirname "$0")/.."

seconds=600
case "${1:-}" in
--short)
    seconds=30
    shift
    ;;
[0-9]*)
    seconds=$1
    shift
    ;;
-*)
    echo "usage: $0 [--short | SECONDS] [TARGET...]" >&2
    exit 2
    ;;
esac
targets=${*:-parse_number_fuzzer format_fixed_fuzzer convert_fuzzer sensor_fuzzer cli_fuzzer
    number_routes_fuzzer tools_fuzzer}

./scripts/install-deps.sh
cmake --preset fuzz
cmake --build --preset fuzz

out=build/fuzz
mkdir -p "$out/findings" "$out/logs"
failed=""
for target in $targets; do
    # Inputs longer than these reach no further code: a field text with all
    # 309 integer digits and more fits in 1024 bytes, a double in 9 or 14.
    case $target in
    parse_number_fuzzer) options="-max_len=1024 -dict=fuzz/number_text.dict" ;;
    convert_fuzzer) options="-max_len=1024 -dict=fuzz/number_text.dict" ;;
    format_fixed_fuzzer) options="-max_len=16" ;;
    sensor_fuzzer) options="-max_len=16" ;;
    # The precision and the double, then a number text.
    number_routes_fuzzer) options="-max_len=1034 -dict=fuzz/number_text.dict" ;;
    # A command line and a few values of input.
    cli_fuzzer) options="-max_len=256" ;;
    # A tool's choices and every field's text: a few hundred bytes.
    tools_fuzzer) options="-max_len=512" ;;
    *)
        echo "no such fuzz target: $target" >&2
        exit 2
        ;;
    esac
    mkdir -p "$out/corpus/$target"
    log="$out/logs/$target.log"
    echo "== $target: $seconds s (log: $log)"
    # shellcheck disable=SC2086
    if "$out/fuzz/$target" $options -max_total_time="$seconds" -timeout=10 \
        -use_value_profile=1 -print_final_stats=1 \
        -artifact_prefix="$out/findings/$target-" \
        "$out/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || tail -n 3 "$log"
    else
        tail -n 60 "$log"
        echo "== $target FOUND A PROBLEM: see $log and $out/findings/" >&2
        failed="$failed $target"
    fi
done

if [ -n "$failed" ]; then
    echo "Fuzz targets with findings:$failed" >&2
    exit 1
fi
echo "No findings."
