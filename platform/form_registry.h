// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace bq {

using FormFactory = std::function<Form *(const QString &name)>;
// The program's handlers: called with the screen, the control (none for a load) and the event.
using EventHandler = std::function<void(Form &form, const QString &control, FormEvent event)>;

// The one place that holds the global default instance of every screen, by name.
// Referring to a screen loads it from its definition; unloading forgets it, so the
// next reference loads a fresh one.
class FormRegistry : public QObject {
    Q_OBJECT
public:
    static FormRegistry &instance();

    void setFactory(FormFactory factory) { m_factory = std::move(factory); }
    void setEventHandler(EventHandler handler) { m_eventHandler = std::move(handler); }

    // The screen's instance, loaded (and its load hook run) if it was not.
    Form *form(const QString &name);
    // The instance if loaded, else nullptr; never loads.
    Form *loaded(const QString &name) const;

    bool isLoaded(const QString &name) const { return loaded(name) != nullptr; }
    bool isVisible(const QString &name) const;
    QStringList loadedNames() const;
    QStringList visibleNames() const;

    void show(const QString &name);
    void hide(const QString &name);
    void unload(const QString &name);
    void end();
    bool hasEnded() const { return m_ended; }

    // Reading or writing a control's text loads its screen first.
    QString text(const QString &screen, const QString &control);
    void setText(const QString &screen, const QString &control, const QString &text);

    // Every game handler runs through here. When the outermost handler is done and no
    // screen is visible any more, the game ends: no invisible process is left behind.
    void runHandler(const std::function<void()> &handler);
    // Hands a click or a timer's tick to the program's event handler, run as one handler.
    // (Bringing a window to the front is QWidget::raise(), which show() does.)
    void dispatchEvent(Form &form, const QString &control, FormEvent event);
    // The window's own close control: unloads the screen, runs no game handler.
    void closeRequested(const QString &name);

    // Takes every screen away at once without a trace; for shutdown and tests.
    void reset();

Q_SIGNALS:
    void ended();

private:
    void endIfNothingVisible();
    void retire(Form *form);
    void releaseRetired();

    FormFactory m_factory;
    EventHandler m_eventHandler;
    QHash<QString, QPointer<Form>> m_forms;
    QList<QPointer<Form>> m_retired; // unloaded, to be deleted once no handler runs
    QList<QPointer<Form>> m_leaving; // deleted soon; reset() deletes them at once
    int m_handlerDepth = 0;
    bool m_ended = false;
};

} // namespace bq
