// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace bq::test {

// One question as a player who knows every answer meets it: the controls to use and the
// dialogs that follow. Written down from the game's rules, not read from its catalogue.
struct QuestionMoves {
    QString screen;
    QString correctOption; // the option button that holds the answer; empty where typing decides
    QStringList accepted;  // every spelling the game takes, in the order it tries them, the
                           // first without a remark; empty where an option is chosen
    QString rightAnswer;   // "optN" chooses an option; anything else is typed
    QString answerBox;     // empty where there is none
    QString okButton;
    QString giveUpButton;
    QString praise; // empty after the last question
    QString scolding;
};

const QuestionMoves &questionMoves(int question);
// The number of the question shown on that screen; 0 for every other screen.
int questionOn(const QString &screen);

// One step of a player: a click on a button, the choice of an option, or typing into a box.
struct Move {
    enum Kind { Click, Choose, Type };
    Kind kind;
    QString screen;
    QString control;
    QString text;    // what is typed
    QString leadsTo; // the one screen on display afterwards; empty where that is not checked
};

// From the welcome screen on display to the first question, with this name.
QList<Move> nameMoves(const QString &name);
// Questions `first` to `last` answered rightly, each praise confirmed; after question 16
// the congratulations screen is on display.
QList<Move> rightAnswerMoves(int first, int last);

// A label that shows the player's name once the game is on; nothing else writes these.
struct NameLabel {
    const char *screen;
    const char *label;
};
inline constexpr NameLabel kNameLabels[] = {
    {"frmFrage3", "lblTestername"},   {"frmFrage12", "lblName"}, {"frmFrage13", "lblName"},
    {"frmFrage15", "lblNameFrage15"}, {"frmFrage16", "lblName"}, {"frmGlückwunsch", "lblName"},
};

} // namespace bq::test
