#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds:
# the program, a man page that renders without warnings, a valid desktop
# entry, its icons and AppStream metadata that validates.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
man=share/man/man1/lorentz-demo.1.gz
for f in bin/lorentz-demo $man share/applications/lorentz-demo.desktop \
         share/metainfo/org.lorentzdemo.LorentzDemo.metainfo.xml \
         share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/lorentz-demo.png; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
[ -x "$prefix/bin/lorentz-demo" ] || { echo "bin/lorentz-demo is not executable"; exit 1; }

# man page: renders, names the program, and groff has nothing to warn about
warnings=$(man --warnings -E UTF-8 -l "$prefix/$man" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man page warnings:"; echo "$warnings"; exit 1; }
MANWIDTH=80 man -l "$prefix/$man" 2>/dev/null | grep -q "lorentz-demo - interactive" \
    || { echo "man page does not render its NAME"; exit 1; }

# desktop entry: valid without even a hint, pointing at the installed program and icon
report=$(desktop-file-validate "$prefix/share/applications/lorentz-demo.desktop" 2>&1) \
    || { echo "$report"; exit 1; }
[ -z "$report" ] || { echo "$report"; exit 1; }
grep -qx "Exec=env LORENTZ_SCENES=1 lorentz-demo" "$prefix/share/applications/lorentz-demo.desktop"
grep -qx "Icon=lorentz-demo" "$prefix/share/applications/lorentz-demo.desktop"
grep -qx "Categories=Education;Physics;" "$prefix/share/applications/lorentz-demo.desktop"

appstreamcli validate --no-net --strict "$prefix/share/metainfo/org.lorentzdemo.LorentzDemo.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net "$prefix/share/metainfo/org.lorentzdemo.LorentzDemo.metainfo.xml"; exit 1; }

# each icon is a PNG of the size its folder names
for size in 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/lorentz-demo.png" | grep -q "PNG image data, $size x $size" \
        || { echo "icon ${size}x$size is not a $size px PNG"; exit 1; }
done
echo "install check passed"
