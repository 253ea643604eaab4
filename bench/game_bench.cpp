// SPDX-License-Identifier: GPL-3.0-or-later
// In-process measurements of the game, played the way a player plays it: clicks, typing,
// message boxes answered as soon as they are on the display.
//
//   bq_game_bench transitions won|lost  one game; every click that brings up a window,
//                                       timed from the click to that window's first paint;
//                                       the player looks at each screen for 200 ms first
//   bq_game_bench memory                one won game with the certificate printed to PDF
//                                       (no printer: the game saves it in the documents
//                                       folder); the process's peak resident memory while
//                                       the questions are answered, and from the
//                                       certificate screen on
//   bq_game_bench growth GAMES          won games one after another in one process;
//                                       resident memory after the first and after the last
//   bq_game_bench sound [PID]           time PlaySound takes on this thread, through the
//                                       real sound backend; with a PID, the sound server,
//                                       again while that process is stopped
//
// Results are lines of words on standard output; problems go to standard error and give a
// non-zero exit status.
#include "app/game.h"
#include "driver/game_driver.h"
#include "platform/form_registry.h"
#include "platform/journal.h"
#include "platform/sound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>

namespace {

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM").
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "bq_game_bench: %s\n", qPrintable(why));
    std::fflush(stdout);
    std::_Exit(1);
}

// The certificate as the game keeps it when there is no printer: a PDF in the player's
// documents folder. Checks that one was written, and removes it for the next game.
bool takeSavedCertificate(qint64 *bytes)
{
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QStringList saved = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    if (saved.size() != 1)
        return false;
    QFile file(folder.filePath(saved.first()));
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-") || file.size() < 1000)
        return false;
    *bytes = file.size();
    file.close();
    return file.remove();
}

struct Transition {
    QString name;
    double ms;
};

// Times each click from the moment it is sent to the end of the first paint of every
// window it brought up. A message box that comes up is answered once it is painted,
// and that answer is timed the same way.
class ScreenWatch : public QObject {
public:
    ScreenWatch() { qApp->installEventFilter(this); }

    void begin(const QString &label)
    {
        m_active = true;
        ++m_generation;
        m_label = label;
        m_pending.clear();
        m_painted.clear();
        m_shownNames.clear();
        m_start = nowMs();
    }

    // After the click has returned: waits for the windows it brought up to be painted.
    // A click that brought up no window is not a screen change and is not recorded.
    void finish()
    {
        if (m_active && m_pending.isEmpty() && m_painted.isEmpty()) {
            m_active = false;
            return;
        }
        if (m_active) {
            QEventLoop loop;
            QTimer timeout;
            timeout.setSingleShot(true);
            connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
            timeout.start(5000);
            m_loop = &loop;
            loop.exec();
            m_loop = nullptr;
        }
        if (m_active)
            fail(QStringLiteral("no paint within 5 s after %1").arg(m_label));
    }

    std::vector<Transition> transitions;
    bool recording = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_active || !watched->isWidgetType())
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (!window->isWindow())
            return false;
        switch (event->type()) {
        case QEvent::Show:
            if (!m_pending.contains(window)) {
                m_pending.append(window);
                m_shownNames.append(windowName(window));
            }
            break;
        case QEvent::Hide:
            m_pending.removeAll(window);
            if (m_pending.isEmpty() && !m_painted.isEmpty())
                scheduleEnd();
            break;
        case QEvent::Paint:
            if (m_pending.removeAll(window) > 0) {
                m_painted.append(window);
                if (m_pending.isEmpty())
                    scheduleEnd();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    static QString windowName(QWidget *window)
    {
        if (auto *box = qobject_cast<QMessageBox *>(window))
            return QStringLiteral("MessageBox '%1'").arg(box->windowTitle());
        return window->objectName();
    }

    // Every control of the window is painted and the window flushed before a zero timer
    // fires, so that is when the screen change is complete.
    void scheduleEnd()
    {
        const int generation = m_generation;
        QTimer::singleShot(0, this, [this, generation] {
            if (!m_active || generation != m_generation || !m_pending.isEmpty())
                return;
            const double end = nowMs();
            m_active = false;
            if (recording)
                transitions.push_back(
                    {m_label + QStringLiteral(" → ") + m_shownNames.join(QStringLiteral(" + ")), end - m_start});
            QMessageBox *box = nullptr;
            for (const QPointer<QWidget> &window : std::as_const(m_painted)) {
                if (auto *candidate = qobject_cast<QMessageBox *>(window.data()); candidate && candidate->isVisible())
                    box = candidate;
            }
            if (m_loop)
                m_loop->quit();
            if (box)
                answer(box);
        });
    }

    void answer(QMessageBox *box);

    bool m_active = false;
    int m_generation = 0;
    QString m_label;
    double m_start = 0;
    QList<QPointer<QWidget>> m_pending;
    QList<QPointer<QWidget>> m_painted;
    QStringList m_shownNames;
    QEventLoop *m_loop = nullptr;
};

void ScreenWatch::answer(QMessageBox *box)
{
    QAbstractButton *ok = box->button(QMessageBox::Ok);
    if (!ok)
        fail(QStringLiteral("message box without OK"));
    begin(QStringLiteral("MessageBox '%1'.OK").arg(box->windowTitle()));
    bq::test::clickButton(ok);
}

// Lets the game finish what the last step left behind, as it does while the player
// reads the new screen: pending events and the deletion of unloaded screens.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class Player {
public:
    Player(ScreenWatch &watch, bq::Game &game) : m_watch(watch), m_game(game) {}

    // The first game starts as the program does; later ones show the welcome screen again.
    void startGame()
    {
        settle();
        const bool recording = m_watch.recording;
        m_watch.recording = false;
        m_watch.begin(QStringLiteral("start"));
        if (!m_started)
            m_game.start();
        else
            bq::FormRegistry::instance().show(bq::Screen::Brendelquiz);
        m_started = true;
        m_watch.finish();
        m_watch.recording = recording;
    }

    // The steps of the tests' winning path; only clicks can change screens, and only they
    // are timed.
    void play(const QList<bq::test::Move> &moves)
    {
        for (const bq::test::Move &move : moves) {
            switch (move.kind) {
            case bq::test::Move::Click:
                click(move.screen, move.control);
                break;
            case bq::test::Move::Choose:
                settle();
                if (!bq::test::GameDriver::click(move.screen, move.control))
                    fail(QStringLiteral("no option %1.%2 to choose").arg(move.screen, move.control));
                break;
            case bq::test::Move::Type:
                type(move.screen, move.control, move.text);
                break;
            }
        }
    }

    // A click on a button of a screen on display; times the screen change it makes.
    void click(const QString &screen, const QString &control)
    {
        settle();
        read();
        QAbstractButton *clicked = bq::test::clickableButton(screen, control);
        if (!clicked)
            fail(QStringLiteral("no button %1.%2 to click (on display: %3)")
                     .arg(screen, control, bq::FormRegistry::instance().visibleNames().join(u' ')));
        if (beforeClick)
            beforeClick(screen, control);
        m_watch.begin(screen + u'.' + control);
        bq::test::clickButton(clicked);
        m_watch.finish();
    }

    void type(const QString &screen, const QString &control, const QString &text)
    {
        settle();
        if (!bq::test::GameDriver::type(screen, control, text))
            fail(QStringLiteral("no text box %1.%2 on display").arg(screen, control));
    }

    // How long the player looks at a screen before clicking on it.
    void setReadingTime(int ms) { m_readingMs = ms; }

    // Called with the screen and the button after the reading, just before each click.
    std::function<void(const QString &, const QString &)> beforeClick;

private:
    // The game's event loop runs on while the player reads, as it does for every player.
    void read() const
    {
        if (m_readingMs <= 0)
            return;
        QEventLoop loop;
        QTimer::singleShot(m_readingMs, &loop, &QEventLoop::quit);
        loop.exec();
    }

    ScreenWatch &m_watch;
    bq::Game &m_game;
    bool m_started = false;
    int m_readingMs = 0;
};

const QString kPlayer = QStringLiteral("Jürgen Ößel");

void checkEnded()
{
    settle();
    if (!bq::FormRegistry::instance().hasEnded())
        fail(QStringLiteral("the game did not end; on display: %1")
                 .arg(bq::FormRegistry::instance().visibleNames().join(u' ')));
}

// All sixteen questions right, the certificate printed, the program left from the about
// screen. Returns the size of the certificate's PDF.
qint64 playWonGame(Player &player)
{
    player.startGame();
    player.play(bq::test::nameMoves(kPlayer));
    player.play(bq::test::rightAnswerMoves(1, 16));
    player.click(QStringLiteral("frmGlückwunsch"), QStringLiteral("Druck"));
    qint64 bytes = 0;
    if (!takeSavedCertificate(&bytes))
        fail(QStringLiteral("the certificate was not saved as a PDF"));
    player.click(QStringLiteral("frmAbout"), QStringLiteral("cmdExit"));
    checkEnded();
    return bytes;
}

// Seven questions right, a wrong name typed at question 8, the scolding, the about screen.
void playLostGame(Player &player)
{
    player.startGame();
    player.play(bq::test::nameMoves(kPlayer));
    player.play(bq::test::rightAnswerMoves(1, 7));
    const bq::test::QuestionMoves &eighth = bq::test::questionMoves(8);
    player.type(eighth.screen, eighth.answerBox, QStringLiteral("Niemand"));
    player.click(eighth.screen, eighth.okButton);
    player.click(eighth.scolding, QStringLiteral("OKButton"));
    player.click(QStringLiteral("frmAbout"), QStringLiteral("cmdExit"));
    checkEnded();
}

// Back to the state of a freshly started program: every screen deleted, an empty journal.
void clearGame()
{
    const QStringList left = bq::test::GameDriver::finish();
    settle();
    if (!left.isEmpty())
        fail(QStringLiteral("%1 windows left after a game, first %2").arg(left.size()).arg(left.first()));
}

// How many of the sound thread's calls, from the `first` on, the sound server took or refused.
int answered(const bq::test::WatchedSoundBackend &backend, bool taken, std::size_t first = 0)
{
    const std::vector<bq::test::WatchedSoundBackend::Call> calls = backend.calls();
    return int(std::count_if(calls.begin() + qsizetype(std::min(first, calls.size())), calls.end(),
                             [taken](const auto &call) { return call.result == taken; }));
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest value with at least p of the values at or below it.
    const auto rank = static_cast<size_t>(std::max(1.0, std::ceil(p * double(values.size()))));
    return values.at(rank - 1);
}

// Calls PlaySound as a screen does, one sound every 20 ms, and times each call.
void timeSoundCalls(const char *state, int calls, const bq::test::WatchedSoundBackend &backend)
{
    static const char *const names[] = {"wow.wav",    "glass.wav", "hupe.wav", "applaus.wav",
                                        "lachen.wav", "oops.wav",  "bond.wav", "trumpet1.wav"};
    const std::size_t before = backend.calls().size();
    std::vector<double> us;
    for (int i = 0; i < calls; ++i) {
        const QString name = QString::fromLatin1(names[i % std::size(names)]);
        const auto start = std::chrono::steady_clock::now();
        bq::Sound::instance().play(name);
        const auto end = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::printf("sound %s calls %d p50_us %.1f p99_us %.1f max_us %.1f accepted %d refused %d\n", state, calls,
                percentile(us, 0.50), percentile(us, 0.99), *std::max_element(us.begin(), us.end()),
                answered(backend, true, before), answered(backend, false, before));
}

int soundBench(pid_t server)
{
    auto owned = std::make_unique<bq::test::WatchedSoundBackend>(bq::makeCanberraBackend());
    const bq::test::WatchedSoundBackend &backend = *owned;
    bq::Sound::instance().setBackend(std::move(owned));
    // The first sound connects to the server.
    bq::Sound::instance().play(QStringLiteral("wow.wav"));
    if (!bq::Sound::instance().waitIdle(10000) || answered(backend, true) != 1)
        fail(QStringLiteral("the sound server did not take the first sound"));
    const int calls = 300;
    timeSoundCalls("working", calls, backend);
    bq::Sound::instance().waitIdle(5000);
    if (server > 0) {
        if (kill(server, SIGSTOP) != 0)
            fail(QStringLiteral("cannot stop the sound server"));
        timeSoundCalls("frozen", calls, backend);
        kill(server, SIGCONT);
    }
    std::fflush(stdout);
    // The sound thread may still be waiting for the server; it is not waited for.
    std::_Exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == u"sound")
        return soundBench(pid_t(args.value(1).toLong()));

    bq::Game game(app);
    ScreenWatch watch;
    Player player(watch, game);

    if (mode == u"transitions") {
        // Nobody clicks a button within a fifth of a second of its window coming up: the
        // fastest reaction to a new screen, let alone reading it.
        player.setReadingTime(200);
        const bool won = args.value(1) == u"won";
        if (won)
            playWonGame(player);
        else
            playLostGame(player);
        for (const Transition &t : watch.transitions)
            std::printf("transition %s %.3f %s\n", won ? "won" : "lost", t.ms, qPrintable(t.name));
    } else if (mode == u"memory") {
        player.setReadingTime(200);
        // The peak while the questions are answered, up to the last answer's click; then the
        // peak is started afresh from what is resident, for the certificate screen (its page
        // drawn ahead while the player reads it), printing and the about screen.
        long playPeak = -1;
        const bq::test::QuestionMoves &last = bq::test::questionMoves(16);
        player.beforeClick = [&playPeak, &last](const QString &screen, const QString &control) {
            if (screen != last.screen || control != last.okButton || playPeak >= 0)
                return;
            playPeak = statusKb("VmHWM");
            QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
            if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1)
                fail(QStringLiteral("cannot reset the peak resident memory"));
        };
        const qint64 pdfBytes = playWonGame(player);
        if (playPeak < 0)
            fail(QStringLiteral("the last question was never answered"));
        // Where the memory lies once printed, for comparison with the bare window's.
        if (const QString to = qEnvironmentVariable("BQ_BENCH_SMAPS"); !to.isEmpty()) {
            QFile smaps(QStringLiteral("/proc/self/smaps")), copy(to);
            if (!smaps.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly)
                || copy.write(smaps.readAll()) <= 0)
                fail(QStringLiteral("cannot copy /proc/self/smaps to ") + to);
        }
        std::printf("memory play_peak_kb %ld print_peak_kb %ld rss_kb %ld pdf_bytes %lld\n", playPeak,
                    statusKb("VmHWM"), statusKb("VmRSS"), static_cast<long long>(pdfBytes));
    } else if (mode == u"growth") {
        // Many games in one process, which no player plays: big buffers (each window's backing
        // store, the certificate's PDF) get memory of their own that goes back to the system
        // when freed, so that what stays is what the game keeps, not the heap's fragmentation.
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        const int games = std::max(2, args.value(1).toInt());
        watch.recording = false;
        long afterFirst = 0;
        for (int game = 1; game <= games; ++game) {
            playWonGame(player);
            clearGame();
            if (game == 1)
                afterFirst = statusKb("VmRSS");
        }
        std::printf("growth games %d rss_first_kb %ld rss_last_kb %ld widgets %lld\n", games, afterFirst,
                    statusKb("VmRSS"), static_cast<long long>(QApplication::allWidgets().size()));
    } else {
        std::fprintf(stderr, "usage: bq_game_bench transitions won|lost | memory | growth GAMES | sound [PID]\n");
        return 2;
    }
    std::fflush(stdout);
    game.shutdown();
    return 0;
}
