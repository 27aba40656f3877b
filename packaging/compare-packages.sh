#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares two builds of the Debian package. Exits 0 when they are the same
# bytes; otherwise names each member of the package (control or data) that
# differs, the differing lines of its file list (names, modes, owners, sizes,
# times, order) and each file whose content differs, then exits 1.
# Usage: compare-packages.sh first.deb second.deb
set -euo pipefail
if (($# != 2)); then
    echo "usage: $0 first.deb second.deb" >&2
    exit 2
fi
first="$(realpath "$1")" second="$(realpath "$2")"
if cmp -s "$first" "$second"; then
    echo "same bytes: $(sha256sum <"$first" | cut -d' ' -f1)"
    exit 0
fi
echo "the packages differ: $first $second"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/1" "$work/2"
(cd "$work/1" && ar x "$first") && (cd "$work/2" && ar x "$second")

members="$(ar t "$first" | xargs)"
if [ "$members" != "$(ar t "$second" | xargs)" ]; then
    echo "different members or order: $members / $(ar t "$second" | xargs)"
fi
found=0
for member in $members; do
    [ -f "$work/2/$member" ] || continue
    cmp -s "$work/1/$member" "$work/2/$member" && continue
    echo "member $member differs"
    found=1
    case "$member" in *.tar*) ;; *) continue ;; esac
    for side in 1 2; do
        tar -tvf "$work/$side/$member" --full-time --numeric-owner >"$work/$side.list"
        mkdir "$work/$side.x" && tar -xf "$work/$side/$member" -C "$work/$side.x"
    done
    # The first lines of the difference say enough: a time or an owner that
    # differs usually differs on every line.
    diff "$work/1.list" "$work/2.list" | grep '^[<>]' >"$work/list.diff" || true
    { grep '^<' "$work/list.diff" | head -4; grep '^>' "$work/list.diff" | head -4; } | sed 's/^/  list: /'
    if (($(wc -l <"$work/list.diff") > 8)); then
        echo "  list: ... $(wc -l <"$work/list.diff") lines in all"
    fi
    (cd "$work/1.x" && find . -type f | sort) | while read -r file; do
        other="$work/2.x/$file"
        if [ -f "$other" ] && ! cmp -s "$work/1.x/$file" "$other"; then
            echo "  content differs: $file ($(cmp -l "$work/1.x/$file" "$other" 2>/dev/null | wc -l) bytes)"
            if command -v readelf >/dev/null && readelf -n "$other" >/dev/null 2>&1; then
                echo "    build IDs: $(readelf -n "$work/1.x/$file" "$other" | sed -n 's/.*Build ID: //p' | xargs)"
            fi
        fi
    done
    rm -rf "$work/1.x" "$work/2.x"
done
if ((!found)); then
    # Same members with the same bytes: the archive's own headers differ.
    echo "the ar headers differ:"
    diff <(ar tv "$first") <(ar tv "$second") | sed -n 's/^[<>]/  &/p' || true
fi
exit 1
