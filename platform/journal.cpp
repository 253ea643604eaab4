// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/journal.h"

#include <algorithm>

namespace bq {

Journal &Journal::instance()
{
    static Journal journal;
    return journal;
}

void Journal::record(const QString &op, const QString &target, const QString &detail)
{
    // A long run must not grow the record without bound.
    constexpr qsizetype kMaxEntries = 20000;
    if (m_entries.size() >= kMaxEntries) {
        m_entries.remove(0, kMaxEntries / 2);
        m_start += kMaxEntries / 2;
    }
    m_entries.append({op, target, detail});
}

void Journal::clear()
{
    m_entries.clear();
    m_start = 0;
}

QList<JournalEntry> Journal::since(qsizetype position) const
{
    const qsizetype from = std::clamp(position - m_start, qsizetype(0), m_entries.size());
    return m_entries.mid(from);
}

} // namespace bq
