# Sourced by the scripts that need an X display of their own: with_private_display
# SCREEN COMMAND... starts Xvfb on a display number that Xvfb itself picks and
# locks (-displayfd), so that runs side by side on one machine never share one,
# runs the command there, and stops the server afterwards.
with_private_display() {
    local screen=$1
    shift
    local number_file status=0
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number_file" 2>/dev/null &
    local server=$!
    # Xvfb writes the number once it accepts clients
    while ! grep -q '^[0-9]\+$' "$number_file"; do
        if ! kill -0 "$server" 2>/dev/null; then
            echo "Xvfb did not start" >&2
            rm -f "$number_file"
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(head -n1 "$number_file")" "$@" || status=$?
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    rm -f "$number_file"
    return "$status"
}
