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

// What a screen's controls and the screen itself report to the program.
enum class FormEvent {
    Click, // a button was pressed
    Tick,  // a timer ran out
    Load,  // the screen was just loaded from its definition
};

// The base of every screen: a top-level window whose children are its controls,
// each carrying its control name as objectName.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString &name, const QString &caption, WindowKind kind);

    const QString &name() const { return m_name; }
    WindowKind windowKind() const { return m_kind; }

    // The program's own number for the screen, given when it is made; -1 when none was.
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }

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

    // What the screen says, as a reader takes it in: the texts of its shown labels and
    // read-only text boxes and views, in the order the screen made them, on one line; not
    // the labels of controls, which are heard with their control.
    QString message() const { return messageTexts().join(u' '); }

    // A text that takes turns with another in one place: part of the message when the
    // screen opens, although hidden then.
    void readWhileHidden(QWidget *text) { m_readWhileHidden << text; }

    // A label that shows its text as plain text, never as markup.
    QLabel *makeLabel(const QString &controlName, const QString &text);

protected:
    // A push button that Enter presses when it has the focus, with an optional icon; its
    // clicks go to the program's handler (onClick()).
    QPushButton *makeButton(const QString &controlName, const QString &caption, const QString &iconPath = {});
    QLineEdit *makeTextBox(const QString &controlName, const QString &text = {});
    QPlainTextEdit *makeTextView(const QString &controlName, const QString &text);
    QRadioButton *makeOption(const QString &controlName, const QString &caption);
    // A running timer whose every tick goes to the program's handler.
    QTimer *makeTimer(const QString &controlName, int intervalMs);

    // Hands the button's clicks to the program's handler, under the button's name.
    void onClick(QAbstractButton *button);

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QStringList messageTexts() const;

    QWidget *m_initialFocus = nullptr;
    QList<const QWidget *> m_readWhileHidden;
    QString m_name;
    WindowKind m_kind;
    int m_id = -1;
    bool m_closeLocked = false;
};

} // namespace bq
