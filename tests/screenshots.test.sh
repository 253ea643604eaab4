#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `make screenshots` keeps working: every screen of the game is reached on a real X server
# and saved as a picture with something on it.
#
# usage: screenshots.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"
build_dir="${2:?usage: screenshots.test.sh <program> <build directory>}"
desk_init

bash "$here/desk/screenshots.sh" "$build_dir" "$DESK_TMP" || exit 1
count=0
for png in "$DESK_TMP"/*.png; do
    [ -f "$png" ] || continue
    count=$((count + 1))
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    size=$(wc -c <"$png")
    if [ "$signature" != 89504e470d0a1a0a ]; then
        fail "$(basename "$png") is not a PNG picture"
    elif [ "$size" -lt 1500 ]; then
        # An empty window of one colour packs into a few hundred bytes.
        fail "$(basename "$png") holds almost nothing ($size bytes)"
    fi
done
# The welcome, info, quit, coward and about screens (5), the name dialogs (2), the questions
# (16), the praises (15), the congratulations screen, the scoldings (16) and three message boxes.
[ "$count" -eq 58 ] || fail "$count pictures instead of 58"
desk_verdict "$count pictures"
