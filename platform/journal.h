#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace bq {

// One thing the game did to the outside world: a screen operation, a sound, a box, the end.
struct JournalEntry {
    QString op;      // load, show, hide, unload, set, play, msgbox, end
    QString target;  // screen name, "screen.control", sound name or box title
    QString detail;  // text written, box prompt and style
    QString line() const { return target.isEmpty() ? op : op + u' ' + target; }
};

// The running record of everything the game does, in order. Tests read it to prove
// that each handler takes its steps in the right order.
class Journal {
public:
    static Journal &instance();

    void record(const QString &op, const QString &target, const QString &detail = {});
    const QList<JournalEntry> &entries() const { return m_entries; }
    // "op target" lines, only of the given ops when a filter is given.
    QStringList lines(const QStringList &ops = {}) const;
    void clear() { m_entries.clear(); }

private:
    QList<JournalEntry> m_entries;
};

} // namespace bq
