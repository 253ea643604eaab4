#include "platform/journal.h"

namespace bq {

Journal &Journal::instance()
{
    static Journal journal;
    return journal;
}

void Journal::record(const QString &op, const QString &target, const QString &detail)
{
    // A long game must not grow the record without bound.
    constexpr qsizetype kMaxEntries = 20000;
    if (m_entries.size() >= kMaxEntries)
        m_entries.remove(0, kMaxEntries / 2);
    m_entries.append({op, target, detail});
}

QStringList Journal::lines(const QStringList &ops) const
{
    QStringList result;
    for (const JournalEntry &entry : m_entries) {
        if (ops.isEmpty() || ops.contains(entry.op))
            result.append(entry.line());
    }
    return result;
}

} // namespace bq
