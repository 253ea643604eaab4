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

// A label that shows the player's name once the game is on; nothing else writes these.
struct NameLabel {
    const char *screen;
    const char *label;
};
inline constexpr NameLabel kNameLabels[] = {
    {"frmFrage3", "lblTestername"}, {"frmFrage12", "lblName"}, {"frmFrage13", "lblName"},
    {"frmFrage15", "lblNameFrage15"}, {"frmFrage16", "lblName"}, {"frmGlückwunsch", "lblName"},
};

} // namespace bq::test
