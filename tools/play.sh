#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and starts it in the folder that holds ZLP-Images.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZLP_BENCH=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target ZentarasLogicProblems
cd "$root"
exec "$root/build/ZentarasLogicProblems"
