#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every control on every screen of a game is called by what a sighted player reads (the
# in-process walk over Qt's accessibility interfaces, tests/accessibility.cpp), and that walk
# sees what a screen reader sees: the welcome screen of the real program, on an X server, as
# the accessibility bus (AT-SPI, in a private D-Bus session) reports it, gives the same tree of
# names and descriptions as the walk.
#
# usage: accessibility.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"
program="${1:?usage: accessibility.test.sh <program> <build directory>}"
build_dir="${2:?usage: accessibility.test.sh <program> <build directory>}"

desk_init
desk_need dbus-run-session
# Debian's interpreter: python3-pyatspi is installed for it, whatever python3 comes first in PATH.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || desk_fail "python3-pyatspi is not installed (make deps installs it)"

QT_QPA_PLATFORM=offscreen BQ_ACCESSIBLE_TREE_DIR="$DESK_TMP/walk" "$build_dir/tests/accessibility" \
    || desk_fail "a control is not called by what is shown"

desk_start_xvfb
dbus-run-session -- bash -c '
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" 2>"$3/game.log" &
    game=$!
    /usr/bin/python3 "$2" "Herzlich Willkommen zum Brendelquiz" >"$3/bus.tree"
    status=$?
    kill "$game"
    wait "$game"
    echo $? >"$3/game.status"
    exit "$status"' bus "$program" "$here/desk/accessible_tree.py" "$DESK_TMP" 2>"$DESK_TMP/bus.log" \
    || { cat "$DESK_TMP/bus.log" "$DESK_TMP/game.log" >&2; desk_fail "the welcome screen did not appear on the accessibility bus"; }
diff -u "$DESK_TMP/walk/Brendelquiz.tree" "$DESK_TMP/bus.tree" \
    || desk_fail "the accessibility bus reports the welcome screen otherwise than the in-process walk"
[ "$(cat "$DESK_TMP/game.status")" = 0 ] || desk_fail "the program ended on SIGTERM with status $(cat "$DESK_TMP/game.status")"
! grep -E 'Sanitizer|runtime error: ' "$DESK_TMP/game.log" >&2 || desk_fail "the program's end gave a sanitizer report (above)"
echo "PASS: every screen's controls are called by what is shown; the bus reports the welcome screen the same"
