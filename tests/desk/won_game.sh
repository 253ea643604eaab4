# SPDX-License-Identifier: GPL-3.0-or-later
# A won game played by keyboard alone, for the scripts that play the real program. Source it
# with NAME set, after defining how a step is taken: start_named (the program up, the name
# typed), key_to TITLE KEY... (the keys pressed, then the window of that title awaited),
# back_to GONE TITLE (Enter closes GONE, the focus goes back to TITLE) and end_game ("Ende"
# pressed, the program gone). It brings type_to TITLE TEXT: the text typed, a key every
# KEY_GAP_MS (30 unless set) and KEY_GAP_S seconds' rest after, and handed in with Enter.

# The won game, question by question: its window | the right answer | the praise's window.
#   N: the focus starts on the first option, Down goes to the next, space checks it; Tab Tab is OK.
#   text: the focus starts in the answer box (question 9: one Tab on), Enter hands it in.
won_game=(
    "noch 14 Fragen bis zum ordentlichen Quellmärker|3|Stimmt"
    "noch 13 Fragen bis zum ordentlichen Quellmärker|2|korrekt!"
    "noch 12 Fragen bis zum ordentlichen Quellmärker|2|richtig"
    "noch 11 Fragen bis zum ordentlichen Quellmärker|2|das ist richtig!"
    "noch 10 Fragen bis zum ordentlichen Quellmärker|2|nicht schlecht..."
    "noch 9 Fragen|4|Frage 6 ist richtig!"
    "Frage 7|4|mehr als richtig gibt es nicht!"
    "Frage 8|Konrad Elsholm|Stimmt!"
    "Frage 9|Tab 1946|Gut Gut...weiter so"
    "noch 5 Fragen|1|Diese Antwort ist korrekt!"
    "noch läppische 4 Fragen|Hambacher Schloss|Frage 11 hast Du richtig beantwortet!"
    "Nur noch 3 Fragen!|Konstantin Bärenfels|Klasse! Gleich hast Du es geschafft!"
    "Noch 3 Fragen bis zum glücklichen Quellmärker|Edenkoben|noch 2 klitzekleine Fragen"
    "Frage 14 von 15|Wörth|stimmt..stimmt"
    "Frage 15 !!|Worms|Hurra, das war Frage15!"
    "allerletzte Frage|etwas|Herzlichen Glückwunsch"
)
type_to() {
    xdotool type --delay "${KEY_GAP_MS:-30}" "$2"
    sleep "${KEY_GAP_S:-0}"
    key_to "$1" Return
}
play_won_game() {
    start_named
    local row question answer praise keys i
    for row in "${won_game[@]}"; do
        IFS='|' read -r question answer praise _ <<<"$row"
        if [ "$question" = "allerletzte Frage" ]; then   # it opens behind a box that says so
            key_to "wirklich letzte Frage!" Return
            back_to "wirklich letzte Frage!" "$question"
        else
            key_to "$question" Return
        fi
        case "$answer" in
            [1-5]) keys=(); for ((i = 1; i < answer; i++)); do keys+=(Down); done
                   key_to "$praise" "${keys[@]}" space Tab Tab Return ;;
            Tab\ *) xdotool key Tab; type_to "$praise" "${answer#Tab }" ;;
            *) type_to "$praise" "$answer" ;;
        esac
    done
    key_to "Info Brendelquiz" Return
    end_game
}
