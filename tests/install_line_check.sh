#!/usr/bin/env bash
# The line printed to a user who is not root when a package is missing: it must
# work on a minimal Debian (no sudo) and install without recommends, as the
# root path does. dpkg-query is faked to report freeglut3-dev missing; as root,
# the check runs as the user nobody. Then, on a machine with nothing installed
# and no npm, the test command's line: one line, every package once, npm
# among them, and apt resolves the whole of it.
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
[ "$(id -u)" -eq 0 ] && as_user=("$(command -v setpriv)" --reuid=nobody --regid=nogroup --clear-groups)
status=0
output=$(cd "$work" && PATH="$work:$PATH" "${as_user[@]}" "$work/check" 2>&1) || status=$?

expected="Missing packages. Install them as root with:
  su -c 'apt-get update && apt-get install -y --no-install-recommends freeglut3-dev'"
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    echo "exit status $status (expected 1); printed:"
    echo "$output"
    exit 1
fi

# nothing installed, and no npm on the PATH
mkdir "$work/bare"
cat >"$work/bare/dpkg-query" <<'FAKE'
#!/bin/sh
exit 1
FAKE
ln -s "$(command -v grep)" "$(command -v id)" "$(command -v dirname)" "$work/bare/"
chmod -R a+rX "$work/bare"
cat >"$work/check-all" <<'RUN'
#!/bin/bash
source "$(dirname "$0")/deps.sh"
mapfile -t packages < <(test_command_packages)
ensure_packages "${packages[@]}"
RUN
chmod a+rx "$work/check-all"
status=0
output=$(cd "$work" && PATH="$work/bare" "${as_user[@]}" "$work/check-all" 2>&1) || status=$?
line=$(printf '%s\n' "$output" | sed -n "2s/^  su -c 'apt-get update && apt-get install -y --no-install-recommends \(.*\)'$/\1/p")
if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$output" | wc -l)" -ne 2 ] || [ -z "$line" ]; then
    echo "expected one install line, exit status 1; got $status and:"
    echo "$output"
    exit 1
fi
read -ra named <<<"$line"
duplicates=$(printf '%s\n' "${named[@]}" | sort | uniq -d)
[ -z "$duplicates" ] || { echo "named twice: $duplicates"; exit 1; }
printf '%s\n' "${named[@]}" | grep -qx npm || { echo "npm is not in the line: $line"; exit 1; }
# apt resolves every package of the line together on a machine with nothing
# installed (a simulation against an empty package status: this machine's own
# packages, such as a Node.js from elsewhere, play no part)
if ! ls /var/lib/apt/lists/*Packages* >/dev/null 2>&1; then
    [ "$(id -u)" -eq 0 ] || { echo "no apt package lists: run apt-get update as root"; exit 1; }
    apt-get update -qq
fi
: >"$work/status"
if ! apt-get install -s --no-install-recommends -o Dir::State::status="$work/status" "${named[@]}" \
    >"$work/apt.log" 2>&1; then
    echo "apt cannot install the line: $line"
    tail -5 "$work/apt.log"
    exit 1
fi

# a user in the sudo group, where sudo is installed: the line is sudo's
mkdir "$work/sudoer"
printf '#!/bin/sh\nexit 0\n' >"$work/sudoer/sudo"
cat >"$work/sudoer/id" <<'FAKE'
#!/bin/sh
case "$1" in -nG) echo "user sudo" ;; -u) echo 1000 ;; *) exec /usr/bin/id "$@" ;; esac
FAKE
chmod -R a+rx "$work/sudoer"
status=0
output=$(cd "$work" && PATH="$work/sudoer:$work:$PATH" "$work/check" 2>&1) || status=$?
expected="Missing packages. Install them with:
  sudo apt-get update && sudo apt-get install -y --no-install-recommends freeglut3-dev"
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    echo "with sudo: exit status $status (expected 1); printed:"
    echo "$output"
    exit 1
fi

# npm that cannot reach its registry: its error code and log named, then one
# line that says what to do
mkdir -p "$work/npmless/tests/web" "$work/npmbin"
echo '{}' >"$work/npmless/tests/web/package-lock.json"
cat >"$work/npmbin/npm" <<'FAKE'
#!/bin/sh
[ "$1" = config ] && { echo https://registry.npmjs.org/; exit 0; }
echo "npm error code ENOTFOUND" >&2
echo "npm error network request to https://registry.npmjs.org/axe-core failed" >&2
echo "npm error A complete log of this run can be found in: /root/.npm/_logs/fake-debug-0.log" >&2
exit 1
FAKE
chmod a+rx "$work/npmbin/npm"
status=0
output=$(cd "$work/npmless" && PATH="$work/npmbin:$PATH" bash -c "source '$work/deps.sh'; ensure_web_test_modules" 2>&1) || status=$?
if [ "$status" -ne 1 ] || ! printf '%s\n' "$output" | tail -n 1 | grep -q "^npm could not reach its registry (https://registry.npmjs.org/): .*npm config set proxy" ||
    ! printf '%s\n' "$output" | grep -qx "npm ci failed with code ENOTFOUND; its log: /root/.npm/_logs/fake-debug-0.log." ||
    ! printf '%s\n' "$output" | head -n 1 | grep -q "^Downloading the page tests' npm packages"; then
    echo "npm offline: exit status $status; printed:"
    echo "$output"
    exit 1
fi
echo "install line check passed (${#named[@]} packages in one line; sudo's line; npm offline said)"
