#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind player hears the whole game: Debian's screen reader (Orca, speaking through
# speech-dispatcher into a private sound server) follows a won game, a lost game and the way
# out through the quit question, all played by keyboard alone. What it says (its debug log's
# "SPEECH OUTPUT:" lines) as each window opens holds every text the window shows, as the
# accessibility bus reports them, each no more often than shown; and never a control name.
# The game is started without any accessibility variable: Orca's presence switches Qt's
# bridge on, as on a real desktop. Keys with Orca listening are as prompt as without.
#
# usage: screen_reader.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"

if [ "${BQ_IN_SESSION:-}" != 1 ]; then
    exe=$(desk_program "${1:?usage: screen_reader.test.sh <program> <build directory>}") || exit 1
    desk_need xdotool setxkbmap orca speech-dispatcher dbus-run-session script
    desk_init
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || desk_fail "python3-pyatspi is not installed (make deps installs it)"
    # Every screen's name and control names, from the in-process walk over every screen.
    QT_QPA_PLATFORM=offscreen BQ_ACCESSIBLE_TREE_DIR="$DESK_TMP/walk" "${2:?}/tests/accessibility" >/dev/null \
        || desk_fail "the accessibility walk failed"
    # Orca's helpers are started on demand and outlive the session bus; their command lines
    # carry the private runtime directory.
    trap 'for pid in $(pgrep -f -- "$XDG_RUNTIME_DIR"); do kill -KILL "$pid" 2>/dev/null; done; desk_cleanup' EXIT
    desk_start_xvfb
    # A German keyboard, with keys of its own for the umlauts: xdotool would otherwise type one
    # through a key it maps for a moment, and with a screen reader the key reaches the game after
    # that mapping is gone.
    setxkbmap de || desk_fail "cannot set a German keyboard layout"
    desk_start_pulse
    export DESK_TMP
    BQ_IN_SESSION=1 dbus-run-session -- bash "${BASH_SOURCE[0]}" "$exe"
    exit $?
fi

exe="$1"
# The game and Orca go with the session: Orca may not heed anything gentler.
trap 'for pid in "${DESK_PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null; done' EXIT
NAME="Jürgen Müller"
SPEECH="$DESK_TMP/orca.log"
GAME_PID="" MARK=0 WINDOWS=0 TEXTS=0 UNHEARD=() TWICE=() SHOWN=()
spoken() { sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' *{.*\$/\1/p" "$SPEECH" 2>/dev/null; }
fail() {
    echo "--- what Orca said:" >&2; spoken >&2
    echo "--- the game's output:" >&2; cat "$DESK_TMP/game.err" >&2
    desk_fail "$*"
}
# window TITLE [again]: waits for the window and its keyboard focus (its id to WIN); unless it is
# back in the focus again, every text it shows was heard since it opened, none more than shown.
window() {
    local title="$1" size=-1 now texts=() text said
    WIN=""
    wait_until 20 eval 'WIN=$(desk_window "$title"); [ -n "$WIN" ]' || fail "the window \"$1\" did not appear"
    wait_until 10 desk_focused "$WIN" || fail "the window \"$1\" did not get the keyboard focus"
    # Orca has announced the window, and had its say about it when its log stands still.
    [ -f "$SPEECH" ] || return 0
    wait_until 20 eval 'spoken | tail -n +$((MARK + 1)) | grep -qF -- "$title"' \
        || fail "Orca did not announce the window \"$title\""
    while now=$(stat -c %s "$SPEECH") && [ "$now" != "$size" ]; do
        size=$now
        sleep 0.3
    done
    [ -z "${2:-}" ] || return 0
    echo "$title" >&"${BUS[1]}"
    while IFS= read -r text <&"${BUS[0]}" && [ "$text" != . ]; do texts+=("$text"); done
    [ ${#texts[@]} -gt 0 ] || fail "the window \"$title\" is not on the accessibility bus"
    said=$(spoken | tail -n +$((MARK + 1)))
    WINDOWS=$((WINDOWS + 1)) TEXTS=$((TEXTS + ${#texts[@]})) SHOWN+=("${texts[@]}")
    for text in "${texts[@]}"; do
        now=$(grep -oF -- "$text" <<<"$said" | wc -l)
        [ "$now" -gt 0 ] || UNHEARD+=("$title: $text")
        [ "$now" -le "$(printf '%s\n' "${texts[@]}" | grep -oF -- "$text" | wc -l)" ] || TWICE+=("$title: $text")
    done
}
# Keys come at a typist's pace, a quarter of a second apart. Qt hands each key to Orca and
# waits only 100 ms for its answer; when a busy Orca answers later and the next key is already
# waiting, answers and keys get paired wrongly and a key can be lost.
KEY_GAP_MS=250 KEY_GAP_S=0.25
# key_to TITLE KEY...: presses the keys in the focused window, then waits for the window of
# that title; the time from the last key to the window on display goes to DELAYS.
DELAYS=()
key_to() {
    local title="$1"; shift
    [ $# -gt 1 ] && xdotool key --delay $KEY_GAP_MS "${@:1:$#-1}" && sleep $KEY_GAP_S
    MARK=$(spoken | wc -l)
    local started=$EPOCHREALTIME
    xdotool key "${@: -1}"
    wait_until 20 eval '[ -n "$(desk_window "$title")" ]' || fail "\"$title\" did not appear after the keys $*"
    local now=$EPOCHREALTIME
    DELAYS+=($(( (${now/./} - ${started/./}) / 1000 )))
    window "$title"
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# back_to GONE TITLE [again]: Enter closes the window GONE; no window manager here gives the focus
# back, so it goes to the window TITLE as a player's click would.
back_to() {
    local gone="$1"
    MARK=$(spoken | wc -l)
    xdotool key Return
    wait_until 10 eval '[ -z "$(desk_window "$gone")" ]' || fail "\"$gone\" did not close"
    xdotool windowfocus "$(desk_window "$2")"
    window "$2" "${3:-}"
}
start_named() {
    MARK=$(spoken | wc -l)
    "$exe" >>"$DESK_TMP/game.err" 2>&1 &
    GAME_PID=$!
    DESK_PIDS+=("$GAME_PID")
    window "Herzlich Willkommen zum Brendelquiz"
    [ -z "${1:-}" ] || return 0
    key_to "Name?" Return
    type_to "Hallo" "$NAME"
}
end_game() {
    xdotool key Return
    wait_until 10 desk_gone "$GAME_PID" || fail "the game did not end on \"Ende\""
    wait "$GAME_PID" || fail "the game ended with status $? on \"Ende\""
}

. "$here/desk/won_game.sh"

# Without a screen reader first: how fast the game answers keys on this machine.
play_won_game
plain=$(median "${DELAYS[@]}")
plain_all="${DELAYS[*]}" DELAYS=()

# Orca logs through a terminal, a line at a time: into a file it would hold back its last lines.
script -qfec 'exec orca --replace --debug-file=/dev/stdout' "$SPEECH" </dev/null >/dev/null 2>&1 &
wait_until 10 eval 'ORCA_PID=$(pgrep -P $!)' || fail "Orca did not start"
DESK_PIDS+=($! "$ORCA_PID")
wait_until 20 grep -qa 'SPEECH OUTPUT:' "$SPEECH" || fail "Orca did not start speaking within 20 s"
coproc BUS { /usr/bin/python3 "$here/desk/accessible_tree.py" --texts; }  # ends with the script's end
sleep 2

play_won_game
read_aloud=$(median "${DELAYS[@]}")
echo "delays without: $plain_all; with: ${DELAYS[*]}"

# A lost game: a wrong first answer, then the way out.
start_named
key_to "noch 14 Fragen bis zum ordentlichen Quellmärker" Return
key_to "falsche Antwort Frage 1" Down space Tab Tab Return
key_to "Info Brendelquiz" Return
end_game

# The other way out: the program's information, the quit question, the coward.
start_named unnamed
key_to "wieso eigentlich?" Tab Tab Return
back_to "wieso eigentlich?" "Herzlich Willkommen zum Brendelquiz" again
key_to "Beenden?" shift+Tab Return          # back from "Weshalb,Wieso?" to "Besser nicht"
key_to "Ok,schliessen wir das Programm" Return
key_to "Info Brendelquiz" Return
sleep 2
said=$(grep -c 'SPEECH OUTPUT:' "$SPEECH")
sleep 5  # the about screen's ticker turns meanwhile: it must not be read out again and again
[ "$(grep -c 'SPEECH OUTPUT:' "$SPEECH")" -eq "$said" ] \
    || fail "Orca read the about screen's ticker as it turned: $(spoken | tail -n +$((said + 1)))"
end_game
kill -KILL "$ORCA_PID"

spoken >"$DESK_TMP/spoken"
echo "--- what Orca said:" && cat "$DESK_TMP/spoken"
echo "--- a key to the next screen: ${plain} ms without a screen reader, ${read_aloud} ms with Orca (medians)"

echo "$((TEXTS - ${#UNHEARD[@]})) of $TEXTS texts heard on $WINDOWS windows"
[ ${#UNHEARD[@]} -eq 0 ] || fail "Orca did not say: $(printf '\n  %s' "${UNHEARD[@]}")"
[ ${#TWICE[@]} -eq 0 ] || fail "Orca said more often than shown: $(printf '\n  %s' "${TWICE[@]}")"
# Heard whole: the greeting with the name, the seasons among their words, the certificate in order.
months=(Januar Februar März April Mai Juni Juli August September Oktober November Dezember)
for words in "Hallo dialog Herzlich Willkommen $NAME" \
    "Deutscher Meister waren Sie in folgenden Saisons: 1950/51,1952/53,1990/91,1997/98 Pokalsieger in den" \
    "Hiermit verleihen wir $NAME den Titel \"Wahre/r Quellmärker-Bürger/in\" Er/Sie darf sich" \
    "Mainz, den $(date +%d). ${months[$(date +%-m) - 1]} $(date +%Y) Knörz vun de Quellmork"; do
    grep -qF -- "$words" "$DESK_TMP/spoken" || fail "Orca did not say: $words"
done
# No screen or control name, unless the game shows it as a word of its own.
grep -hv -e '^$' -e '^qt_' "$DESK_TMP"/walk/*.names | sort -u >"$DESK_TMP/names"
internal=$(grep -owFf "$DESK_TMP/names" "$DESK_TMP/spoken" | grep -vxFf <(printf '%s\n' "${SHOWN[@]}" | grep -owFf "$DESK_TMP/names")
    grep -Eiow 'unlabel+ed|filler' "$DESK_TMP/spoken")
[ -z "$internal" ] || fail "Orca spoke internal names: $internal"
[ "$(grep -c 'SPEECH OUTPUT:' "$SPEECH")" -eq "$(wc -l <"$DESK_TMP/spoken")" ] \
    || fail "Orca spoke a text with a line break in it"
added=$((read_aloud - plain))
[ "$added" -le 100 ] || fail "with Orca a key took ${added} ms longer to reach the game"
echo "PASS"
