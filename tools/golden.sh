#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the references of tests/golden (each window's picture and what a screen
# reader is given of it) anew where the windows now differ, at both scales, and
# names each one written. Run it on purpose, after a change meant to be seen or
# heard; then look at the pictures, read the texts' differences, and commit them.
# Usage: tools/golden.sh [build folder, default build]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target test_golden -j2 >/dev/null
for scale in 1 2; do
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale ZLP_GOLDEN_WRITE=1 \
    "$build/tests/test_golden" 2>&1 | grep 'changed:' || true
done
git status --short tests/golden
