#!/usr/bin/env bash
# Builds the demo with its tests and runs every test with CTest. With no
# DISPLAY set it starts its own Xvfb (24-bit, large enough for 1920x1080
# windows) and stops it afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

ctest_command=(ctest --test-dir "$build" --output-on-failure)
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 2048x1536x24 -nolisten tcp" "${ctest_command[@]}"
else
    "${ctest_command[@]}"
fi
