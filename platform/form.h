#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
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
    const char *colour = nullptr; // text colour; the standard one when not given
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

    // Runs once, right after the screen is loaded from its definition.
    virtual void formLoad() {}

    // A screen whose window may only be left through its own buttons.
    void setCloseLocked(bool locked) { m_closeLocked = locked; }
    bool closeLocked() const { return m_closeLocked; }

    // Stops the screen's timers; called when the screen is unloaded.
    void stopTimers();

    // The control that has the keyboard focus when the window opens.
    void setInitialFocus(QWidget *control) { m_initialFocus = control; }

protected:
    QLabel *makeLabel(const QString &controlName, const QString &text);
    // Word-wrapped labels in their boxes.
    void placeLabels(std::initializer_list<PlacedLabel> labels);
    QPushButton *makeButton(const QString &controlName, const QString &caption,
                            const QString &iconPath = {});
    QLineEdit *makeTextBox(const QString &controlName, const QString &text = {});
    QPlainTextEdit *makeTextView(const QString &controlName, const QString &text);
    QRadioButton *makeOption(const QString &controlName, const QString &caption);
    QTimer *makeTimer(const QString &controlName, int intervalMs, std::function<void()> handler);

    // Connects a click to a game handler; the handler runs as one step of the game.
    void onClick(QAbstractButton *button, std::function<void()> handler);

    // The screen's own PlaySound: starts a sound and returns at once.
    void playSound(const QString &soundName);


    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_initialFocus = nullptr;
    QString m_name;
    WindowKind m_kind;
    bool m_closeLocked = false;
};

} // namespace bq
