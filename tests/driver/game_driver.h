// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/screen_catalogue.h"
#include "driver/winning_path.h"
#include "platform/form_registry.h"
#include "platform/journal.h"
#include "platform/sound.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QAbstractButton;

namespace bq {
class Form;
}

namespace bq::test {

// Starts a program (the first word) by posix_spawn, its standard output to outputFd if one is
// given; the process id, or -1. Not by QProcess: once Qt has started a process,
// ThreadSanitizer sees nothing more of what the test process does.
int spawnProgram(const QStringList &command, int outputFd = -1);

// The screen of that window name, as a test names it; -1 for none.
Screen screenNamed(const QString &name);

// A message box as the player saw it.
struct SeenBox {
    QString title;
    QString text;
    int style = 0;              // 0 or 48, read from the box's icon
    QStringList visibleScreens; // the screens on display while the box was open
};

// Records what the sound thread was asked to play, instead of making noise in tests.
class RecordingSoundBackend : public SoundBackend {
public:
    struct Played {
        std::string file; // empty: the alert
    };
    bool playFile(const std::string &path) override;
    bool playAlert() override;
    std::vector<Played> played() const;
    bool failFiles = false;

private:
    mutable std::mutex m_mutex;
    std::vector<Played> m_played;
};

// Plays through another backend, the real one mostly, and notes each call of the sound
// thread with the answer it got.
class WatchedSoundBackend : public SoundBackend {
public:
    struct Call {
        bool alert;
        std::string file;
        bool result;
    };
    explicit WatchedSoundBackend(std::unique_ptr<SoundBackend> real) : m_real(std::move(real)) {}
    bool playFile(const std::string &path) override;
    bool playAlert() override;
    std::vector<Call> calls() const;

private:
    std::unique_ptr<SoundBackend> m_real;
    mutable std::mutex m_mutex;
    std::vector<Call> m_calls;
};

// Plays the game in-process, as a player would: clicks, typing, answering boxes.
class GameDriver : public QObject {
    Q_OBJECT
public:
    GameDriver();
    ~GameDriver() override { Sound::instance().setBackend(nullptr); }

    // Before each test: no screens, empty journal, boxes answered and recorded, sounds
    // recorded by the driver's own recorder.
    void reset();
    // After each test, or each game of the benchmark: every window gone. Returns the names of
    // windows left behind.
    static QStringList finish();

    // The program's start: the welcome screen shown.
    void startGame() { FormRegistry::instance().show(Screen::Brendelquiz); }
    void show(const QString &screen);

    // A click or typing needs no driver: the benchmark plays with these too.
    static bool click(const QString &screen, const QString &control);
    static bool type(const QString &screen, const QString &control, const QString &text);
    bool pressKey(const QString &screen, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QString text(const QString &screen, const QString &control) const;
    bool isControlVisible(const QString &screen, const QString &control) const;

    // What a player can reach on a visible screen, in the screen's own order: the visible,
    // enabled buttons and options, and the visible text boxes (also read-only ones).
    QStringList clickableControls(const QString &screen) const;
    QStringList textBoxes(const QString &screen) const;
    // Pastes text into a text box at the cursor, or over all of its text, as the clipboard
    // would; fast even for very long texts. False for a box that does not take input.
    bool paste(const QString &screen, const QString &control, const QString &text, bool replaceAll);
    // The window's own close control. False when the screen is not on display.
    bool closeWindow(const QString &screen);
    // Lets one running timer of the screen fire once, now. False when it is not running.
    bool tick(const QString &screen, const QString &timer);
    QStringList runningTimers(const QString &screen) const;

    QStringList visibleScreens() const { return FormRegistry::instance().visibleNames(); }
    QStringList loadedScreens() const { return FormRegistry::instance().loadedNames(); }
    // The windows on display that, their layouts settled, have grown past a common desktop
    // screen (1920 x 1200 pixels), each as "name W x H px".
    QStringList oversizedWindows() const;
    bool ended() const { return FormRegistry::instance().hasEnded(); }

    // The journal, without loads: the screen operations, sounds, boxes and the end.
    QStringList journal() const { return journalSince(0); }
    QStringList journalSince(int mark) const;
    int journalMark() const { return int(Journal::instance().end()); }

    const QList<SeenBox> &boxes() const { return m_boxes; }
    // Called for each box while it is still open, before it is answered.
    void setBoxObserver(std::function<void(const SeenBox &)> observer) { m_observer = std::move(observer); }
    // When false, boxes stay open until the test answers them itself.
    void setAnswerBoxes(bool answer) { m_answerBoxes = answer; }
    // Answers boxes with the Enter key instead of a click on OK.
    void setAnswerWithEnter(bool enter) { m_answerWithEnter = enter; }

    // What the sound thread was asked to play while the driver's recorder was in place.
    RecordingSoundBackend &sounds() { return *m_sounds; }
    // Puts the recorder back after a test gave the sound thread a backend of its own.
    void restoreSoundRecorder();

    // Steps of a player, in order. False as soon as one cannot be done or does not lead to
    // the screen it should; the test's log says which.
    bool play(const QList<Move> &moves);
    // Plays from the welcome screen to the first question with this name.
    bool enterName(const QString &name) { return play(nameMoves(name)); }
    // Gives an answer on a visible question screen: "optN" chooses, "" gives none, else typed.
    bool answer(int question, const QString &given);
    // From the start to the question's screen, every question before it answered rightly.
    bool playTo(int question, const QString &name);
    // A whole won game, from the start to the certificate.
    bool winGame(const QString &name);
    // The congratulations screen as a won game leaves it: the name typed into the name
    // dialog, which stays loaded but hidden, and the last question answered rightly, which
    // copies the name onto the certificate. Null on failure.
    Form *openCertificate(const QString &name);

private:
    void answerOpenBox();

    QTimer m_boxWatch;
    QList<SeenBox> m_boxes;
    std::function<void(const SeenBox &)> m_observer;
    bool m_answerBoxes = true;
    bool m_answerWithEnter = false;
    // Shared with the sound thread's backend, so that it outlives every swap of backends.
    std::shared_ptr<RecordingSoundBackend> m_sounds;
};

// A click in two halves, for the benchmark, which times only the second. The button or
// option, when it and its screen are on display and it takes clicks:
QAbstractButton *clickableButton(const QString &screen, const QString &control);
// A left click where a player clicks: an option on its circle, a button in its middle.
void clickButton(QAbstractButton *button);
// Sends text one character at a time, as typing does; umlauts and emoji included.
void typeInto(QWidget *widget, const QString &text);

// A place given in twips, the unit the screens' layouts are written in: 15 make one pixel.
QRect fromTwips(int left, int top, int width, int height);

} // namespace bq::test
