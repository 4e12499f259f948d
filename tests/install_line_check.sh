#!/usr/bin/env bash
# The line printed to a user who is not root when a package is missing: it must
# work on a minimal Debian (no sudo) and install without recommends, as the
# root path does. dpkg-query is faked to report freeglut3-dev missing; as root,
# the check runs as the user nobody.
# Usage: install_line_check.sh path/to/deps.sh
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/deps.sh"
cat >"$work/dpkg-query" <<'FAKE'
#!/bin/sh
for last; do :; done
[ "$last" = freeglut3-dev ] && exit 1
echo "install ok installed"
FAKE
cat >"$work/check" <<'RUN'
#!/bin/bash
source "$(dirname "$0")/deps.sh"
ensure_packages "${DEMO_PACKAGES[@]}"
echo "not reached"
RUN
chmod -R a+rX "$work"
chmod a+x "$work/dpkg-query" "$work/check"

as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
status=0
output=$(cd "$work" && PATH="$work:$PATH" "${as_user[@]}" "$work/check" 2>&1) || status=$?

expected="Missing packages. Install them as root with:
  su -c 'apt-get update && apt-get install -y --no-install-recommends freeglut3-dev'"
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    echo "exit status $status (expected 1); printed:"
    echo "$output"
    exit 1
fi
echo "install line check passed"
