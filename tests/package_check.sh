#!/usr/bin/env bash
# Builds the Debian package and checks it as an administrator would meet it:
# every file at its path, a Depends line from the shared libraries only,
# lintian without errors or warnings, valid AppStream metadata, and the
# unpacked program opening, drawing F1 and quitting with status 0 (on $DISPLAY).
# Usage: package_check.sh SOURCE_DIR UNPACKED_TEST_PROGRAM
set -euo pipefail
src=$1
unpacked_test=$2
fail() { echo "package check: $*"; exit 1; }

"$src/scripts/package.sh" >/dev/null
deb=$(ls "$src"/build-package/lorentz-demo_*_amd64.deb)
version=$(sed -n 's/^project(lorentz_demo VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[ "$(basename "$deb")" = "lorentz-demo_${version}_amd64.deb" ] || fail "unexpected name $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in usr/bin/lorentz-demo usr/share/man/man1/lorentz-demo.1.gz \
         usr/share/applications/lorentz-demo.desktop \
         usr/share/metainfo/org.lorentzdemo.LorentzDemo.metainfo.xml \
         usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/lorentz-demo.png \
         usr/share/doc/lorentz-demo/copyright usr/share/doc/lorentz-demo/changelog.gz; do
    grep -qx "\./$f" <<<"$contents" || fail "not in the package: $f"
done

depends=$(dpkg-deb -f "$deb" Depends)
grep -q "libglut" <<<"$depends" || fail "no freeglut in Depends: $depends"
grep -qE "libopengl0|libgl1" <<<"$depends" || fail "no GL library in Depends: $depends"
if grep -qE "gtest|xtst|png|libx11|benchmark" <<<"$depends"; then fail "test-only package in Depends: $depends"; fi

findings=$(lintian --suppress-tags running-with-root-privileges "$deb" 2>&1 | grep -E '^[EW]:' || true)
[ -z "$findings" ] || fail "lintian: $findings"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net --strict "$root/usr/share/metainfo/org.lorentzdemo.LorentzDemo.metainfo.xml" >/dev/null \
    || fail "appstreamcli does not accept the metainfo"
LORENTZ_DEMO_PROGRAM="$root/usr/bin/lorentz-demo" "$unpacked_test"
echo "package check passed: $(basename "$deb"), Depends: $depends"
