#!/usr/bin/env bash
# Builds the demo with its tests and the web page, and runs every test with
# CTest on a plain build (the page's tests in headless Chromium among them),
# then the tests of native code again on a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any finding fails. Packages missing are
# installed (as root) or named in one install line; the page tests' npm
# packages come from the npm registry. With no DISPLAY set it starts its own
# Xvfb (24-bit, large enough for 1920x1080 windows) and stops it afterwards.
#   --quick   the plain build only
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/xvfb.sh
mapfile -t packages < <(test_command_packages)
ensure_packages "${packages[@]}"
ensure_web_test_modules
scripts/web.sh --build

passes=("build:OFF" "build-sanitize:ON")
[ "${1:-}" = "--quick" ] && passes=("build:OFF")

run_pass() {
    local dir=$1 sanitize=$2
    echo "== tests in $dir (sanitizers $sanitize): building, a few minutes the first time"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORENTZ_SANITIZE="$sanitize" \
        -DLORENTZ_REQUIRE_TESTS=ON >/dev/null
    cmake --build "$dir" -j "$(nproc)"
    local ctest_command=(ctest --test-dir "$dir" --output-on-failure)
    if [ -z "${DISPLAY:-}" ]; then
        with_private_display 2048x1536x24 "${ctest_command[@]}"
    else
        "${ctest_command[@]}"
    fi
}

for pass in "${passes[@]}"; do
    run_pass "${pass%%:*}" "${pass##*:}"
done
