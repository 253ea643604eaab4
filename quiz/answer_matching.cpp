// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/answer_matching.h"

namespace bq {

AnswerMatch matchAnswer(const QString &typed, std::span<const AcceptedAnswer> accepted)
{
    for (const AcceptedAnswer &answer : accepted) {
        if (typed == QString::fromUtf8(answer.text))
            return {true, answer.remark ? QString::fromUtf8(answer.remark) : QString()};
    }
    return {};
}

} // namespace bq
