#!/bin/sh
# Builds the web page if needed and serves it on http://127.0.0.1:PORT/
# (default 8080) for development. The folder build/web/site is plain static
# files: any web server can host it.
set -eu
cd "$(dirname "$0")/.."
port=${1:-8080}
if [ ! -f build/web/site/sw.js ]; then
    ./scripts/web-build.sh
fi
echo "Serving build/web/site on http://127.0.0.1:$port/"
exec python3 -m http.server --bind 127.0.0.1 --directory build/web/site "$port"
