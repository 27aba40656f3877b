#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the reference pictures of tests/golden anew where the windows now look
# different, at both scales, and names each one written. Run it on purpose,
# after a change meant to be seen; then look at the pictures and commit them.
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
