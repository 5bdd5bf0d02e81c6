#!/bin/sh
# Installs what is missing, builds the development configuration and runs every test.
# Window tests run headless on Qt's offscreen platform.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
QT_QPA_PLATFORM=offscreen ctest --preset dev
