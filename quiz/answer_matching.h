// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

namespace bq {

// One spelling that counts as right, with the teasing remark it earns (or none).
struct AcceptedAnswer {
    const char *text;
    const char *remark = nullptr;
};

struct AnswerMatch {
    bool right = false;
    QString remark; // empty: right without a remark, or wrong
};

// Typed answers are compared exactly: case, blanks, "ß"/"ss" and "ö"/"oe" all count and
// nothing is trimmed. The first equal entry of the list decides.
AnswerMatch matchAnswer(const QString &typed, std::span<const AcceptedAnswer> accepted);

} // namespace bq
