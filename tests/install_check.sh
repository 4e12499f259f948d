#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds:
# the program, a man page that renders without warnings, a valid desktop
# entry and its icon.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/lorentz-demo share/man/man1/lorentz-demo.1 \
         share/applications/lorentz-demo.desktop \
         share/icons/hicolor/256x256/apps/lorentz-demo.png; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
[ -x "$prefix/bin/lorentz-demo" ] || { echo "bin/lorentz-demo is not executable"; exit 1; }

# man page: renders, names the program, and groff has nothing to warn about
warnings=$(man --warnings -E UTF-8 -l "$prefix/share/man/man1/lorentz-demo.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man page warnings:"; echo "$warnings"; exit 1; }
MANWIDTH=80 man -l "$prefix/share/man/man1/lorentz-demo.1" 2>/dev/null | grep -q "lorentz-demo - interactive" \
    || { echo "man page does not render its NAME"; exit 1; }

# desktop entry: valid (hints allowed), pointing at the installed program and icon
report=$(desktop-file-validate "$prefix/share/applications/lorentz-demo.desktop" 2>&1) \
    || { echo "$report"; exit 1; }
if grep -qE "(error|warning):" <<<"$report"; then echo "$report"; exit 1; fi
grep -qx "Exec=lorentz-demo" "$prefix/share/applications/lorentz-demo.desktop"
grep -qx "Icon=lorentz-demo" "$prefix/share/applications/lorentz-demo.desktop"
grep -q "^Categories=Education;Science;" "$prefix/share/applications/lorentz-demo.desktop"

# the icon is a real PNG
head -c 8 "$prefix/share/icons/hicolor/256x256/apps/lorentz-demo.png" | od -An -tx1 | grep -q "89 50 4e 47"
echo "install check passed"
