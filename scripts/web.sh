#!/usr/bin/env bash
# Builds the demo as one offline web page, build-web/lorentz-demo.html (the
# C++ compiled to WebAssembly with emscripten, everything inlined), and serves
# that folder on http://127.0.0.1:8000/. With --build it only builds;
# LORENTZ_WERROR=ON in the environment makes warnings errors (the test command's).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${WEB_PACKAGES[@]}"

echo "Building the web page in build-web (a minute the first time)..."
export NODE_PATH=/usr/share/nodejs # emscripten's JS optimiser finds acorn there
log=$(mktemp) # shown only when a step fails
if ! { emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DLORENTZ_WERROR="${LORENTZ_WERROR:-OFF}" && cmake --build build-web; } >"$log" 2>&1; then
    cat "$log"
    exit 1
fi
rm -f "$log"
echo "Page written: build-web/lorentz-demo.html ($(stat -c %s build-web/lorentz-demo.html) bytes)"
[ "${1:-}" = "--build" ] && exit 0

echo "Serving build-web: open http://127.0.0.1:8000/lorentz-demo.html (Ctrl-C stops)"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web
