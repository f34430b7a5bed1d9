#!/usr/bin/env bash
# Starts the real program on a Wayland desktop without a screen and watches its windows in the
# compositor's scene graph: the 500 x 339 splash first, then the table over the whole 1280 x 1024
# output, both under the desktop file's app id; the program is still running 15 s after its start.
# Prints the requests the program sent the compositor until the table was up (WAYLAND_DEBUG).
#   startup_wayland_e2e.sh <zavkari binary>
set -euo pipefail

if [[ -z "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$(dirname "$0")/under_weston.sh" "$0" "$@"
fi

binary=$1
app_id=org.example.Zavkari
protocol=$(mktemp)
fail() { echo "FAIL: $*" >&2; exit 1; }

# The program's top-level windows as the compositor shows them, one a line: "title|app id|WxH+X+Y".
windows() {
    weston-debug scene-graph 2>/dev/null | awk '
        /role xdg_toplevel/ {
            match($0, /top-level window .* of [^,]*/)
            split(substr($0, RSTART + 17, RLENGTH - 17), parts, /'"'"' of /)
            title = substr(parts[1], 2); app = parts[2]; next
        }
        title != "" && /position:/ {
            gsub(/[(),]/, " "); print title "|" app "|" ($5 - $2) "x" ($6 - $3) "+" $2 "+" $3
            title = ""
        }'
}

# Waits up to $1 seconds for a window of the program whose size and place match $2; prints it.
wait_for_window() {
    local deadline=$((SECONDS + $1)) line
    while ((SECONDS < deadline)); do
        line=$(windows | grep -E "\|$app_id\|$2\$" | head -1 || true)
        [[ -n "$line" ]] && { echo "$line"; return 0; }
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(tail -3 "$protocol")"
        sleep 0.2
    done
    return 1
}

WAYLAND_DEBUG=client "$binary" 2>"$protocol" &
pid=$!
started=$SECONDS
trap 'kill "$pid" 2>/dev/null || true; rm -f "$protocol"' EXIT

wait_for_window 10 '500x339\+[0-9]+\+[0-9]+' >/dev/null || fail "no 500 x 339 splash"
wait_for_window 15 '1280x1024\+0\+0' >/dev/null || fail "no table over the whole output"
echo "requests to the compositor until the table was up: $(grep -c ' -> ' "$protocol")"
while ((SECONDS - started < 15)); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended: $(tail -3 "$protocol")"
    sleep 0.5
done
kill -0 "$pid" 2>/dev/null || fail "the program ended: $(tail -3 "$protocol")"
echo "ok"
