#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the game cannot show its first screen. Whatever the machine lacks, it
# must say so in one plain line on standard error and end with a failure status, not hang
# and not abort with a core dump.
#
# usage: no_display.test.sh <brendelquiz program> <build directory>
set -u
. "$(dirname "${BASH_SOURCE[0]}")/desk/lib.sh"
program=$(desk_program "${1:?usage: no_display.test.sh <program> <build directory>}") || exit 1
desk_init
cd "$DESK_TMP" || exit 1

# run_without_display CASE ENV...: the game started with only the given display settings.
run_without_display() {
    local case="$1"
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME "$@" \
        timeout --signal=KILL 20 "$program" >out.txt 2>err.txt </dev/null
    local status=$?
    local lines
    lines=$(wc -l <err.txt)
    echo "$case: status $status, standard error: $(cat err.txt)"
    if [ "$status" -eq 0 ]; then
        fail "$case: the program reported success"
    elif [ "$status" -ge 124 ]; then
        # 124 and up: could not be run, killed by the timeout, or ended by a signal such as
        # SIGABRT (134, the core dump).
        fail "$case: the program did not run, hung or died of a signal (status $status)"
    fi
    if [ "$lines" -ne 1 ] || ! grep -q '^brendelquiz: Kein Bildschirm' err.txt; then
        fail "$case: expected one line \"brendelquiz: Kein Bildschirm ...\" on standard error, got $lines:"
        cat err.txt >&2
    fi
    [ -s out.txt ] && fail "$case: the program wrote to standard output"
    compgen -G "core*" >/dev/null && { fail "$case: a core file was left behind"; rm -f core*; }
}

run_without_display "no display set"
run_without_display "a display that does not exist" DISPLAY=:9999
run_without_display "a display name that means nothing" DISPLAY=nonsense
run_without_display "a Wayland display that does not exist" WAYLAND_DISPLAY=wayland-99
run_without_display "X11 asked for without a display" QT_QPA_PLATFORM=xcb
run_without_display "a platform that does not exist" QT_QPA_PLATFORM=keine

desk_verdict
