// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <initializer_list>

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
    Timer, // a timer ran out
    Load,  // the screen was just loaded from its definition
};

enum class FontStyle { Regular, Bold, BoldItalic };
QFont screenFont(const char *family, qreal pointSize, FontStyle style = FontStyle::Regular);

// Colours set through the palette: cheaper than style sheets, which give every widget
// that has one a style of its own.
void setTextColour(QWidget *widget, const QColor &colour);
void setBackgroundColour(QWidget *widget, const QColor &colour);

// 15 twips make one pixel at 96 dpi.
constexpr int twips(int t) { return t / 15; }
QRect twipRect(int left, int top, int width, int height);

// A label with a fixed box, for the screens whose every control has its place in twips.
struct PlacedLabel {
    const char *name;
    const char *text;
    QRect rect;
    QFont font;
    Qt::Alignment align;
    // The text's hue, shown readable on whatever the label stands on; the standard colour
    // when not given.
    const char *colour = nullptr;
};

// The base of every screen: a top-level window whose children are its controls,
// each carrying its control name as objectName.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString &name, const QString &caption, WindowKind kind);

    const QString &name() const { return m_name; }
    WindowKind windowKind() const { return m_kind; }

    template <class T = QWidget>
    T *control(const QString &controlName) const { return findChild<T *>(controlName); }

    // Fixes a dialog's size once its contents are laid out.
    void fixDialogSize();

    // A screen whose window may only be left through its own buttons.
    void setCloseLocked(bool locked) { m_closeLocked = locked; }
    bool closeLocked() const { return m_closeLocked; }

    // Stops the screen's timers; called when the screen is unloaded.
    void stopTimers();

    // The control that has the keyboard focus when the window opens.
    void setInitialFocus(QWidget *control) { m_initialFocus = control; }

    // What the screen says, as a reader takes it in: the texts of its shown labels and
    // read-only text views, top to bottom and left to right, on one line.
    QString message() const;

protected:
    QLabel *makeLabel(const QString &controlName, const QString &text);
    // Word-wrapped labels in their boxes.
    void placeLabels(std::initializer_list<PlacedLabel> labels);
    // A button whose clicks go to the program's handler, like every button of onClick().
    QPushButton *makeButton(const QString &controlName, const QString &caption,
                            const QString &iconPath = {});
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
    QWidget *m_initialFocus = nullptr;
    QString m_name;
    WindowKind m_kind;
    bool m_closeLocked = false;
};

} // namespace bq
