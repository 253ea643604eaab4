// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"

#include "platform/art.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace bq {

Form::Form(const QString &name, const QString &caption, WindowKind kind) : QWidget(nullptr), m_name(name), m_kind(kind)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption);
    if (kind == WindowKind::Dialog) {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    } else {
        setWindowFlags(Qt::Window);
    }
}

void Form::stopTimers()
{
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
}

QLabel *Form::makeLabel(const QString &controlName, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(controlName);
    // Labels may show what the player typed: never interpret it as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *Form::makeButton(const QString &controlName, const QString &caption, const QString &iconPath)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(controlName);
    // Enter presses the button that has the focus, as in any dialog.
    button->setAutoDefault(true);
    if (!iconPath.isEmpty()) {
        button->setIcon(sharedIcon(iconPath));
        button->setIconSize(QSize(32, 32));
    }
    onClick(button);
    return button;
}

QLineEdit *Form::makeTextBox(const QString &controlName, const QString &text)
{
    auto *box = new QLineEdit(text, this);
    box->setObjectName(controlName);
    // A box that shows a fixed text is called by it; a box for typing gets its name from
    // what its screen shows beside it.
    box->setAccessibleName(text);
    return box;
}

QPlainTextEdit *Form::makeTextView(const QString &controlName, const QString &text)
{
    // Texts keep their CR LF line ends as data; the view shows each as one line break, and a
    // screen reader reads the text as shown.
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto *view = new QPlainTextEdit(shown, this);
    view->setObjectName(controlName);
    view->setReadOnly(true);
    QString spoken = shown;
    while (spoken.endsWith(u'\n'))
        spoken.chop(1);
    view->setAccessibleName(spoken);
    return view;
}

QRadioButton *Form::makeOption(const QString &controlName, const QString &caption)
{
    auto *option = new QRadioButton(caption, this);
    option->setObjectName(controlName);
    return option;
}

QTimer *Form::makeTimer(const QString &controlName, int intervalMs)
{
    auto *timer = new QTimer(this);
    timer->setObjectName(controlName);
    timer->setInterval(intervalMs);
    connect(timer, &QTimer::timeout, this, [this, controlName] { Q_EMIT timerTicked(controlName); });
    timer->start();
    return timer;
}

void Form::releaseWindow()
{
    if (isHidden() && testAttribute(Qt::WA_WState_Created))
        destroy();
}

void Form::onClick(QAbstractButton *button)
{
    connect(button, &QAbstractButton::clicked, this,
            [this, controlName = button->objectName()] { Q_EMIT controlClicked(controlName); });
}

void Form::fixDialogSize()
{
    if (m_kind != WindowKind::Dialog)
        return;
    if (layout()) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        layout()->activate();
    } else
        setFixedSize(size());
}

void Form::showEvent(QShowEvent *event)
{
    // A screen without a place of its own opens in the middle of the screen.
    if (!testAttribute(Qt::WA_Moved)) {
        if (const QScreen *where = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(where->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
    if (m_initialFocus && !focusWidget())
        m_initialFocus->setFocus(Qt::OtherFocusReason);
}

QString Form::message() const
{
    QStringList texts = messageTexts();
    // A normal window's message comes before the control that has the focus when it opens,
    // which a screen reader reads next: what that control says itself is left to it.
    if (m_kind == WindowKind::Normal && m_initialFocus) {
        const QString focusSays = m_initialFocus->accessibleName() + u' ' + m_initialFocus->accessibleDescription();
        texts.removeIf([&focusSays](const QString &text) { return focusSays.contains(text); });
    }
    return texts.join(u' ');
}

QStringList Form::messageTexts() const
{
    QStringList texts;
    for (const QWidget *child : findChildren<QWidget *>()) {
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(child); label && !label->buddy())
            text = label->text();
        else if (const auto *view = qobject_cast<const QPlainTextEdit *>(child); view && view->isReadOnly())
            text = view->toPlainText();
        else if (const auto *box = qobject_cast<const QLineEdit *>(child); box && box->isReadOnly())
            text = box->text();
        if (!text.trimmed().isEmpty() && (child->isVisibleTo(this) || m_readWhileHidden.contains(child)))
            texts << text.simplified();
    }
    return texts;
}

void Form::lockClose()
{
    Qt::WindowFlags flags = windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags &= ~(Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint);
    setWindowFlags(flags);
    // Window managers that ignore the hints still ask before closing; the form says no.
    m_closeLocked = true;
}

QString Form::controlText(const QString &controlName) const
{
    const QWidget *control = this->control(controlName);
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

void Form::setControlText(const QString &controlName, const QString &text)
{
    QWidget *control = this->control(controlName);
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        box->setText(text);
    else if (auto *view = qobject_cast<QPlainTextEdit *>(control))
        view->setPlainText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
}

void Form::closeEvent(QCloseEvent *event)
{
    // The window is never destroyed by Qt itself: closing it unloads the screen.
    event->ignore();
    if (!m_closeLocked)
        Q_EMIT closeRequested();
}

} // namespace bq
