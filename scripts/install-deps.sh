#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging Zavkari need, and only
# those that are missing. Quiet and quick when everything is already there.
set -euo pipefail

packages=(
    # GCC hands the link-time optimisation of release builds to make, to run it in parallel; without
    # make it warns and runs it serially.
    g++ make cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev libxcb1-dev
    libgtest-dev libbenchmark-dev
    nlohmann-json3-dev
    fonts-bpg-georgian fonts-urw-base35
    # The display plugins: X11 comes with Qt, Wayland is a package of its own.
    qt6-wayland
    # The end-to-end tests: a virtual X screen with and without a window manager, and a Wayland
    # compositor without a screen.
    xvfb xauth x11-utils xdotool openbox weston
    # What a screen reader hears: the accessibility bus in a D-Bus session, and a listener on it.
    dbus at-spi2-core python3-pyatspi
    # `cpack -G DEB` finds the package's library dependencies with these.
    file dpkg-dev
)
# libjpeg: Debian ships libjpeg62-turbo-dev, Ubuntu names it libjpeg-turbo8-dev; libjpeg-dev picks
# the distribution's default either way.
packages+=(libjpeg-dev)
# zlib: the clips' frames are stored deflated; Xlib: whether an X desktop blends windows.
packages+=(zlib1g-dev libx11-dev)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "Zavkari needs these Debian packages: ${missing[*]}" >&2
        echo "This user cannot install them (no root, no sudo). As root, run:" >&2
        echo "    apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
        echo "then run this command again." >&2
        exit 1
    fi
    sudo_cmd=(sudo)
fi

echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
# apt shows its progress; `env` carries the setting past sudo, which clears the environment.
apt=("${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)
"${apt[@]}" update
"${apt[@]}" install -y --no-install-recommends "${missing[@]}"
