#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The last line of `make test`: how many tests were skipped, each by name with the reason it
# gave. A test skips only for what the machine lacks (root, mount namespaces, a package); where
# the project's CI runs (CI=true) a skip fails the run all the same.
#
# usage: skip-summary.sh RESULTS.xml... (written by ctest --output-junit, in its build directory)
set -u
skipped=()
for results in "$@"; do
    [ -f "$results" ] || { echo "FAIL: no test results in $results" >&2; exit 1; }
    dir=$(dirname "$results")
    for name in $(sed -n 's/.*<testcase name="\([^"]*\)".*status="notrun".*/\1/p' "$results"); do
        why=$(awk -v test="$name" '$0 ~ "^[0-9]+/[0-9]+ Testing: " test "$" { on = 1 }
                                   on && /^SKIP/ { print; exit } / end time: / { on = 0 }' \
                  "$dir/Testing/Temporary/LastTest.log" 2>/dev/null)
        skipped+=("$name in $(cd "$dir" && basename "$PWD") (${why:-see ctest -V -R $name})")
    done
done
if [ ${#skipped[@]} -eq 0 ]; then
    echo "0 skipped"
    exit 0
fi
echo "${#skipped[@]} skipped: $(printf '%s; ' "${skipped[@]}" | sed 's/; $//')"
if [ "${CI:-}" = true ]; then
    echo "FAIL: CI=true, where every test must run: a skipped test is a failure" >&2
    exit 1
fi
