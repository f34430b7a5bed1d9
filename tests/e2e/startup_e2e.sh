#!/usr/bin/env bash
# Starts the real program on a virtual X screen and watches its windows from outside.
#   startup_e2e.sh <zavkari binary> table   — a 1280 x 1024 screen: the 500 x 339 splash first,
#       then the table over the whole screen, closed through its menu ("TamaSi", "gaTiSva ").
#   startup_e2e.sh <zavkari binary> low     — a 1280 x 699 screen: the splash, then the message
#       box; once it is dismissed the program ends by itself about three seconds later.
#   startup_e2e.sh <zavkari binary> paste   — the table; a middle click, Ctrl+V and Shift+Insert in
#       the debug memo while nothing is on the clipboard or selected: the program lives on and the
#       memo, written to its file, is unchanged.
#   startup_e2e.sh <zavkari binary> destroyed — the table's window destroyed from outside: the
#       program ends as when the table is closed.
#   startup_e2e.sh <zavkari binary> escape  — the options dialog closed by an Escape that a tool
#       synthesises (which leaves the key held down in the X server), then destroyed from outside:
#       each time the next click on "opciebi" shows it again.
# A third argument names a window manager to run on the screen first (openbox); without one the
# program has the bare X server to itself.
set -euo pipefail

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    case "$2" in
        table | paste | destroyed | escape) screen=1280x1024x24 ;;
        low) screen=1280x699x24 ;;
        *) echo "unknown case $2" >&2; exit 2 ;;
    esac
    exec env DISPLAY_UNDER_TEST=1 "$(dirname "$0")/under_xvfb.sh" "$screen" "$0" "$@"
fi

binary=$1
export XDG_RUNTIME_DIR=$(mktemp -d)
export HOME=$XDG_RUNTIME_DIR
unset QT_QPA_PLATFORM

fail() { echo "FAIL: $*" >&2; exit 1; }

if [[ -n "${3:-}" ]]; then
    "$3" &
    manager=$!
    trap 'kill "$manager" 2>/dev/null || true' EXIT
    # A window manager announces itself on the root window.
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "$3 did not start"
fi

# Waits up to $1 seconds for a visible window of size $2 ("WxH"); prints its id.
wait_for_window() {
    local deadline=$((SECONDS + $1)) id size
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name 'Zavkari' 2>/dev/null); do
            size=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
            [[ "$size" == "$2" ]] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# Waits up to $1 seconds for the program to end; fails if it does not.
wait_for_end() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the program is still running"
        sleep 0.1
    done
    wait "$pid" || fail "the program ended with status $?"
}

# Waits up to $1 seconds for the options dialog to be shown ($2 = 1) or gone ($2 = 0); prints its id.
wait_for_options() {
    local deadline=$((SECONDS + $1)) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name '^Option$' 2>/dev/null | head -1 || true)
        if [[ -n "$id" && $2 == 1 ]] || [[ -z "$id" && $2 == 0 ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Closes the table through its menu ("TamaSi", "gaTiSva ") and waits for the program to end.
quit_through_menu() {
    xdotool mousemove --window "$1" 25 9 click 1
    sleep 0.3
    xdotool mousemove --window "$1" 45 44 click 1
    wait_for_end 5
}

"$binary" &
pid=$!
trap 'kill "$pid" ${manager:-} 2>/dev/null || true' EXIT

wait_for_window 10 500x339 >/dev/null || fail "no 500 x 339 splash"

case "$2" in
table)
    table=$(wait_for_window 15 1280x1024) || fail "no table over the whole screen"
    quit_through_menu "$table"
    ;;
paste)
    table=$(wait_for_window 15 1280x1024) || fail "no table over the whole screen"
    # The memo lies at 608, 200 (257 x 177); its file button at 848, 360.
    xdotool mousemove --window "$table" 700 280 click 1 click 2 key ctrl+v shift+Insert
    sleep 0.5
    kill -0 "$pid" || fail "the program ended on a paste"
    xdotool mousemove --window "$table" 856 368 click 1
    sleep 0.5
    [[ "$(cat "$HOME/zavkari.txt")" == "me" ]] || fail "the memo changed: $(cat "$HOME/zavkari.txt")"
    quit_through_menu "$table"
    ;;
destroyed)
    table=$(wait_for_window 15 1280x1024) || fail "no table over the whole screen"
    xdotool windowclose "$table"
    wait_for_end 5
    ;;
escape)
    table=$(wait_for_window 15 1280x1024) || fail "no table over the whole screen"
    trap 'xdotool keyup Escape; kill "$pid" ${manager:-} 2>/dev/null || true' EXIT
    # "opciebi" lies at 57..121 along the menu bar.
    xdotool mousemove --window "$table" 89 9 click 1
    dialog=$(wait_for_options 5 1) || fail "no options dialog"
    xdotool key --window "$dialog" Escape
    wait_for_options 5 0 >/dev/null || fail "Escape did not close the options dialog"
    xdotool mousemove --window "$table" 89 9 click 1
    dialog=$(wait_for_options 5 1) || fail "the options dialog did not open again after Escape"
    sleep 1
    [[ -n "$(wait_for_options 1 1)" ]] || fail "the options dialog closed by itself"
    xdotool windowclose "$dialog"
    wait_for_options 5 0 >/dev/null || fail "the dialog's window was not destroyed"
    xdotool mousemove --window "$table" 89 9 click 1
    wait_for_options 5 1 >/dev/null || fail "the options dialog did not open again after its window was destroyed"
    kill -0 "$pid" || fail "the program ended"
    quit_through_menu "$table"
    ;;
low)
    box=""
    deadline=$((SECONDS + 15))
    while [[ -z "$box" ]] && ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name 'Zavkari' 2>/dev/null); do
            xwininfo -id "$id" | grep -q 'Height: 339$' || box=$id
        done
        sleep 0.1
    done
    [[ -n "$box" ]] || fail "no message box"
    sleep 1
    kill -0 "$pid" || fail "the program ended before the box was dismissed"
    # Bounded: on an X server without a window manager the focus may never be reported.
    timeout 5 xdotool windowfocus --sync "$box" key Return || xdotool key Return
    dismissed=$SECONDS
    wait_for_end 8
    ((SECONDS - dismissed >= 2)) || fail "the program ended at once, not three seconds later"
    ;;
esac
echo "ok"
