// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/game_driver.h"

#include "app/game.h"
#include "platform/form_registry.h"
#include "platform/journal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTextStream>
#include <QTimer>
#include <QTimerEvent>

#include <spawn.h>
#include <unistd.h>

namespace bq::test {

int spawnProgram(const QStringList &command, int outputFd)
{
    QByteArrayList args;
    for (const QString &word : command)
        args.append(QFile::encodeName(word));
    std::vector<char *> argv;
    for (QByteArray &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outputFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    pid_t pid = -1;
    if (argv.size() < 2 || ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

Screen screenNamed(const QString &name)
{
    for (const ScreenEntry &entry : screenCatalogue()) {
        if (name == QString::fromUtf8(entry.name))
            return entry.screen;
    }
    return Screen(-1);
}

bool RecordingSoundBackend::playFile(const std::string &path)
{
    std::lock_guard lock(m_mutex);
    if (failFiles)
        return false;
    m_played.push_back({path});
    return true;
}

bool RecordingSoundBackend::playAlert()
{
    std::lock_guard lock(m_mutex);
    m_played.push_back({});
    return true;
}

std::vector<RecordingSoundBackend::Played> RecordingSoundBackend::played() const
{
    std::lock_guard lock(m_mutex);
    return m_played;
}

bool WatchedSoundBackend::playFile(const std::string &path)
{
    const bool result = m_real->playFile(path); // may take long: not under the lock
    std::lock_guard lock(m_mutex);
    m_calls.push_back({false, path, result});
    return result;
}

bool WatchedSoundBackend::playAlert()
{
    const bool result = m_real->playAlert();
    std::lock_guard lock(m_mutex);
    m_calls.push_back({true, {}, result});
    return result;
}

std::vector<WatchedSoundBackend::Call> WatchedSoundBackend::calls() const
{
    std::lock_guard lock(m_mutex);
    return m_calls;
}

namespace {

// The sound thread's backend while the driver records: it hands every request on to the
// driver's recorder and keeps that alive for as long as the sound thread holds on to it.
class RecorderHandle : public SoundBackend {
public:
    explicit RecorderHandle(std::shared_ptr<RecordingSoundBackend> recorder) : m_recorder(std::move(recorder)) {}
    bool playFile(const std::string &path) override { return m_recorder->playFile(path); }
    bool playAlert() override { return m_recorder->playAlert(); }

private:
    std::shared_ptr<RecordingSoundBackend> m_recorder;
};

} // namespace

GameDriver::GameDriver() : m_sounds(std::make_shared<RecordingSoundBackend>())
{
    Game::prepare();
    restoreSoundRecorder();
    m_boxWatch.setInterval(5);
    connect(&m_boxWatch, &QTimer::timeout, this, &GameDriver::answerOpenBox);
    m_boxWatch.start();
}

void GameDriver::restoreSoundRecorder()
{
    Sound::instance().setBackend(std::make_unique<RecorderHandle>(m_sounds));
}

namespace {

// BQ_JOURNAL_DUMP=<file>: every journal the driver clears is appended to that file first,
// under the name of the test that wrote it. Two runs of the same tests, before and after a
// change to the game's inner shape, must give the same file.
void dumpJournal()
{
    static const QString path = qEnvironmentVariable("BQ_JOURNAL_DUMP");
    if (path.isEmpty() || Journal::instance().entries().isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << "# " << QTest::currentTestFunction() << ' ' << QTest::currentDataTag() << '\n';
    for (const JournalEntry &entry : Journal::instance().entries())
        out << entry.op << '\t' << entry.target << '\t' << QString(entry.detail).replace(u'\n', QStringLiteral("\\n"))
            << '\n';
}

} // namespace

void GameDriver::reset()
{
    dumpJournal();
    restoreSoundRecorder();
    FormRegistry::instance().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Journal::instance().clear();
    m_boxes.clear();
    m_observer = nullptr;
    m_answerBoxes = true;
    m_answerWithEnter = false;
}

QStringList GameDriver::finish()
{
    dumpJournal();
    Journal::instance().clear();
    FormRegistry::instance().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (QWidget *widget : QApplication::topLevelWidgets())
        left.append(widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                   : widget->objectName());
    return left;
}

void GameDriver::show(const QString &screen)
{
    FormRegistry::instance().runHandler([&] { FormRegistry::instance().show(screenNamed(screen)); });
}

namespace {

Form *visibleForm(const QString &screen)
{
    Form *form = FormRegistry::instance().loaded(screenNamed(screen));
    return form && form->isVisible() ? form : nullptr;
}

// The names of a screen's children of a kind that the test may reach, in the screen's own order.
template <class Child, class Reachable>
QStringList childNames(const Form *form, Reachable reachable)
{
    QStringList names;
    for (const Child *child : form ? form->findChildren<Child *>() : QList<Child *>()) {
        if (reachable(child) && !child->objectName().isEmpty())
            names.append(child->objectName());
    }
    return names;
}

} // namespace

bool GameDriver::click(const QString &screen, const QString &control)
{
    QAbstractButton *button = clickableButton(screen, control);
    if (!button)
        return false;
    clickButton(button);
    return true;
}

bool GameDriver::type(const QString &screen, const QString &control, const QString &text)
{
    Form *form = visibleForm(screen);
    QWidget *box = form ? form->control(control) : nullptr;
    if (!box || !box->isVisible())
        return false;
    box->setFocus();
    typeInto(box, text);
    return true;
}

bool GameDriver::pressKey(const QString &screen, int key, Qt::KeyboardModifiers modifiers)
{
    Form *form = FormRegistry::instance().loaded(screenNamed(screen));
    if (!form || !form->isVisible())
        return false;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form, 2000))
        return false;
    QWidget *target = form->focusWidget() ? form->focusWidget() : form;
    QTest::keyClick(target, Qt::Key(key), modifiers);
    return true;
}

QStringList GameDriver::clickableControls(const QString &screen) const
{
    return childNames<QAbstractButton>(
        visibleForm(screen), [](const QAbstractButton *button) { return button->isVisible() && button->isEnabled(); });
}

QStringList GameDriver::textBoxes(const QString &screen) const
{
    return childNames<QWidget>(visibleForm(screen), [](const QWidget *child) {
        return (qobject_cast<const QLineEdit *>(child) || qobject_cast<const QPlainTextEdit *>(child))
            && child->isVisible();
    });
}

bool GameDriver::paste(const QString &screen, const QString &control, const QString &text, bool replaceAll)
{
    Form *form = visibleForm(screen);
    auto *box = form ? form->control<QLineEdit>(control) : nullptr;
    if (!box || !box->isVisible() || !box->isEnabled() || box->isReadOnly())
        return false;
    box->setFocus();
    if (replaceAll)
        box->selectAll();
    box->insert(text);
    return true;
}

bool GameDriver::closeWindow(const QString &screen)
{
    Form *form = visibleForm(screen);
    if (!form)
        return false;
    form->close();
    return true;
}

bool GameDriver::tick(const QString &screen, const QString &timer)
{
    Form *form = FormRegistry::instance().loaded(screenNamed(screen));
    auto *running = form ? form->control<QTimer>(timer) : nullptr;
    if (!running || !running->isActive())
        return false;
    QTimerEvent event(running->timerId());
    QCoreApplication::sendEvent(running, &event);
    return true;
}

QStringList GameDriver::runningTimers(const QString &screen) const
{
    return childNames<QTimer>(FormRegistry::instance().loaded(screenNamed(screen)),
                              [](const QTimer *timer) { return timer->isActive(); });
}

QString GameDriver::text(const QString &screen, const QString &control) const
{
    Form *form = FormRegistry::instance().loaded(screenNamed(screen));
    return form ? form->controlText(control) : QString();
}

bool GameDriver::isControlVisible(const QString &screen, const QString &control) const
{
    Form *form = FormRegistry::instance().loaded(screenNamed(screen));
    QWidget *widget = form ? form->control(control) : nullptr;
    return widget && !widget->isHidden();
}

QStringList GameDriver::oversizedWindows() const
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList oversized;
    for (const QString &screen : visibleScreens()) {
        const QSize size = FormRegistry::instance().loaded(screenNamed(screen))->frameGeometry().size();
        if (size.width() > 1920 || size.height() > 1200)
            oversized << QStringLiteral("%1 %2 x %3 px").arg(screen).arg(size.width()).arg(size.height());
    }
    return oversized;
}

QStringList GameDriver::journalSince(int mark) const
{
    static const QStringList ops = QStringLiteral("show hide unload play msgbox set end close").split(u' ');
    QStringList result;
    for (const JournalEntry &entry : Journal::instance().since(mark)) {
        if (ops.contains(entry.op))
            result.append(entry.line());
    }
    return result;
}

bool GameDriver::play(const QList<Move> &moves)
{
    for (const Move &move : moves) {
        const bool done =
            move.kind == Move::Type ? type(move.screen, move.control, move.text) : click(move.screen, move.control);
        if (!done) {
            qWarning("cannot reach %s.%s; on display: %s", qPrintable(move.screen), qPrintable(move.control),
                     qPrintable(visibleScreens().join(u' ')));
            return false;
        }
        if (!move.leadsTo.isEmpty() && visibleScreens() != QStringList{move.leadsTo}) {
            qWarning("%s.%s should lead to %s; on display: %s", qPrintable(move.screen), qPrintable(move.control),
                     qPrintable(move.leadsTo), qPrintable(visibleScreens().join(u' ')));
            return false;
        }
    }
    return true;
}

bool GameDriver::answer(int question, const QString &given)
{
    const QuestionMoves &moves = questionMoves(question);
    if (given.startsWith(QStringLiteral("opt")) && given.size() <= 4)
        return click(moves.screen, QStringLiteral("optAntwort") + given.mid(3));
    return given.isEmpty() || type(moves.screen, moves.answerBox, given);
}

bool GameDriver::playTo(int question, const QString &name)
{
    startGame();
    return enterName(name) && play(rightAnswerMoves(1, question - 1))
        && visibleScreens() == QStringList{questionMoves(question).screen};
}

bool GameDriver::winGame(const QString &name)
{
    startGame();
    return enterName(name) && play(rightAnswerMoves(1, 16));
}

Form *GameDriver::openCertificate(const QString &name)
{
    const QString nameDialog = QStringLiteral("DlgNamen_angeben");
    show(nameDialog);
    if (!type(nameDialog, QStringLiteral("txt_Name"), name))
        return nullptr;
    FormRegistry::instance().hide(screenNamed(nameDialog));
    show(questionMoves(16).screen);
    return play(rightAnswerMoves(16, 16)) ? FormRegistry::instance().loaded(bq::Screen::frmGlueckwunsch) : nullptr;
}

void GameDriver::answerOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("bqSeen").toBool())
        return;
    box->setProperty("bqSeen", true);
    SeenBox seen{box->windowTitle(), box->text(), box->icon() == QMessageBox::Warning ? 48 : 0,
                 FormRegistry::instance().visibleNames()};
    m_boxes.append(seen);
    if (m_observer)
        m_observer(seen);
    if (!m_answerBoxes)
        return;
    if (m_answerWithEnter)
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
    else
        box->button(QMessageBox::Ok)->click();
}

QAbstractButton *clickableButton(const QString &screen, const QString &control)
{
    Form *form = visibleForm(screen);
    auto *button = form ? form->control<QAbstractButton>(control) : nullptr;
    return button && button->isVisible() && button->isEnabled() ? button : nullptr;
}

void clickButton(QAbstractButton *button)
{
    // An option button only takes clicks on its circle and caption, not on the free room
    // beside them that the layout gives it.
    const QPoint where =
        qobject_cast<QRadioButton *>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

QRect fromTwips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

void typeInto(QWidget *widget, const QString &text)
{
    // One key event per grapheme, so umlauts, combining marks and emoji arrive whole.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (graphemes.toNextBoundary() != -1) {
        const qsizetype end = graphemes.position();
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(start, end - start), Qt::NoModifier);
        start = end;
    }
}

} // namespace bq::test
