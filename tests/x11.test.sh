#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built game on a real X server (Xvfb) with a real sound server, played with real key
# presses, typing and mouse clicks (xdotool, through the XTEST extension), started from a
# foreign working directory. Its own sound is heard on the sound server, and with that
# server hung the game still ends when asked. (That a hung server never holds up the game
# is measured in sound.test.sh.)
#
# usage: x11.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"

exe=$(desk_program "${1:?usage: x11.test.sh <program> <build directory>}") || exit 1
build_dir="${2:?usage: x11.test.sh <program> <build directory>}"
ulimit -c 0

desk_need xdotool xprop sox soxi
desk_init

desk_start_xvfb
desk_start_pulse
elsewhere="$DESK_TMP/elsewhere"
mkdir -p "$elsewhere"

GAME_PID=""
start_game() {
    (cd "$elsewhere" && exec "$exe") >"$DESK_TMP/game.out" 2>"$DESK_TMP/game.err" &
    GAME_PID=$!
    DESK_PIDS+=("$GAME_PID")
}
game_fail() {
    echo "--- the game's stderr:" >&2
    cat "$DESK_TMP/game.err" >&2
    echo "--- windows on display:" >&2
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "  $(xdotool getwindowname "$w" 2>/dev/null)" >&2
    done
    desk_fail "$*"
}

# window TITLE: waits for the visible window with exactly that title; its id goes to WIN.
# The title a window manager shows (_NET_WM_NAME) must be the caption exactly, as must the
# old-style WM_NAME.
window() {
    local title="$1"
    WIN=""
    wait_until 10 eval 'WIN=$(desk_window "$title"); [ -n "$WIN" ]' \
        || game_fail "the window \"$1\" did not appear within 10 s"
    local shown
    shown=$(xprop -id "$WIN" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p')
    [ "$shown" = "$1" ] || game_fail "the window \"$1\" is shown by window managers as \"$shown\""
}
# no_window TITLE: no visible window with that title is left (within 5 s).
no_window() {
    local title="$1"
    wait_until 5 eval '[ -z "$(desk_window "$title")" ]' || game_fail "the window \"$1\" is still on display"
}
# focus WINDOW: waits until the window has the keyboard focus, as a player would.
focus() {
    wait_until 5 desk_focused "$1" \
        || game_fail "the window \"$(xdotool getwindowname "$1")\" did not get the keyboard focus"
}
press() {
    local id="$1"; shift
    focus "$id"
    xdotool key --delay 30 "$@"
}
# click WINDOW X Y: a real mouse click at a point of the window (negative: from the far edge).
click() {
    local id="$1" x="$2" y="$3" WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
    [ "$x" -lt 0 ] && x=$((WIDTH + x))
    [ "$y" -lt 0 ] && y=$((HEIGHT + y))
    xdotool mousemove --window "$id" "$x" "$y" click 1
}
# game_ends [SIGNAL]: the game, sent that signal or else after "Ende", is gone within 5 s with
# status 0 and no sanitizer report.
game_ends() {
    [ -n "${1:-}" ] && kill -"$1" "$GAME_PID"
    desk_ended "$GAME_PID" "$DESK_TMP/game.err" "${1:-"\"Ende\""}"
    [ "$DESK_FAILURES" -eq 0 ] || game_fail "the game did not end as it should"
}
# ask_to_quit: "Besser nicht" by the keyboard on the welcome screen (the focus starts on "Roger,
# los gehts"); the quit question that comes up goes to q.
ask_to_quit() {
    window "$welcome"; press "$WIN" Tab space
    window "Beenden?"; q=$WIN
}

welcome="Herzlich Willkommen zum Brendelquiz"

# 1. The keyboard alone: "Besser nicht", take it back, then give in as a coward.
start_game
ask_to_quit
no_window "$welcome"
press "$q" Tab Return                      # "oh, nää"
window "Brendelquiz"; box=$WIN
press "$box" Return
no_window "Beenden?"
no_window "Brendelquiz"
ask_to_quit
desk_record "$DESK_TMP/pfff.wav"
press "$q" Return                          # "doooch": the coward's "pfff"
window "Ok,schliessen wir das Programm"; c=$WIN
wait_until 10 eval '[ "$(pactl list short sink-inputs 2>/dev/null | wc -l)" -eq 0 ]' || game_fail "the sound of the coward dialog did not end within 10 s"
desk_stop_recording
press "$c" Return
window "Info Brendelquiz"; a=$WIN
press "$a" Return                          # "Ende" has the focus
game_ends
heard=$(heard_ms "$DESK_TMP/pfff.wav")
expected=$(heard_ms "$here/../resources/sounds/pfff")
echo "keyboard path: welcome, quit box, message box, welcome, quit box, coward, about, end;" \
     "\"pfff\" heard ${heard} ms of ${expected} ms"
diff=$((heard - expected))
[ "${diff#-}" -le 30 ] || desk_fail "the game, started elsewhere, played ${heard} ms of sound instead of its ${expected} ms \"pfff\""

# 2. Typing and the mouse: a name with umlauts, the first question, give up, end.
start_game
window "$welcome"; w=$WIN
press "$w" Return                          # "Roger, los gehts"
window "Name?"; n=$WIN
focus "$n"
xdotool type --delay 30 "Jürgen Müller"
click "$n" -40 -20                         # "OK", the lower right button
window "Hallo"; h=$WIN
no_window "Name?"
press "$h" Return
window "noch 14 Fragen bis zum ordentlichen Quellmärker"; f=$WIN
no_window "Hallo"
no_window "$welcome"
click "$f" -275 -45                        # "aufgeben", the first of the three buttons at the lower right
window "Info Brendelquiz"; a=$WIN
no_window "noch 14 Fragen bis zum ordentlichen Quellmärker"
click "$a" 428 344                         # "Ende"
game_ends
echo "mouse path: welcome, name typed, greeting, question 1, given up, about, end"

# 3. A hung sound server holds the sound thread, not the program's end.
start_game
ask_to_quit
focus "$q"
kill -STOP "$DESK_PULSE_PID"
DESK_FROZEN+=("$DESK_PULSE_PID")
press "$q" Return                          # "doooch" asks for "pfff"
window "Ok,schliessen wir das Programm"; c=$WIN
press "$c" Return
window "Info Brendelquiz"; a=$WIN
press "$a" Return
game_ends
kill -CONT "$DESK_PULSE_PID"
echo "hung sound server: \"Ende\" still ended the game"

# 4. The session ends the game (SIGTERM, SIGHUP, SIGINT from a terminal) while it waits for the
# player, while a message box is open, and while the certificate is drawn on the worker (the
# game's own start and end around the certificate screen; the X server gone is the fourth way).
start_game
window "$welcome"
game_ends INT
start_game
ask_to_quit
press "$q" Tab Return
window "Brendelquiz"
game_ends HUP
echo "signals: SIGINT on the welcome screen, SIGHUP with a message box open: ended cleanly"
# session_ends HOW: within a second, status 0 (1 when the X server went), no sanitizer report, no file left.
session_ends() {
    local out="$DESK_TMP/end-$1.out" pid xvfb platform=offscreen status=0
    mkdir -p "$DESK_TMP/tmp-$1"
    [ "$1" = X ] && { Xvfb -displayfd 3 -nolisten tcp 3>"$DESK_TMP/end-display" 2>/dev/null & xvfb=$!; sleep 1; platform=xcb status=1; }
    DISPLAY=":$(cat "$DESK_TMP/end-display" 2>/dev/null)" QT_QPA_PLATFORM=$platform TMPDIR="$DESK_TMP/tmp-$1" \
        "$build_dir/tests/print_certificate" session-end "Erika Mustermann" >"$out" 2>&1 &
    pid=$!
    wait_until 10 grep -qs '^DRAWING$' "$out" || fail "$1: the certificate screen did not come up"
    if [ "$1" = X ]; then kill -KILL "$xvfb"; else kill -"$1" "$pid"; fi
    timeout 1 tail --pid="$pid" -s 0.02 -f /dev/null || fail "$1: still running after a second"
    desk_ended "$pid" "$out" "$1 while the certificate is drawn" "$status"
    [ -z "$(ls -A "$DESK_TMP/tmp-$1")" ] || fail "$1: temporary files were left: $(ls -A "$DESK_TMP/tmp-$1")"
}
for how in TERM HUP INT X; do session_ends "$how"; done
echo "TERM, HUP, INT and the X server gone while the certificate is drawn: ended within a second, cleanly"

[ -s "$DESK_TMP/game.err" ] && { echo "the game's stderr:"; cat "$DESK_TMP/game.err"; }
desk_verdict
