#!/usr/bin/env bash
# Runs a command on a Wayland desktop without a screen, as xvfb-run does for X: weston's headless
# back-end with its desktop shell and one 1280 x 1024 output, in a runtime folder of its own. The
# command finds the compositor through WAYLAND_DISPLAY and Qt's platform set to "wayland"; its
# exit status is this script's.
#   under_weston.sh <command> [arguments...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
cleanup() {
    [[ -n "$weston_pid" ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

# --debug lets the tests read the compositor's scene graph with weston-debug.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=1280 --height=1024 \
    --socket=wayland-zavkari --idle-time=0 --debug --log="$runtime/weston.log" &
weston_pid=$!
for _ in $(seq 100); do
    [[ -S "$runtime/wayland-zavkari" ]] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.1
done
[[ -S "$runtime/wayland-zavkari" ]] || { echo "weston did not start" >&2; exit 1; }

status=0
# The compositor has no seat (no keyboard, no pointer), and Qt's Wayland text input, which a click
# in a text box starts, takes one for granted: the tests type without an input method.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-zavkari QT_QPA_PLATFORM=wayland QT_IM_MODULE=none \
    "$@" || status=$?
exit "$status"
