#!/bin/sh
# Builds the web page: the core compiled to WebAssembly by Debian's emscripten
# (the `web` preset) and the page's static files, all in build/web/site.
# Installs what is missing first. The system libraries emscripten links come
# prebuilt with Debian's package, so a first build compiles only our sources.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --web
# Debian's emscripten finds its JavaScript helpers (acorn) there, also under a
# Node.js that does not look there by itself.
export NODE_PATH=/usr/share/nodejs
if [ ! -f build/web/CMakeCache.txt ]; then
    cmake --preset web
fi
cmake --build --preset web
echo "The page is in build/web/site"
