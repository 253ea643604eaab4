// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/judging.h"

#include "catalogue/question_catalogue.h"
#include "quiz/answer_matching.h"
#include "quiz/question_screen.h"

#include <QLineEdit>
#include <QRadioButton>

namespace bq {
namespace {

bool isChosen(const Form &screen, int option)
{
    const auto *button = screen.control<QRadioButton>(QStringLiteral("optAntwort%1").arg(option));
    return button && button->isChecked();
}

} // namespace

Judgement judgeAnswer(const QuestionScreen &screen)
{
    const QuestionDef &def = screen.definition();
    Judgement judgement;
    if (def.answerBox && !def.accepted.empty()) {
        // The box is read once; every comparison uses that one value.
        const QString typed = screen.control<QLineEdit>(QString::fromUtf8(def.answerBox))->text();
        const AnswerMatch match = matchAnswer(typed, def.accepted);
        judgement.right = match.right;
        judgement.remark = match.remark;
    } else {
        // Only the correct option is read: any other choice, or none, is wrong.
        judgement.right = isChosen(screen, def.correctOption);
    }
    if (!judgement.right)
        judgement.firstOptionChosen = isChosen(screen, 1);
    return judgement;
}

} // namespace bq
