#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a picture of every screen of the game on a private X server.
#
# usage: screenshots.sh <build directory> <output directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/lib.sh"

build_dir="$(cd "${1:?usage: screenshots.sh <build directory> <output directory>}" && pwd)"
out="${2:?usage: screenshots.sh <build directory> <output directory>}"
mkdir -p "$out" && out="$(cd "$out" && pwd)"
tool="$build_dir/tests/screenshots"
[ -x "$tool" ] || desk_fail "$tool is missing (cmake --build $build_dir --target screenshots)"

desk_init
desk_start_xvfb
"$tool" "$out" >"$DESK_TMP/list" || { cat "$DESK_TMP/list"; desk_fail "not every screen could be photographed"; }
echo "$(wc -l <"$DESK_TMP/list") pictures in $out"
