#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the game cannot show its first screen. Whatever the machine lacks, it
# must say so in one plain line on standard error and end with a failure status, not hang
# and not abort with a core dump.
#
# usage: no_display.test.sh <brendelquiz program> <build directory>
set -u
program="${1:?usage: no_display.test.sh <program> <build directory>}"
[ -x "$program" ] || { echo "FAIL: $program is not a program" >&2; exit 1; }
program="$(realpath "$program")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir -m 700 runtime

failures=0
# run_without_display CASE ENV...: the game started with only the given display settings.
run_without_display() {
    local case="$1"
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME \
        XDG_RUNTIME_DIR="$work/runtime" "$@" \
        timeout --signal=KILL 20 "$program" >out.txt 2>err.txt </dev/null
    local status=$?
    local lines
    lines=$(wc -l <err.txt)
    echo "$case: status $status, standard error: $(cat err.txt)"
    if [ "$status" -eq 0 ]; then
        echo "FAIL: $case: the program reported success" >&2
        failures=$((failures + 1))
    elif [ "$status" -ge 124 ]; then
        # 124 and up: could not be run, killed by the timeout, or ended by a signal such as
        # SIGABRT (134, the core dump).
        echo "FAIL: $case: the program did not run, hung or died of a signal (status $status)" >&2
        failures=$((failures + 1))
    fi
    if [ "$lines" -ne 1 ] || ! grep -q '^brendelquiz: Kein Bildschirm' err.txt; then
        echo "FAIL: $case: expected one line \"brendelquiz: Kein Bildschirm ...\" on standard error, got $lines:" >&2
        cat err.txt >&2
        failures=$((failures + 1))
    fi
    if [ -s out.txt ]; then
        echo "FAIL: $case: the program wrote to standard output" >&2
        failures=$((failures + 1))
    fi
    if compgen -G "core*" >/dev/null; then
        echo "FAIL: $case: a core file was left behind" >&2
        rm -f core*
        failures=$((failures + 1))
    fi
}

run_without_display "no display set"
run_without_display "a display that does not exist" DISPLAY=:9999
run_without_display "a display name that means nothing" DISPLAY=nonsense
run_without_display "a Wayland display that does not exist" WAYLAND_DISPLAY=wayland-99
run_without_display "X11 asked for without a display" QT_QPA_PLATFORM=xcb
run_without_display "a platform that does not exist" QT_QPA_PLATFORM=keine

[ "$failures" -eq 0 ] || exit 1
echo "PASS"
