#!/bin/sh
# Installs what is missing, then builds and runs every test twice: in the
# development configuration, and again with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer (preset `asan`), where any finding fails the
# test that hit it. Window tests run headless on Qt's offscreen platform.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

cmake --preset dev
cmake --build --preset dev
QT_QPA_PLATFORM=offscreen ctest --preset dev

cmake --preset asan
cmake --build --preset asan
QT_QPA_PLATFORM=offscreen ctest --preset asan
