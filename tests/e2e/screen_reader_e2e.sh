#!/usr/bin/env bash
# The real program on a virtual X screen of its own (Xvfb picks a free display), in a D-Bus session
# of its own with the accessibility bus: a listener plays two deals by keys alone, from what the
# program announces, and checks what a screen reader was told (screen_reader_listener.py).
#   screen_reader_e2e.sh <zavkari binary>
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
work=$(mktemp -d)
export HOME=$work XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.05
done
[[ -s "$work/display" ]] || { echo "FAIL: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# The session bus starts the accessibility bus and its registry on demand.
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_listener.py" "$1" 2> >(
    grep -v -e 'fd limit' -e 'dbus-daemon\[' -e 'SpiRegistry' -e 'Cannot open default display' \
        -e '^$' -e 'at-spi2-registryd' -e 'X connection to' >&2)
