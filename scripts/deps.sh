# Installs the Debian packages a build needs when they are missing: with
# apt-get as root, showing apt's own progress, otherwise by printing the one
# command that does it: with sudo where the user may use it (sudo installed,
# the user in the sudo group), else with su, which every Debian has; each
# package named once.
# Usage (sourced): ensure_packages pkg...

ensure_packages() {
    local missing=()
    local seen=" "
    local pkg
    for pkg in "$@"; do
        [[ "$seen" == *" $pkg "* ]] && continue
        seen+="$pkg "
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local install="apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing missing packages with apt-get (the first time: several minutes): ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update
        apt-get install -y --no-install-recommends "${missing[@]}"
    elif command -v sudo >/dev/null 2>&1 && id -nG | grep -qw sudo; then
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get update && sudo $install"
        exit 1
    else
        echo "Missing packages. Install them as root with:"
        echo "  su -c 'apt-get update && $install'"
        exit 1
    fi
}

# what building the demo needs; GL comes with freeglut3-dev, llvmpipe with libgl1-mesa-dri
DEMO_PACKAGES=(cmake make g++ freeglut3-dev libgl1-mesa-dri)
# what the tests and the tour add: GoogleTest, XTest for the real input path, PNG
# pictures, a private X server, and the checkers of the desktop entry and man page
TEST_PACKAGES=(libgtest-dev libx11-dev libxtst-dev libpng-dev xvfb xauth desktop-file-utils man-db)
# what building the web page needs (emscripten brings node and python3)
WEB_PACKAGES=(cmake make emscripten)
# what testing the page adds: Debian's Chromium and Firefox ESR, driven by
# puppeteer-core from npm
WEB_TEST_PACKAGES=(chromium firefox-esr)
# what building and checking the Debian package adds
PACKAGE_PACKAGES=(dpkg-dev file lintian appstream)

# npm for the page's tests, where Node.js came without it (Debian's nodejs,
# which emscripten brings, does)
npm_if_missing() {
    command -v npm >/dev/null 2>&1 || echo npm
}

# everything scripts/test.sh needs, for its one install line
test_command_packages() {
    printf '%s\n' "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" \
        "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" $(npm_if_missing)
}

ensure_npm() {
    ensure_packages $(npm_if_missing)
}

# The page tests' npm packages, from tests/web/package-lock.json; puppeteer-core
# drives Debian's Chromium and downloads no browser of its own. npm is quiet
# while it downloads: a line every few seconds says how far it is.
ensure_web_test_modules() {
    ensure_npm
    if [ ! -f tests/web/node_modules/.package-lock.json ] ||
        [ tests/web/package-lock.json -nt tests/web/node_modules/.package-lock.json ]; then
        local total
        total=$(grep -c '"resolved":' tests/web/package-lock.json || true)
        echo "Downloading the page tests' npm packages ($total packages, about 10 MB, from $(npm config get registry))..."
        local log status=0
        log=$(mktemp)
        (cd tests/web && exec npm ci --no-audit --no-fund --loglevel=http) >"$log" 2>&1 &
        local npm_pid=$!
        while kill -0 "$npm_pid" 2>/dev/null; do
            sleep 5
            kill -0 "$npm_pid" 2>/dev/null &&
                echo "  npm: $(grep -c 'http fetch GET 200' "$log" || true) of $total packages downloaded"
        done
        wait "$npm_pid" || status=$?
        if [ "$status" -ne 0 ]; then
            local code npm_log
            code=$(sed -n 's/^npm \(ERR!\|error\) code \(.*\)$/\2/p' "$log" | head -n1)
            npm_log=$(sed -n 's/^npm \(ERR!\|error\) A complete log of this run can be found in:* *\(.*\)$/\2/p' "$log" | head -n1)
            echo "npm ci failed${code:+ with code $code}${npm_log:+; its log: $npm_log}."
            if grep -qE 'CERT|certificate' "$log"; then
                echo "npm could not check the registry's certificate: behind a proxy that signs its own, run npm config set cafile /path/to/the/proxy's/certificate.pem, then this again."
            elif grep -qE 'ENOTFOUND|ECONNREFUSED|ETIMEDOUT|EAI_AGAIN|ECONNRESET|network' "$log"; then
                echo "npm could not reach its registry ($(npm config get registry)): check the network, or set a proxy with npm config set proxy http://host:port, then run this again."
            else
                grep -v 'http fetch' "$log" | tail -n 5
            fi
            rm -f "$log"
            exit 1
        fi
        rm -f "$log"
        echo "  npm: the page tests' packages are in tests/web/node_modules"
    fi
}
