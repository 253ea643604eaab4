// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace bq {

// What the registry hands to the program's handler.
enum class FormEvent {
    Click, // a button was pressed
    Tick,  // a timer ran out
    Load,  // the screen was just loaded from its definition
};

// The program's screens as the registry knows them: by an id the program gives each.
struct FormCatalogue {
    std::function<Form *(int id)> create; // a fresh screen from its definition; nullptr for no such id
    std::function<QString(int id)> name;  // the window's name, which the journal records
};
// The program's handler: called with the screen, the control (none for a load) and the event.
using EventHandler = std::function<void(Form &form, const QString &control, FormEvent event)>;

// The one place that holds the global default instance of every screen, by id.
// Referring to a screen loads it from its definition; unloading forgets it, so the
// next reference loads a fresh one.
class FormRegistry : public QObject {
    Q_OBJECT
public:
    static FormRegistry &instance();

    void setCatalogue(FormCatalogue catalogue) { m_catalogue = std::move(catalogue); }
    void setEventHandler(EventHandler handler) { m_eventHandler = std::move(handler); }

    // The screen's instance: loads it, and runs its load handler, if it was not loaded.
    Form *load(int id);
    // The instance if loaded, else nullptr; never loads.
    Form *loaded(int id) const;

    bool isLoaded(int id) const { return loaded(id) != nullptr; }
    bool isVisible(int id) const;
    // The window names of the screens loaded, and of those on display, sorted.
    QStringList loadedNames() const;
    QStringList visibleNames() const;

    void show(int id);
    void hide(int id);
    void unload(int id);
    void end();
    bool hasEnded() const { return m_ended; }

    // A control's text, read or written after loading its screen (and running its load
    // handler) if it was not loaded.
    QString loadAndReadText(int id, const QString &control);
    void loadAndSetText(int id, const QString &control, const QString &text);

    // Every game handler runs through here. When the outermost handler is done and no
    // screen is visible any more, the game ends: no invisible process is left behind.
    void runHandler(const std::function<void()> &handler);

    // Takes every screen away at once without a trace; for shutdown and tests.
    void reset();

Q_SIGNALS:
    void ended();

private:
    // Hands a click or a timer's tick to the program's event handler, run as one handler.
    // (Bringing a window to the front is QWidget::raise(), which show() does.)
    void dispatchEvent(Form &form, const QString &control, FormEvent event);
    // The window's own close control: unloads the screen, runs no game handler.
    void closeRequested(int id);
    void endIfNothingVisible();
    void retire(Form *form);
    void releaseRetired();

    FormCatalogue m_catalogue;
    EventHandler m_eventHandler;
    QHash<int, QPointer<Form>> m_forms;
    QList<QPointer<Form>> m_retired; // unloaded, to be deleted once no handler runs
    QList<QPointer<Form>> m_leaving; // deleted soon; reset() deletes them at once
    int m_handlerDepth = 0;
    bool m_ended = false;
};

} // namespace bq
