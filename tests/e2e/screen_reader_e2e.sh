#!/usr/bin/env bash
# The real program on an X screen of its own (Xvfb picks a free display) and in a D-Bus session of
# its own with the accessibility bus: screen_reader_listener.py plays two deals by ear and checks
# what a screen reader was told.  screen_reader_e2e.sh <zavkari binary>
set -euo pipefail
work=$(mktemp -d)
export HOME=$work XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
trap 'kill $! 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || { echo "FAIL: no X screen" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
# The buses' own chatter is left out.
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader_listener.py" "$1" 2> >(
    grep -v -e 'fd limit' -e 'dbus-daemon\[' -e 'at-spi2-registryd' -e 'default display' \
        -e '^$' -e 'X connection to' >&2)
