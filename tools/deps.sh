#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs to build, run and test, if any
# are missing. Uses sudo only when not already root.
set -euo pipefail
packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgif-dev imagemagick
          fonts-liberation libbenchmark-dev clang libclang-rt-14-dev clang-format git
          dpkg-dev file lintian
          # The screen-reader test: Orca reading the game on a private desktop.
          orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core
          xvfb xdotool openbox dbus-daemon python3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
