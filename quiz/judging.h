// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bq {

class QuestionScreen;

// The verdict on the answer a question screen holds.
struct Judgement {
    bool right = false;
    QString remark;                 // the teasing remark a right typed answer earns, if any
    bool firstOptionChosen = false; // on a wrong answer: the first option was the one chosen
};

// Judges the answer on a question screen: the typed text against the accepted spellings
// where the question takes one, else whether the correct option is chosen.
Judgement judgeAnswer(const QuestionScreen &screen);

} // namespace bq
