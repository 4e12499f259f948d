#!/usr/bin/env bash
# Benchmarks the web page in headless Chromium: frame time per demonstration
# against a bare WebGL clear, navigation to the first frame, the page's size.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}"
ensure_npm
scripts/web.sh --build
[ -f tests/web/node_modules/.package-lock.json ] || (cd tests/web && npm ci --no-audit --no-fund >/dev/null)
node tests/web/bench.mjs
