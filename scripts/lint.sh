#!/bin/sh
# Checks the C++ sources and fails on the first kind of finding:
#  1. clang-format: every tracked C++ file of src/, tests/, bench/, fuzz/,
#     web/ and scripts/ must already be formatted with the repository's
#     .clang-format;
#  2. clang-tidy: every source file of src/ and of the page generator
#     (web/generator/), and the headers of both they include, against the
#     checked-in .clang-tidy, where every warning is an error. It reads the
#     compile commands of the development build, which is configured here
#     (configuring only, no build); that build compiles the generator
#     natively for this.
# Usage: scripts/lint.sh [--format-only]
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

CLANG_FORMAT=${CLANG_FORMAT:-clang-format-14}
CLANG_TIDY=${CLANG_TIDY:-clang-tidy-14}
RUN_CLANG_TIDY=${RUN_CLANG_TIDY:-run-clang-tidy-14}
JOBS=${LINT_JOBS:-2}

# Everything the lint uses, Qt included: clang-tidy reads the compile commands
# of a configured development build, and configuring needs Qt. Quick when
# nothing is missing.
./scripts/install-deps.sh

echo "== clang-format"
git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
    'fuzz/*.cpp' 'fuzz/*.h' 'scripts/*.cpp' 'web/*.cpp' 'web/*.h' |
    xargs -0 -r "$CLANG_FORMAT" --dry-run -Werror
echo "formatted as .clang-format says"

if [ "${1:-}" = "--format-only" ]; then
    exit 0
fi

echo "== clang-tidy"
# Configured every time (quick when nothing changed), so that the compile
# commands name every source of the tree, the generator's included, also in a
# build directory configured before a source was added.
cmake --preset dev >/dev/null
# Only the checkout's own headers: the build tree (generated sources) and
# Qt's headers are left alone.
sources="^$root/(src|web/generator)/"
header_filter="$sources.*\\.h\$"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
start=$(date +%s)
if command -v "$RUN_CLANG_TIDY" >/dev/null; then
    status=0
    "$RUN_CLANG_TIDY" -clang-tidy-binary "$(command -v "$CLANG_TIDY")" -p build/dev -j "$JOBS" \
        -quiet -header-filter "$header_filter" "$sources.*\\.cpp\$" >"$log" 2>&1 || status=$?
else
    status=0
    git ls-files -z -- 'src/*.cpp' 'web/generator/*.cpp' | sed -z "s|^|$root/|" |
        xargs -0 -r -n 1 -P "$JOBS" "$CLANG_TIDY" -p build/dev --quiet \
            --header-filter="$header_filter" >"$log" 2>&1 || status=$?
fi
# The findings, without the progress lines and per-file warning counts.
sed 's/\x1b\[[0-9;]*m//g' "$log" |
    grep -v -e 'clang-tidy[-0-9]* .*-p=build/dev' -e '^[0-9]* warnings\? generated\.$' \
        -e '^Suppressed [0-9]* warnings' -e '^Use -header-filter' -e '^Running clang-tidy' \
        -e '^$' || true
echo "clang-tidy: $(($(date +%s) - start)) s"
if [ "$status" -ne 0 ]; then
    echo "clang-tidy found problems (above)" >&2
    exit 1
fi
echo "no findings"
