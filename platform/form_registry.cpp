// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form_registry.h"

#include "platform/form_accessibility.h"
#include "platform/journal.h"
#include "platform/session_end.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <malloc.h>

namespace bq {
namespace {

// On Wayland, Qt hands a window the compositor's "frame done" on a thread of its own, into
// the window object, while the window may be hidden or deleted here: a window that goes at
// that very moment takes its object from under that thread. So a window that left the
// display is deleted only a moment later, when any such event has long been handled.
constexpr int kLetGoMs = 30;
// Giving the heap's free pages back costs a walk through it: not while a screen comes up.
constexpr int kTrimAfterMs = 100;

bool framesArriveOnAnotherThread()
{
    return onWayland();
}

void deleteSoon(Form *form)
{
    // The pages its objects leave free in the heap go back to the system, rather than staying
    // resident for the rest of the game: a moment later, once the next screen is painted.
    QObject::connect(form, &QObject::destroyed, [] { QTimer::singleShot(kTrimAfterMs, [] { malloc_trim(0); }); });
    if (framesArriveOnAnotherThread())
        QTimer::singleShot(kLetGoMs, form, [form] { form->deleteLater(); });
    else
        form->deleteLater();
}

} // namespace

FormRegistry &FormRegistry::instance()
{
    static FormRegistry forms;
    return forms;
}

Form *FormRegistry::load(int id)
{
    if (Form *existing = loaded(id))
        return existing;
    installFormAccessibility();
    Form *created = m_catalogue.create ? m_catalogue.create(id) : nullptr;
    if (!created)
        qFatal("%s: there is no screen %d", qPrintable(QCoreApplication::applicationName()), id);
    created->m_id = id;
    connect(created, &Form::controlClicked, this,
            [this, created](const QString &control) { dispatchEvent(*created, control, FormEvent::Click); });
    connect(created, &Form::timerTicked, this,
            [this, created](const QString &timer) { dispatchEvent(*created, timer, FormEvent::Tick); });
    connect(created, &Form::closeRequested, this, [this, id] { closeRequested(id); });
    m_forms.insert(id, created);
    Journal::instance().record(QStringLiteral("load"), created->name());
    // The load handler runs inside whatever referred to the screen, not as a handler of its own.
    if (m_eventHandler)
        m_eventHandler(*created, QString(), FormEvent::Load);
    return created;
}

Form *FormRegistry::loaded(int id) const
{
    const QPointer<Form> form = m_forms.value(id);
    return form.data();
}

bool FormRegistry::isVisible(int id) const
{
    const Form *form = loaded(id);
    return form && form->isVisible();
}

QStringList FormRegistry::loadedNames() const
{
    QStringList names;
    for (const QPointer<Form> &form : m_forms) {
        if (form)
            names.append(form->name());
    }
    names.sort();
    return names;
}

QStringList FormRegistry::visibleNames() const
{
    QStringList names;
    for (const QPointer<Form> &form : m_forms) {
        if (form && form->isVisible())
            names.append(form->name());
    }
    names.sort();
    return names;
}

void FormRegistry::show(int id)
{
    if (m_ended)
        return;
    Form *form = load(id);
    Journal::instance().record(QStringLiteral("show"), form->name());
    form->show();
    form->raise();
    form->activateWindow();
}

void FormRegistry::hide(int id)
{
    Form *form = load(id);
    Journal::instance().record(QStringLiteral("hide"), form->name());
    form->hide();
    // A screen kept while hidden (a dialog whose text is still wanted) need not hold a
    // window and its pixels meanwhile.
    QTimer::singleShot(framesArriveOnAnotherThread() ? kLetGoMs : 0, form, &Form::releaseWindow);
}

void FormRegistry::unload(int id)
{
    Journal::instance().record(QStringLiteral("unload"), m_catalogue.name ? m_catalogue.name(id) : QString::number(id));
    Form *form = loaded(id);
    m_forms.remove(id);
    if (!form)
        return;
    // Off the display at once. The object itself goes only when the handlers that are
    // running have all returned: the button that started them may still be at work, and a
    // message box's event loop must not take it away under their feet.
    form->stopTimers();
    form->hide();
    form->setEnabled(false);
    retire(form);
}

void FormRegistry::end()
{
    if (m_ended)
        return;
    Journal::instance().record(QStringLiteral("end"), {});
    m_ended = true;
    for (const QPointer<Form> &form : std::as_const(m_forms)) {
        if (form) {
            form->stopTimers();
            form->hide();
            retire(form);
        }
    }
    m_forms.clear();
    Q_EMIT ended();
}

QString FormRegistry::loadAndReadText(int id, const QString &control)
{
    return load(id)->controlText(control);
}

void FormRegistry::loadAndSetText(int id, const QString &control, const QString &text)
{
    Form *form = load(id);
    Journal::instance().record(QStringLiteral("set"), form->name() + u'.' + control, text);
    form->setControlText(control, text);
}

void FormRegistry::runHandler(const std::function<void()> &handler)
{
    if (m_ended)
        return;
    ++m_handlerDepth;
    handler();
    --m_handlerDepth;
    if (m_handlerDepth == 0) {
        releaseRetired();
        endIfNothingVisible();
    }
}

void FormRegistry::dispatchEvent(Form &form, const QString &control, FormEvent event)
{
    if (m_eventHandler)
        runHandler([&] { m_eventHandler(form, control, event); });
}

void FormRegistry::retire(Form *form)
{
    m_retired.append(form);
    if (m_handlerDepth == 0)
        releaseRetired();
}

void FormRegistry::releaseRetired()
{
    m_leaving.removeAll(nullptr);
    for (const QPointer<Form> &form : std::as_const(m_retired)) {
        if (form) {
            deleteSoon(form);
            m_leaving.append(form);
        }
    }
    m_retired.clear();
}

void FormRegistry::closeRequested(int id)
{
    if (m_ended || !isLoaded(id))
        return;
    Journal::instance().record(QStringLiteral("close"), loaded(id)->name());
    unload(id);
    if (m_handlerDepth == 0)
        endIfNothingVisible();
}

void FormRegistry::reset()
{
    // Every window leaves the display first; the objects go a moment later.
    const QList<QPointer<Form>> all = m_forms.values() + m_retired + m_leaving;
    m_forms.clear();
    m_retired.clear();
    m_leaving.clear();
    for (const QPointer<Form> &form : all) {
        if (form)
            form->hide();
    }
    if (!all.isEmpty() && framesArriveOnAnotherThread()) {
        QEventLoop settle;
        QTimer::singleShot(kLetGoMs, &settle, &QEventLoop::quit);
        settle.exec(QEventLoop::ExcludeUserInputEvents);
    }
    for (const QPointer<Form> &form : all)
        delete form.data();
    m_handlerDepth = 0;
    m_ended = false;
}

void FormRegistry::endIfNothingVisible()
{
    if (!m_ended && visibleNames().isEmpty())
        end();
}

} // namespace bq
