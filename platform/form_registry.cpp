// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form_registry.h"

#include "platform/journal.h"

#include <QCoreApplication>

namespace bq {

FormRegistry &FormRegistry::instance()
{
    static FormRegistry forms;
    return forms;
}

Form *FormRegistry::form(const QString &name)
{
    if (Form *existing = loaded(name))
        return existing;
    Form *created = m_factory ? m_factory(name) : nullptr;
    if (!created)
        qFatal("%s: there is no screen named %s", qPrintable(QCoreApplication::applicationName()),
               qPrintable(name));
    m_forms.insert(name, created);
    Journal::instance().record(QStringLiteral("load"), name);
    // The load handler runs inside whatever referred to the screen, not as a handler of its own.
    if (m_eventHandler)
        m_eventHandler(*created, QString(), FormEvent::Load);
    return created;
}

Form *FormRegistry::loaded(const QString &name) const
{
    const QPointer<Form> form = m_forms.value(name);
    return form.data();
}

bool FormRegistry::isVisible(const QString &name) const
{
    const Form *form = loaded(name);
    return form && form->isVisible();
}

QStringList FormRegistry::loadedNames() const
{
    QStringList names;
    for (auto it = m_forms.cbegin(); it != m_forms.cend(); ++it) {
        if (it.value())
            names.append(it.key());
    }
    names.sort();
    return names;
}

QStringList FormRegistry::visibleNames() const
{
    QStringList names;
    for (const QString &name : loadedNames()) {
        if (isVisible(name))
            names.append(name);
    }
    return names;
}

void FormRegistry::show(const QString &name)
{
    if (m_ended)
        return;
    Form *form = this->form(name);
    Journal::instance().record(QStringLiteral("show"), name);
    form->show();
    form->raise();
    form->activateWindow();
}

void FormRegistry::hide(const QString &name)
{
    Form *form = this->form(name);
    Journal::instance().record(QStringLiteral("hide"), name);
    form->hide();
}

void FormRegistry::unload(const QString &name)
{
    Journal::instance().record(QStringLiteral("unload"), name);
    Form *form = loaded(name);
    m_forms.remove(name);
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

QString FormRegistry::text(const QString &screen, const QString &control)
{
    return form(screen)->controlText(control);
}

void FormRegistry::setText(const QString &screen, const QString &control, const QString &text)
{
    Form *form = this->form(screen);
    Journal::instance().record(QStringLiteral("set"), screen + u'.' + control, text);
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
    for (const QPointer<Form> &form : std::as_const(m_retired)) {
        if (form)
            form->deleteLater();
    }
    m_retired.clear();
}

void FormRegistry::closeRequested(const QString &name)
{
    if (m_ended || !isLoaded(name))
        return;
    Journal::instance().record(QStringLiteral("close"), name);
    unload(name);
    if (m_handlerDepth == 0)
        endIfNothingVisible();
}

void FormRegistry::reset()
{
    for (const QPointer<Form> &form : std::as_const(m_forms))
        delete form.data();
    m_forms.clear();
    for (const QPointer<Form> &form : std::as_const(m_retired))
        delete form.data();
    m_retired.clear();
    m_handlerDepth = 0;
    m_ended = false;
}

void FormRegistry::endIfNothingVisible()
{
    if (!m_ended && visibleNames().isEmpty())
        end();
}

} // namespace bq
