#pragma once

#include <QString>

namespace bq::test {

// One question as a player who knows every answer meets it: the controls to use and the
// dialogs that follow. Written down from the game's rules, not read from its catalogue.
struct QuestionMoves {
    QString screen;
    QString rightAnswer; // "optN" chooses an option; anything else is typed
    QString answerBox;   // empty where there is none
    QString okButton;
    QString giveUpButton;
    QString praise; // empty after the last question
    QString scolding;
};

const QuestionMoves &questionMoves(int question);

} // namespace bq::test
