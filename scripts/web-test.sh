#!/bin/sh
# Builds the web page, checks the WebAssembly core against the golden values
# under Node (byte for byte), then runs the browser tests in Debian's headless
# Chromium with the npm packages pinned in web/package-lock.json.
set -eu
cd "$(dirname "$0")/.."
./scripts/web-build.sh
NODE_PATH=/usr/share/nodejs ctest --preset web
cd web
# puppeteer-core brings no browser; this only makes sure nothing fetches one.
export PUPPETEER_SKIP_DOWNLOAD=1
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund
fi
node --test tests/
