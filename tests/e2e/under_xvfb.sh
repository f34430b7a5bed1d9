#!/usr/bin/env bash
# Runs a command on a virtual X screen of its own: Xvfb picks a free display number itself
# (-displayfd), so that any number of these can start at once without racing for a display, as
# `xvfb-run -a` does when two of them pick the same one. The command finds the screen through
# DISPLAY; its exit status is this script's.
#   under_xvfb.sh <width>x<height>x<depth> <command> [arguments...]
set -euo pipefail

screen=$1
shift
runtime=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

# The server writes the display's number to the descriptor once it takes connections.
exec {display_fd}>"$runtime/display"
Xvfb -displayfd "$display_fd" -screen 0 "$screen" -nolisten tcp 2>"$runtime/xvfb.log" &
xvfb_pid=$!
exec {display_fd}>&-
for _ in $(seq 100); do
    [[ -s "$runtime/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$runtime/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[[ -s "$runtime/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }

status=0
DISPLAY=":$(head -n 1 "$runtime/display")" "$@" || status=$?
exit "$status"
