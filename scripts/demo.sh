#!/usr/bin/env bash
# Builds the Lorentz transformation demo and starts it in a window.
# Arguments are passed to the program (GLUT takes its own, such as -geometry).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
    echo "No display (DISPLAY is unset): run this on a desktop, or render the pictures of every demonstration with scripts/tour.sh." >&2
    exit 1
fi

source scripts/deps.sh
ensure_packages "${DEMO_PACKAGES[@]}"

echo "Building the demo in build-demo (a minute the first time)..."
cmake -S . -B build-demo -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-demo --target lorentz-demo -j "$(nproc)" >/dev/null
exec build-demo/lorentz-demo "$@"
