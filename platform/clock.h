// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

#include <optional>

namespace bq {

// Today's date; tests can fix it.
class Clock {
public:
    static QDate today() { return fixedDate().value_or(QDate::currentDate()); }
    static void fix(const QDate &date) { fixedDate() = date; }
    static void release() { fixedDate().reset(); }

private:
    static std::optional<QDate> &fixedDate()
    {
        static std::optional<QDate> date;
        return date;
    }
};

} // namespace bq
