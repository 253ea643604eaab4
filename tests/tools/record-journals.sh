#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Records the journal of every game that tst_shell, tst_quiz and the random player (seeds 1-8,
# 24,000 actions) play, one file each, in OUT. A change that must not alter what the game does
# gives byte-identical files before and after:
#   tests/tools/record-journals.sh build /tmp/before   # on the old commit
#   tests/tools/record-journals.sh build /tmp/after    # on the new one
#   diff -r /tmp/before /tmp/after
set -euo pipefail
build=${1:?build directory}
out=${2:?output directory}
mkdir -p "$out"
rm -f "$out"/*.journal
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime
for test in tst_shell tst_quiz; do
  BQ_JOURNAL_DUMP="$out/$test.journal" "$build/tests/$test" >/dev/null
done
BQ_JOURNAL_DUMP="$out/tst_random_player.journal" BQ_RANDOM_SEEDS=1-8 BQ_RANDOM_ACTIONS=24000 \
  "$build/tests/tst_random_player" >/dev/null
# The random player's private temporary folder has a new name in every run.
sed -i 's|/tmp/qt_temp-[A-Za-z0-9]*|/tmp/qt_temp-X|g' "$out"/*.journal
wc -l "$out"/*.journal
