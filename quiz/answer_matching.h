// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/question_catalogue.h"

#include <QString>

#include <span>

namespace bq {

struct AnswerMatch {
    bool right = false;
    QString remark; // empty: right without a remark, or wrong
};

// Typed answers are compared exactly: case, blanks, "ß"/"ss" and "ö"/"oe" all count and
// nothing is trimmed. The first equal entry of the list decides.
AnswerMatch matchAnswer(const QString &typed, std::span<const AcceptedAnswer> accepted);

} // namespace bq
