// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms.h"

#include "platform/journal.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace bq {
namespace {

// On Wayland, Qt hands a window the compositor's "frame done" on a thread of its own, into
// the window object, while the window may be hidden or deleted here: a window that goes at
// that very moment takes its object from under that thread. So a window that left the
// display is deleted only a moment later, when any such event has long been handled.
constexpr int kLetGoMs = 30;

bool framesArriveOnAnotherThread()
{
    return QGuiApplication::platformName() == u"wayland";
}

void deleteSoon(Form *form)
{
    if (framesArriveOnAnotherThread())
        QTimer::singleShot(kLetGoMs, form, [form] { form->deleteLater(); });
    else
        form->deleteLater();
}

} // namespace

Forms &Forms::instance()
{
    static Forms forms;
    return forms;
}

Form *Forms::form(const QString &name)
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

Form *Forms::loaded(const QString &name) const
{
    const QPointer<Form> form = m_forms.value(name);
    return form.data();
}

bool Forms::isVisible(const QString &name) const
{
    const Form *form = loaded(name);
    return form && form->isVisible();
}

QStringList Forms::loadedNames() const
{
    QStringList names;
    for (auto it = m_forms.cbegin(); it != m_forms.cend(); ++it) {
        if (it.value())
            names.append(it.key());
    }
    names.sort();
    return names;
}

QStringList Forms::visibleNames() const
{
    QStringList names;
    for (const QString &name : loadedNames()) {
        if (isVisible(name))
            names.append(name);
    }
    return names;
}

void Forms::show(const QString &name)
{
    if (m_ended)
        return;
    Form *form = this->form(name);
    Journal::instance().record(QStringLiteral("show"), name);
    form->show();
    form->raise();
    form->activateWindow();
}

void Forms::hide(const QString &name)
{
    Form *form = this->form(name);
    Journal::instance().record(QStringLiteral("hide"), name);
    form->hide();
}

void Forms::unload(const QString &name)
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

void Forms::end()
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

QString Forms::text(const QString &screen, const QString &control)
{
    return controlText(form(screen)->control(control));
}

void Forms::setText(const QString &screen, const QString &control, const QString &text)
{
    QWidget *widget = form(screen)->control(control);
    Journal::instance().record(QStringLiteral("set"), screen + u'.' + control, text);
    setControlText(widget, text);
}

void Forms::runHandler(const std::function<void()> &handler)
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

void Forms::raise(Form &form, const QString &control, FormEvent event)
{
    if (m_eventHandler)
        runHandler([&] { m_eventHandler(form, control, event); });
}

void Forms::retire(Form *form)
{
    m_retired.append(form);
    if (m_handlerDepth == 0)
        releaseRetired();
}

void Forms::releaseRetired()
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

void Forms::closeRequested(const QString &name)
{
    if (m_ended || !isLoaded(name))
        return;
    Journal::instance().record(QStringLiteral("close"), name);
    unload(name);
    if (m_handlerDepth == 0)
        endIfNothingVisible();
}

void Forms::reset()
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

void Forms::endIfNothingVisible()
{
    if (!m_ended && visibleNames().isEmpty())
        end();
}

QString controlText(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *view = qobject_cast<const QPlainTextEdit *>(control))
        return view->toPlainText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (control)
        return control->windowTitle();
    return {};
}

void setControlText(QWidget *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        box->setText(text);
    else if (auto *view = qobject_cast<QPlainTextEdit *>(control))
        view->setPlainText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
}

} // namespace bq
