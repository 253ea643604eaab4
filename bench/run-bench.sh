#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game against a bare Qt Widgets program and prints one markdown table.
#
#   bench/run-bench.sh BUILD_DIR
#
# Starts its own sound server (PulseAudio with a null sink) and its own X server (Xvfb),
# and stops them again. Start-up is timed on the shipped program, warm and (as root) with
# the page cache dropped before every start, beside the bare window and, where it is
# installed, KWordQuiz. Settings: BQ_BENCH_ROUNDS (start-up runs of each program, 15),
# BQ_BENCH_REPEATS (scripted games of each kind for the screen changes, 5),
# BQ_BENCH_GAMES (games for the memory growth, 100). BQ_BENCH_KEEP=1 keeps the raw results.
set -euo pipefail

BUILD=$(cd "${1:?usage: run-bench.sh BUILD_DIR}" && pwd)
ROUNDS=${BQ_BENCH_ROUNDS:-15}
REPEATS=${BQ_BENCH_REPEATS:-5}
GAMES=${BQ_BENCH_GAMES:-100}

GAME=$BUILD/brendelquiz
BARE=$BUILD/bench/bq_bare_window
STARTUP=$BUILD/bench/bq_first_window
PLAYER=$BUILD/bench/bq_game_bench
for tool in "$GAME" "$BARE" "$STARTUP" "$PLAYER"; do
    [ -x "$tool" ] || { echo "run-bench.sh: $tool is missing; build the bench_tools target" >&2; exit 1; }
done
# The private X and sound servers of the desktop tests, and their clean-up.
. "$(dirname "$0")/../tests/desk/lib.sh"
desk_init
desk_need Xvfb pulseaudio parec
WORK=$DESK_TMP
if [ "${BQ_BENCH_KEEP:-0}" = 1 ]; then
    keep_results() { DESK_TMP=; desk_cleanup; echo "raw results kept in $WORK" >&2; }
    trap keep_results EXIT
fi

note() { echo "run-bench.sh: $*" >&2; }

# Runs a measuring program with its messages in a log; shows them only when it fails.
measure() { # OUTPUT PROGRAM ARGS...
    local out=$1
    shift
    if ! "$@" >>"$out" 2>"$WORK/messages"; then
        note "failed: $*"
        grep -v 'This plugin does not support' "$WORK/messages" >&2 || true
        exit 1
    fi
}

# A quiet desktop: no session bus, and a print system that has no printer, so the game keeps
# the certificate as a PDF in Documents.
mkdir -p -m 700 "$HOME/Documents"
export CUPS_SERVER=$WORK/no-cups/cups.sock
: >"$WORK/startup-warm"; : >"$WORK/startup-cold"; : >"$WORK/bare-memory"; : >"$WORK/growth"; : >"$WORK/sound"
unset SESSION_MANAGER DISPLAY
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)

desk_start_pulse
PULSE_PID=$DESK_PULSE_PID
DESK_FROZEN+=("$PULSE_PID") # the sound measurement stops it for a while

# 1. Start-up under Xvfb, from fork to the first window painted, the programs taking turns:
#    warm, then (as root) each start after the page cache was dropped.
programs=(bare="$BARE" game="$GAME")
PEER=$(command -v kwordquiz || true)
[ -z "$PEER" ] || programs+=(peer="$PEER")
desk_start_xvfb
export QT_QPA_PLATFORM=xcb
note "start-up, warm ($ROUNDS runs each)"
measure "$WORK/startup-warm" "$STARTUP" "$ROUNDS" 2 "${programs[@]}"
if [ "$(id -u)" -eq 0 ]; then
    note "start-up, cold ($ROUNDS runs each)"
    measure "$WORK/startup-cold" "$STARTUP" --cold "$ROUNDS" 0 "${programs[@]}"
fi
kill "$DESK_XVFB_PID"
unset DISPLAY

# 2-4 run in the game's sound folder, where the game finds its sounds.
cd "$BUILD/sounds"
export QT_QPA_PLATFORM=offscreen

# 2. Screen changes: each scripted game in a fresh process, as a player starts it.
note "screen changes ($REPEATS won and $REPEATS lost games)"
: >"$WORK/transitions"
for ((i = 0; i < REPEATS; i++)); do
    measure "$WORK/transitions" "$PLAYER" transitions won
    measure "$WORK/transitions" "$PLAYER" transitions lost
done

# 3. Memory: the peak of a whole won game with the certificate printed, three times;
#    then the resident memory over many games in one process.
note "memory"
: >"$WORK/memory"
for i in 1 2 3; do
    measure "$WORK/memory" "$PLAYER" memory
done
# The bare window's peak, offscreen as the game's: a second after its start, three times.
for i in 1 2 3; do
    "$BARE" 2>>"$WORK/messages" &
    bare=$!
    sleep 1
    echo "bare_memory $(awk '$1 == "VmHWM:" { print $2 }' "/proc/$bare/status")" >>"$WORK/bare-memory"
    kill "$bare"
    wait "$bare" || true
done
note "memory over $GAMES games"
measure "$WORK/growth" "$PLAYER" growth "$GAMES"

# 4. PlaySound with the server working, then stopped.
note "sound calls"
measure "$WORK/sound" "$PLAYER" sound "$PULSE_PID"

LOAD_AFTER=$(cut -d' ' -f1-3 /proc/loadavg)

# The table.
awk -v load_before="$LOAD_BEFORE" -v load_after="$LOAD_AFTER" -v rounds="$ROUNDS" -v repeats="$REPEATS" '
function verdict(ok) { return ok ? "yes" : "**no**" }
function mib(kb) { return sprintf("%.1f MiB", kb / 1024) }
FILENAME ~ /startup-warm$/ && $1 == "median" { warm_ms[$2] = $3; warm_kb[$2] = $4 }
FILENAME ~ /startup-cold$/ && $1 == "median" { cold_ms[$2] = $3 }
FILENAME ~ /bare-memory$/ && $1 == "bare_memory" { b++; bare_peak[b] = $2 }
FILENAME ~ /transitions$/ && $1 == "transition" {
    n++; ms[n] = $3; name = $4; for (i = 5; i <= NF; i++) name = name " " $i
    label[n] = name " (" $2 " game)"
    if ($3 > worst) { worst = $3; worst_name = label[n] }
    # The print button prints the certificate before the next screen comes: counted apart too.
    if (name !~ /\.Druck /) { k++; screen_ms[k] = $3 }
    if ($2 == "won") won++; else lost++
}
FILENAME ~ /memory$/ && $1 == "memory" { m++; play[m] = $3; print_peak[m] = $5 }
FILENAME ~ /growth$/ && $1 == "growth" { games = $3; first = $5; last = $7 }
FILENAME ~ /sound$/ && $1 == "sound" { p99[$2] = $8; taken[$2] = $12; calls[$2] = $4 }
END {
    # Nearest-rank percentiles of the screen changes.
    for (i = 1; i <= n; i++) sorted[i] = ms[i]
    for (i = 2; i <= n; i++) { v = sorted[i]; j = i - 1; while (j > 0 && sorted[j] > v) { sorted[j + 1] = sorted[j]; j-- } sorted[j + 1] = v }
    r50 = int(0.5 * n); if (r50 < 0.5 * n) r50++; r99 = int(0.99 * n); if (r99 < 0.99 * n) r99++
    for (i = 2; i <= k; i++) { v = screen_ms[i]; j = i - 1; while (j > 0 && screen_ms[j] > v) { screen_ms[j + 1] = screen_ms[j]; j-- } screen_ms[j + 1] = v }
    q99 = int(0.99 * k); if (q99 < 0.99 * k) q99++
    # Median peaks of the won games, while playing and at printing.
    for (i = 2; i <= m; i++) { v = play[i]; j = i - 1; while (j > 0 && play[j] > v) { play[j + 1] = play[j]; j-- } play[j + 1] = v }
    for (i = 2; i <= m; i++) { v = print_peak[i]; j = i - 1; while (j > 0 && print_peak[j] > v) { print_peak[j + 1] = print_peak[j]; j-- } print_peak[j + 1] = v }
    play_peak = play[int((m + 1) / 2)]; printing_peak = print_peak[int((m + 1) / 2)]

    printf "| Measure | Bare Qt window | Brendelquiz | Figure | Goal | Met |\n"
    printf "|---|---|---|---|---|---|\n"
    rw = warm_ms["game"] / warm_ms["bare"]
    printf "| Start-up, fork to the first window painted, Xvfb, warm (median of %d) | %.1f ms | %.1f ms | %.2f× | ≤ 1.15× | %s |\n", rounds, warm_ms["bare"], warm_ms["game"], rw, verdict(rw <= 1.15)
    if ("game" in cold_ms) {
        rc = cold_ms["game"] / cold_ms["bare"]
        printf "| Start-up, cold: page cache dropped before each start (median of %d) | %.1f ms | %.1f ms | %.2f× | | |\n", rounds, cold_ms["bare"], cold_ms["game"], rc
    }
    if ("peer" in warm_ms) {
        printf "| KWordQuiz start-up, warm | %.1f ms | %.1f ms (KWordQuiz) | %.2f× | | |\n", warm_ms["bare"], warm_ms["peer"], warm_ms["peer"] / warm_ms["bare"]
        if ("peer" in cold_ms)
            printf "| KWordQuiz start-up, cold | %.1f ms | %.1f ms (KWordQuiz) | %.2f× | | |\n", cold_ms["bare"], cold_ms["peer"], cold_ms["peer"] / cold_ms["bare"]
    }
    printf "| Screen change, click to painted, offscreen: p50 (%d clicks, %d won + %d lost games) | | %.2f ms | | | |\n", n, repeats, repeats, sorted[r50]
    printf "| Screen change: p99 | | %.2f ms | | ≤ 8 ms | %s |\n", sorted[r99], verdict(sorted[r99] <= 8)
    printf "| Screen change: slowest | | %.2f ms | %s | | |\n", worst, worst_name
    printf "| Screen change: p99 of the %d clicks other than printing the certificate | | %.2f ms | | ≤ 8 ms | %s |\n", k, screen_ms[q99], verdict(screen_ms[q99] <= 8)
    for (i = 2; i <= b; i++) { v = bare_peak[i]; j = i - 1; while (j > 0 && bare_peak[j] > v) { bare_peak[j + 1] = bare_peak[j]; j-- } bare_peak[j + 1] = v }
    bare_kb = bare_peak[int((b + 1) / 2)]
    rp = play_peak / bare_kb
    printf "| Peak resident memory (VmHWM) while playing: welcome screen to the last answer of a won game | %s | %s | %.2f× | ≤ 1.3× | %s |\n", mib(bare_kb), mib(play_peak), rp, verdict(rp <= 1.3)
    rq = printing_peak / bare_kb
    printf "| Peak resident memory (VmHWM) at printing: the certificate screen (page drawn ahead), the print click (saved as PDF), the about screen | %s | %s | %.2f× | ≤ 1.3× | %s |\n", mib(bare_kb), mib(printing_peak), rq, verdict(rq <= 1.3)
    growth = last - first
    printf "| Resident memory (VmRSS) after 1 and after %d games in one process | | %s → %s | %+d KiB | < 1 MiB | %s |\n", games, mib(first), mib(last), growth, verdict(growth < 1024)
    printf "| PlaySound on the UI thread, p99, sound server working (%d of %d sounds taken) | | %.1f µs | | < 1 ms | %s |\n", taken["working"], calls["working"], p99["working"], verdict(p99["working"] < 1000)
    printf "| PlaySound on the UI thread, p99, sound server stopped (SIGSTOP) | | %.1f µs | | < 1 ms | %s |\n", p99["frozen"], verdict(p99["frozen"] < 1000)
    printf "\nLoad average before and after: %s / %s.\n\n", load_before, load_after
}' "$WORK/startup-warm" "$WORK/startup-cold" "$WORK/transitions" "$WORK/memory" "$WORK/bare-memory" "$WORK/growth" "$WORK/sound"
