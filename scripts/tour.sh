#!/usr/bin/env bash
# Renders the picture gallery: runs the real demo on a private Xvfb, drives it
# through XTest and writes a PNG of every demonstration, an index.md and the
# desktop icon into the output folder (default docs/gallery).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/xvfb.sh
ensure_packages "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

out=${1:-docs/gallery}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target lorentz-tour -j "$(nproc)" >/dev/null
mkdir -p "$out"
with_private_display 1280x1024x24 build/lorentz-tour build/lorentz-demo "$out"
echo "Gallery written to $out (index: $out/index.md)"
