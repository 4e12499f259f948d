#!/usr/bin/env bash
# The page committed for teachers to download must be the one the sources build.
# Usage: committed_check.sh BUILT_PAGE COMMITTED_PAGE
set -euo pipefail
built=$1
committed=$2
[ -f "$built" ] || { echo "no built page at $built: run scripts/web.sh --build"; exit 1; }
size=$(stat -c %s "$built")
[ "$size" -le 512000 ] || { echo "the page is $size bytes, over 500 KB"; exit 1; }
if ! cmp -s "$built" "$committed"; then
    echo "$committed is not what the sources build: cp $built $committed"
    exit 1
fi
echo "committed page matches the build ($size bytes)"
