// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

class QuestionScreen;

// Judges the answer on a question screen: the typed text against the accepted spellings
// where the question takes one, else whether the correct option is chosen.
bool isAnswerRight(const QuestionScreen &screen);
// Whether the typed answer is one that earns a teasing remark.
bool earnsRemark(const QuestionScreen &screen);
// The remark box of the typed answer, when it earns a remark.
void showRemark(const QuestionScreen &screen);
// Whether the first option is the one chosen.
bool firstOptionChosen(const QuestionScreen &screen);

} // namespace bq
