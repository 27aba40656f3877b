#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game with warnings as errors and runs every test (the screen
# reader's among them, which skips where Orca cannot start), checks the
# Debian package with lintian where it is installed, then builds the game
# again under AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# tests once more.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/deps.sh"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

echo "== source layout follows .clang-format"
(cd "$root" && git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror)

echo "== build and test"
cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZLP_WERROR=ON -DZLP_FUZZ=ON >/dev/null
cmake --build "$root/build-test" -j"$jobs"
ctest --test-dir "$root/build-test" --output-on-failure -j"$jobs"

echo "== the Debian package passes lintian and builds the same bytes twice"
if command -v lintian >/dev/null; then
    # Only the game is built for the package, with Debian's build flags.
    cmake -S "$root" -B "$root/build-pkg" -DZLP_PACKAGE=ON >/dev/null
    cmake --build "$root/build-pkg" -j"$jobs"
    rm -f "$root"/build-pkg/*.deb
    (cd "$root/build-pkg" && cpack >/dev/null)
    lintian --fail-on error,warning "$root"/build-pkg/*.deb
    # Built again from a copy of the source in another folder, with new file
    # times, later, in another time zone and umask, the package is the same.
    again="$(mktemp -d)"
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        tar -c --null -T - --ignore-failed-read) | tar -x --touch -C "$again"
    (umask 002 && export TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 &&
        cmake -S "$again" -B "$again/build-again" -DZLP_PACKAGE=ON >/dev/null &&
        cmake --build "$again/build-again" -j"$jobs" >/dev/null &&
        cd "$again/build-again" && cpack >/dev/null)
    bash "$root/packaging/compare-packages.sh" "$root"/build-pkg/*.deb "$again"/build-again/*.deb
    rm -rf "$again"
else
    echo "lintian is not installed: skipped (apt-get install lintian)"
fi

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DZLP_WERROR=ON \
      -DZLP_SANITIZE=ON -DZLP_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs" -LE 'slow|reader'
