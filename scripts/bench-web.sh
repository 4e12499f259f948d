#!/usr/bin/env bash
# Benchmarks the web page in headless Chromium: frame time per demonstration
# against a bare WebGL clear, navigation to the first frame, the page's size.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" $(npm_if_missing)
ensure_web_test_modules
scripts/web.sh --build
node tests/web/bench.mjs
