# SPDX-License-Identifier: GPL-3.0-or-later
# A won game played by keyboard alone, for the scripts that play the real program. Source it
# with NAME set, after defining how a step is taken: start_named (the program up, the name
# typed), key_to TITLE KEY... (the keys pressed, then the window of that title awaited),
# type_to TITLE TEXT (the text typed and handed in with Enter), back_to GONE TITLE (Enter
# closes GONE, the focus goes back to TITLE) and end_game ("Ende" pressed, the program gone).

# The won game, question by question: its window | the right answer | the praise's window |
# what Orca says of the question | what it says of the praise (the opening words of long texts).
#   N: the focus starts on the first option, Down goes to the next, space checks it; Tab Tab is OK.
#   text: the focus starts in the answer box (question 9: one Tab on), Enter hands it in.
won_game=(
    "noch 14 Fragen bis zum ordentlichen Quellmärker|3|Stimmt|Die Landeshauptstadt von Rheinland/Quellmark ist?|So weit so gut. Das war ja auch ziemlich leicht!"
    "noch 13 Fragen bis zum ordentlichen Quellmärker|2|korrekt!|An wievielter Stelle der Weinanbaugebiete Deutschlands|Stimmt, so schwer war dies nun auch nicht"
    "noch 12 Fragen bis zum ordentlichen Quellmärker|2|richtig|Testen wir nun mal die Kenntnisse von: $NAME Was bitte bedeutet das Wort Keschde?|Wollen wir es nicht ganz so einfach machen"
    "noch 11 Fragen bis zum ordentlichen Quellmärker|2|das ist richtig!|Durch ein Faschingsliedchen wurden die Quellmärker|Nicht schlecht auch das war"
    "noch 10 Fragen bis zum ordentlichen Quellmärker|2|nicht schlecht...|In welcher Stadt befindet sich denn eigentlich die Porta Nigra?|Ich bin beeindruckt."
    "noch 9 Fragen|4|Frage 6 ist richtig!|Welche Titel holte der 1.FC.Kaiserslautern bisher?|Das ist vollkommen korrekt. Deutscher Meister waren Sie"
    "Frage 7|4|mehr als richtig gibt es nicht!|Welche beiden Vereine fusionierten 1929|EEES stimmt!"
    "Frage 8|Konrad Elsholm|Stimmt!|Sicher kannst Du mir den Namen des ersten Rheinland/Quellmärkischen|Grossartig, diese Beantwortung"
    "Frage 9|Tab 1946|Gut Gut...weiter so|Wer die vorangegangene Frage wusste|Sehr gut."
    "noch 5 Fragen|1|Diese Antwort ist korrekt!|Rheinland/Quellmark wird gerne als kleines Bundesland dargestellt.|Hast Du einen Taschenrechner gebraucht?"
    "noch läppische 4 Fragen|Hambacher Schloss|Frage 11 hast Du richtig beantwortet!|An welchem Ort wurde 1832 für Pressefreiheit|Hut ab!"
    "Nur noch 3 Fragen!|Konstantin Bärenfels|Klasse! Gleich hast Du es geschafft!|sicher kannst Du mir den König nennen|Stimmt genau. Das war der englische König"
    "Noch 3 Fragen bis zum glücklichen Quellmärker|Edenkoben|noch 2 klitzekleine Fragen|Welchen Ort und dessen Umgebung nennt man auch die TOSCANA|Stimmt genau. Der Ort heisst Edenkoben."
    "Frage 14 von 15|Wörth|stimmt..stimmt|Das Werk mit dem blauen Stern auf dem Dach|Das ist vollkommen korrekt außer schweren LKW"
    "Frage 15 !!|Worms|Hurra, das war Frage15!|sagst Du mir noch in welcher Stadt der Reformatiker|Geschafft...Geschafft...Geschafft"
    "allerletzte Frage|etwas|Herzlichen Glückwunsch|Schreibe etwas in das Kästchen unten!|"
)
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
