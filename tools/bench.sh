#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and prints their figures: start-up and peak memory
# against a minimal Qt Widgets program (offscreen, and to the first window
# mapped on a private X server), then the board's operations.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/deps.sh"
export QT_QPA_PLATFORM=offscreen
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DZLP_BENCH=ON >/dev/null
cmake --build "$root/build-bench" -j"$(nproc)" --target zlp-bench zlp-startup-probe zlp-floor-probe startup-compare
cd "$root"
echo
# A private X server for the time to the first mapped window, as a player sees it.
x11=()
if command -v Xvfb >/dev/null; then
    exec 3< <(Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x1024x24 2>/dev/null & echo "pid $!")
    read -r _ xvfb <&3
    read -r display <&3
    trap 'kill "$xvfb" 2>/dev/null' EXIT
    export DISPLAY=":$display"
    x11=(--x11)
else
    echo "(Xvfb is not installed: no X11 timing)"
fi
"$root/build-bench/bench/startup-compare" 20 "$root/build-bench/bench/zlp-startup-probe" \
    "$root/build-bench/bench/zlp-floor-probe" "${x11[@]}"
echo
"$root/build-bench/bench/zlp-bench" --benchmark_min_time=0.2 2>/dev/null
