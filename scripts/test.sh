#!/usr/bin/env bash
# Builds the demo as scripts/demo.sh does, the demo with its tests and the web
# page, every build with warnings as errors, and runs every test with CTest on
# a plain build (the page's tests in headless Chromium last, a line as each of
# their files ends), then the tests of native code again on a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, where any finding fails. Packages missing are
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
LORENTZ_WERROR=ON scripts/web.sh --build

echo "== the demo as scripts/demo.sh builds it (Release), warnings as errors"
cmake -S . -B build-demo -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release -DLORENTZ_WERROR=ON >/dev/null
cmake --build build-demo --target lorentz-demo -j "$(nproc)"

passes=("build:OFF" "build-sanitize:ON")
[ "${1:-}" = "--quick" ] && passes=("build:OFF")

run_pass() {
    local dir=$1 sanitize=$2
    echo "== tests in $dir (sanitizers $sanitize): building, a few minutes the first time"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORENTZ_SANITIZE="$sanitize" \
        -DLORENTZ_REQUIRE_TESTS=ON -DLORENTZ_WERROR=ON >/dev/null
    cmake --build "$dir" -j "$(nproc)"
    if [ -z "${DISPLAY:-}" ]; then
        with_private_display 2048x1536x24 run_tests "$dir"
    else
        run_tests "$dir"
    fi
}

# the page's tests (a few minutes) last and verbose: their lines come as each file ends
run_tests() {
    local dir=$1 status=0
    ctest --test-dir "$dir" --output-on-failure -E '^web$' || status=$?
    if ctest --test-dir "$dir" -N -R '^web$' | grep -q 'Total Tests: 1'; then
        echo "== the page's tests in headless Chromium and Firefox (a few minutes)"
        ctest --test-dir "$dir" --output-on-failure -R '^web$' --verbose || status=$?
    fi
    return "$status"
}

for pass in "${passes[@]}"; do
    run_pass "${pass%%:*}" "${pass##*:}"
done
