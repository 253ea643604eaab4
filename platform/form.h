// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace bq {

enum class WindowKind {
    Normal, // sizable, with minimise, maximise and close
    Dialog, // fixed size, close control only
};

// The base of every screen: a top-level window whose children are its controls,
// each carrying its control name as objectName.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString &name, const QString &caption, WindowKind kind);

    const QString &name() const { return m_name; }
    WindowKind windowKind() const { return m_kind; }

    // The key the registry holds the screen by, given when it loads the screen; -1 for a
    // screen it did not load.
    int id() const { return m_id; }

    template <class T = QWidget>
    T *control(const QString &controlName) const
    {
        return findChild<T *>(controlName);
    }

    // The text a control shows, whatever kind of control it is; empty when there is no
    // control of that name.
    QString controlText(const QString &controlName) const;
    // Does nothing when there is no control of that name or it shows no text.
    void setControlText(const QString &controlName, const QString &text);

    // Fixes a dialog's size once its contents are laid out.
    void fixDialogSize();

    // Keeps the window from being closed except by its own buttons: no close control on the
    // title bar where the window manager honours that, and every close request refused.
    void lockClose();

    // Gives back the hidden window's place on the display and the pixels behind it; showing
    // the screen again makes them anew.
    void releaseWindow();

    // Stops the screen's timers; called when the screen is unloaded.
    void stopTimers();

    // The control that has the keyboard focus when the window opens.
    void setInitialFocus(QWidget *control) { m_initialFocus = control; }
    QWidget *initialFocus() const { return m_initialFocus; }

    // What the screen says, as a reader takes it in: the texts of its shown labels and
    // read-only text boxes and views, in the order the screen made them, on one line; not
    // the labels of controls, which are heard with their control.
    // A normal window leaves out what the control that has the focus when it opens says.
    QString message() const;

    // A text that takes turns with another in one place: part of the message when the
    // screen opens, although hidden then.
    void readWhileHidden(QWidget *text) { m_readWhileHidden << text; }

    // A label that shows its text as plain text, never as markup.
    QLabel *makeLabel(const QString &controlName, const QString &text);

Q_SIGNALS:
    // What the player and the screen's timers do, by control name; the registry hands it to
    // the program's handler.
    void controlClicked(const QString &control);
    void timerTicked(const QString &timer);
    // The window's own close control, unless the screen refuses to close.
    void closeRequested();

protected:
    // A push button that Enter presses when it has the focus, with an optional icon; its
    // clicks are reported (onClick()).
    QPushButton *makeButton(const QString &controlName, const QString &caption, const QString &iconPath = {});
    QLineEdit *makeTextBox(const QString &controlName, const QString &text = {});
    QPlainTextEdit *makeTextView(const QString &controlName, const QString &text);
    QRadioButton *makeOption(const QString &controlName, const QString &caption);
    // A running timer whose every tick is reported.
    QTimer *makeTimer(const QString &controlName, int intervalMs);

    // Reports the button's clicks under the button's name.
    void onClick(QAbstractButton *button);

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class FormRegistry; // gives the id
    QStringList messageTexts() const;

    QWidget *m_initialFocus = nullptr;
    QList<const QWidget *> m_readWhileHidden;
    QString m_name;
    WindowKind m_kind;
    int m_id = -1;
    bool m_closeLocked = false;
};

} // namespace bq
