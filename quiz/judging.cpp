// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/judging.h"

#include "catalogue/question_catalogue.h"
#include "platform/messagebox.h"
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

// The typed answer against the accepted spellings; a question without an answer box has none.
AnswerMatch typedAnswer(const QuestionScreen &screen)
{
    const QuestionDef &def = screen.definition();
    if (!def.answerBox || def.accepted.empty())
        return {};
    // The box is read once; every comparison uses that one value.
    return matchAnswer(screen.control<QLineEdit>(QString::fromUtf8(def.answerBox))->text(), def.accepted);
}

} // namespace

bool isAnswerRight(const QuestionScreen &screen)
{
    const QuestionDef &def = screen.definition();
    if (def.answerBox && !def.accepted.empty())
        return typedAnswer(screen).right;
    // Only the correct option is read: any other choice, or none, is wrong.
    return isChosen(screen, def.correctOption);
}

bool earnsRemark(const QuestionScreen &screen)
{
    return !typedAnswer(screen).remark.isEmpty();
}

void showRemark(const QuestionScreen &screen)
{
    const QString remark = typedAnswer(screen).remark;
    if (!remark.isEmpty())
        messageBox(remark, BoxStyle::Exclamation, QStringLiteral("Nur zur Info!"));
}

bool firstOptionChosen(const QuestionScreen &screen)
{
    return isChosen(screen, 1);
}

} // namespace bq
