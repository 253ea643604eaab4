// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace bq {

// One thing the program did to the outside world: a screen operation, a sound, a box, the end.
struct JournalEntry {
    QString op;     // load, show, hide, unload, close, set, play, msgbox, end
    QString target; // screen name, "screen.control", sound name or box title
    QString detail; // text written, box prompt and style
    QString line() const { return target.isEmpty() ? op : op + u' ' + target; }
};

// The running record of everything the program does, in order. Tests read it to prove
// that each handler takes its steps in the right order.
//
// Every entry keeps its position: the number of entries recorded before it since the last
// clear(). A long run lets the oldest entries go, but a position a reader holds still means
// the same entry; a reader whose position is older than start() knows it missed some.
class Journal {
public:
    static Journal &instance();

    void record(const QString &op, const QString &target, const QString &detail = {});
    // Forgets everything; positions count from 0 again.
    void clear();

    qsizetype start() const { return m_start; }                  // of the oldest entry kept
    qsizetype end() const { return m_start + m_entries.size(); } // of the next entry
    // The entries kept from that position on.
    QList<JournalEntry> since(qsizetype position) const;
    // The entries kept, from start() on.
    const QList<JournalEntry> &entries() const { return m_entries; }

private:
    QList<JournalEntry> m_entries;
    qsizetype m_start = 0;
};

} // namespace bq
