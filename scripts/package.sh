#!/usr/bin/env bash
# Builds the Debian package of the demo with CPack, with Debian's hardening
# flags (all of them) and without the tests: build-package/lorentz-demo_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${DEMO_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
echo "Building the package in build-package (a minute the first time)..."
cmake -S . -B build-package -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package -j "$(nproc)" >/dev/null
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/lorentz-demo_*_amd64.deb)
echo "Package written: $deb"
