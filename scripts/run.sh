#!/bin/sh
# Installs what is missing, builds the release configuration and starts the converter.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec ./build/release/src/app/velmaro "$@"
