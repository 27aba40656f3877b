#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and prints their figures: start-up and peak memory
# against a minimal Qt Widgets program, then the board's operations.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/deps.sh"
export QT_QPA_PLATFORM=offscreen
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DZLP_BENCH=ON >/dev/null
cmake --build "$root/build-bench" -j"$(nproc)" --target zlp-bench zlp-startup-probe zlp-floor-probe startup-compare
cd "$root"
echo
"$root/build-bench/bench/startup-compare" 20 "$root/build-bench/bench/zlp-startup-probe" \
    "$root/build-bench/bench/zlp-floor-probe"
echo
"$root/build-bench/bench/zlp-bench" --benchmark_min_time=0.2 2>/dev/null
