#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs them on a private Xvfb: boost
# drift after long drags, frame-time ratios at 512x512 and 1920x1080, motion
# event costs and the boost math. Extra arguments go to Google Benchmark
# (for example --benchmark_filter=motion).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/xvfb.sh
ensure_packages "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}" libbenchmark-dev

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLORENTZ_SANITIZE=OFF >/dev/null
cmake --build build-bench --target lorentz-bench -j "$(nproc)" >/dev/null
with_private_display 2048x1536x24 build-bench/lorentz-bench "$@"
