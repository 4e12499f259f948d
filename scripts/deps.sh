# Installs the Debian packages a build needs when they are missing: with
# apt-get as root, otherwise by printing the exact command to run.
# Usage (sourced): ensure_packages pkg...

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing missing packages: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
}

# what building the demo needs; GL comes with freeglut3-dev, llvmpipe with libgl1-mesa-dri
DEMO_PACKAGES=(cmake make g++ freeglut3-dev libgl1-mesa-dri)
# what the tests and the tour add: GoogleTest, XTest for the real input path, PNG
# pictures, a private X server, and the checkers of the desktop entry and man page
TEST_PACKAGES=(libgtest-dev libx11-dev libxtst-dev libpng-dev xvfb xauth desktop-file-utils man-db)
