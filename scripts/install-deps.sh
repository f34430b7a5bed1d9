#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Zavkari need, and only those
# that are missing. Quiet and quick when everything is already there.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    libgtest-dev libbenchmark-dev
    nlohmann-json3-dev
    xvfb xauth x11-utils xdotool
    fonts-bpg-georgian fonts-urw-base35
)
# libjpeg: Debian ships libjpeg62-turbo-dev, Ubuntu names it libjpeg-turbo8-dev; libjpeg-dev picks
# the distribution's default either way.
packages+=(libjpeg-dev)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
