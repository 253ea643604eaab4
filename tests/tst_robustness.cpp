// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input and a broken machine: names of every kind shown exactly as typed on every
// screen that greets the player, with no window growing past the screen; the game started
// only once however the name dialogs are juggled; broken sound files, no sound server and a
// frozen one through the real sound backend, with the user-interface thread never waiting.

#include "driver/game_driver.h"
#include "driver/winning_path.h"
#include "platform/form_registry.h"
#include "platform/journal.h"
#include "platform/sound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <random>
#include <string_view>

using bq::test::GameDriver;
using bq::test::screenNamed;
using bq::test::spawnProgram;
using bq::test::WatchedSoundBackend;

namespace {

// The user-interface thread hands a sound to the sound thread and goes on. A call that
// waited for the sound server or read the file would take from tens of milliseconds (a
// 100 MB file) to half a minute (a hung server); a few milliseconds is the budget, with
// room for a busy machine and the sanitizer build.
#if defined(__SANITIZE_THREAD__)
constexpr qint64 kPlayBudgetUs = 60000; // ThreadSanitizer makes every call and lock slower
#else
constexpr qint64 kPlayBudgetUs = 20000;
#endif

// Sound files

// A WAV file: the header says `claimedFrames` frames, the file holds `frames` of a tone.
QByteArray wav(quint16 format, quint16 bits, quint32 frames, quint32 claimedFrames)
{
    const quint16 channels = 1;
    const quint32 rate = 22050;
    const quint16 blockAlign = quint16(channels * bits / 8);
    QByteArray data;
    for (quint32 i = 0; i < frames; ++i) {
        const double sample = 0.3 * std::sin(2 * M_PI * 440 * i / rate);
        if (format == 3) {
            const float value = float(sample);
            data.append(reinterpret_cast<const char *>(&value), 4);
        } else {
            const qint32 value = qint32(sample * ((1 << (bits - 1)) - 1));
            const qint32 little = qToLittleEndian(value);
            data.append(reinterpret_cast<const char *>(&little), bits / 8);
        }
    }
    auto le = [](auto v) { // little-endian bytes of a 16- or 32-bit field
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char *>(&v), sizeof(v));
    };
    auto u32 = [&](quint32 v) { return le(v); };
    auto u16 = [&](quint16 v) { return le(v); };
    const quint32 dataBytes = claimedFrames * blockAlign;
    QByteArray file = "RIFF" + u32(36 + dataBytes) + "WAVE";
    file += "fmt " + u32(16) + u16(format) + u16(channels) + u32(rate) + u32(rate * blockAlign) + u16(blockAlign)
        + u16(bits);
    file += "data" + u32(dataBytes) + data;
    return file;
}

enum class Heard { File, Alert, Either, Nothing };

struct SoundFileKind {
    const char *name;
    Heard withServer; // what a working sound server makes of it
};

constexpr SoundFileKind kSoundFileKinds[] = {
    {"good", Heard::File},
    {"missing", Heard::Alert},
    {"empty", Heard::Alert},
    {"header cut short", Heard::Alert},
    {"data cut short", Heard::Either},
    {"random bytes", Heard::Alert},
    {"float WAV", Heard::Alert},
    {"24-bit WAV", Heard::Alert},
    {"directory", Heard::Alert},
    {"unreadable", Heard::Either}, // played as root, who reads anything; the alert for others
    {"100 MB of nothing", Heard::Alert},
    {"100 MB WAV", Heard::Either},
};
static_assert(std::string_view(kSoundFileKinds[0].name) == "good"); // the rest are broken

// Puts a sound of the given kind where the game looks for `soundName`.
bool makeSoundFile(const QDir &dir, const QString &soundName, const QString &kind)
{
    const QString path = dir.filePath(soundName);
    if (kind == u"missing")
        return !QFileInfo::exists(path);
    if (kind == u"directory")
        return dir.mkdir(soundName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray good = wav(1, 16, 4410, 4410);
    if (kind == u"good" || kind == u"unreadable") {
        file.write(good);
    } else if (kind == u"header cut short") {
        file.write(good.left(22));
    } else if (kind == u"data cut short") {
        file.write(wav(1, 16, 200, 22050 * 5));
    } else if (kind == u"random bytes") {
        std::mt19937 bytes(7);
        QByteArray noise(65536, Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(bytes());
        file.write(noise);
    } else if (kind == u"float WAV") {
        file.write(wav(3, 32, 4410, 4410));
    } else if (kind == u"24-bit WAV") {
        file.write(wav(1, 24, 4410, 4410));
    } else if (kind == u"100 MB of nothing") {
        file.resize(100 * 1024 * 1024); // sparse: no disk is filled
    } else if (kind == u"100 MB WAV") {
        file.write(wav(1, 16, 0, (100 * 1024 * 1024 - 44) / 2));
        file.resize(100 * 1024 * 1024);
    } else if (kind != u"empty") {
        return false;
    }
    file.close();
    return kind != u"unreadable" || QFile::setPermissions(path, QFileDevice::Permissions());
}

// Where the sound thread should find a sound server, or not; a frozen one takes the
// connection and never answers.
enum class Server { Missing, NotConfigured, Private, Frozen };

const char *serverName(Server server)
{
    constexpr const char *names[] = {"no server at the given address", "no server anywhere", "private server",
                                     "frozen server"};
    return names[int(server)];
}

constexpr const char *kNoPulseAudio = "PulseAudio is not installed (make deps installs pulseaudio, pulseaudio-utils)";

} // namespace

// The private sound server of a row: skipped where PulseAudio is not installed, failed where it is
// and does not start.
#define REQUIRE_PRIVATE_SOUND_SERVER()                                                                                 \
    do {                                                                                                               \
        const QString why = startPrivateSoundServer();                                                                 \
        if (why == QLatin1String(kNoPulseAudio))                                                                       \
            QSKIP(kNoPulseAudio);                                                                                      \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                                      \
    } while (false)

class RobustnessTest : public QObject {
    Q_OBJECT

private:
    GameDriver driver;
    QTemporaryDir scratch;
    int pulse = -1; // the private sound server's process
    QString pulseSocket;
    QString startDir;

    // ---- names --------------------------------------------------------------------------

    void checkNameLabel(const QString &screen, const QString &labelName, const QString &name)
    {
        bq::Form *form = bq::FormRegistry::instance().loaded(screenNamed(screen));
        auto *label = form->control<QLabel>(labelName);
        QVERIFY2(label, qPrintable(screen + u'.' + labelName));
        QVERIFY2(label->text() == name,
                 qPrintable(screen + u'.' + labelName + QStringLiteral(" differs from the name")));
        // Shown as typed: no markup, and no access key taken from an ampersand. The key that
        // a caption would take from the name goes to the label, not into the answer box.
        QCOMPARE(label->textFormat(), Qt::PlainText);
        if (const QKeySequence accessKey = QKeySequence::mnemonic(name); !accessKey.isEmpty()) {
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
            QWidget *focus = form->focusWidget();
            const int mark = driver.journalMark();
            QTest::keyClick(label, accessKey[0].key(), accessKey[0].keyboardModifiers());
            QCOMPARE(driver.journalSince(mark), QStringList());
            QCOMPARE(form->focusWidget(), focus);
            for (const QAbstractButton *button : form->findChildren<QAbstractButton *>())
                QVERIFY2(!button->isDown(), qPrintable(button->objectName()));
        }
    }

    // A whole won game, left through "&Programm beenden" and "Ende".
    void playWonGameToTheEnd()
    {
        QVERIFY(driver.winGame(QStringLiteral("Anna Schmitt")));
        QVERIFY(driver.click(QStringLiteral("frmGlückwunsch"), QStringLiteral("cmdende")));
        QVERIFY(driver.click(QStringLiteral("frmAbout"), QStringLiteral("cmdExit")));
        QVERIFY(driver.ended());
    }

    // ---- sounds -------------------------------------------------------------------------

    // Empty once the server is up; else why not.
    QString startPrivateSoundServer()
    {
        if (pulseRunning())
            return {};
        const QString pulseBinary = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        const QString pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        if (pulseBinary.isEmpty() || pactl.isEmpty())
            return QString::fromLatin1(kNoPulseAudio);
        const QString dir = scratch.filePath(QStringLiteral("pulse"));
        QDir().mkpath(dir + QStringLiteral("/state"));
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        pulseSocket = dir + QStringLiteral("/native");
        const QStringList env{QStringLiteral("env"), QStringLiteral("PULSE_RUNTIME_PATH=") + dir,
                              QStringLiteral("PULSE_STATE_PATH=%1/state").arg(dir), QStringLiteral("HOME=") + dir};
        // Should the test die, the server goes away by itself once no client is left.
        pulse = spawnProgram(
            env + QStringList{pulseBinary}
            + QStringLiteral("-n --daemonize=no --exit-idle-time=20 --use-pid-file=no --disallow-exit").split(u' ')
            + QStringList{QStringLiteral("--log-target=file:%1/log").arg(dir), QStringLiteral("-L"),
                          QStringLiteral("module-null-sink sink_name=testsink"), QStringLiteral("-L"),
                          QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(pulseSocket)});
        if (pulse < 0)
            return QStringLiteral("PulseAudio could not be started");
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000 && pulseRunning()) {
            int status = -1;
            const int pid = spawnProgram(env
                                         + QStringList{QStringLiteral("PULSE_SERVER=unix:") + pulseSocket, pactl,
                                                       QStringLiteral("set-default-sink"), QStringLiteral("testsink")});
            if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0)
                return {};
            QTest::qWait(100);
        }
        return QStringLiteral("the private PulseAudio ended or did not answer within 10 s (its log: %1/log)").arg(dir);
    }

    bool pulseRunning()
    {
        if (pulse > 0 && ::waitpid(pulse, nullptr, WNOHANG) != 0)
            pulse = -1;
        return pulse > 0;
    }

    void stopPulse(int signal)
    {
        if (pulseRunning() && ::kill(pulse, signal) == 0)
            ::waitpid(pulse, nullptr, 0);
        pulse = -1;
    }

    // Points the sound thread's next connection at the server under test, with a fresh
    // backend, so that no connection made before carries over.
    WatchedSoundBackend *useRealBackend(Server server)
    {
        // Not configured: the client configuration forbids starting a server, and none runs here.
        const QString address = server == Server::Missing ? scratch.filePath(QStringLiteral("keine/native"))
            : server == Server::Private                   ? pulseSocket
            : server == Server::Frozen                    ? frozenSocket()
                                                          : QString();
        qunsetenv("PULSE_SERVER");
        if (!address.isEmpty())
            qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + address));
        auto backend = std::make_unique<WatchedSoundBackend>(bq::makeCanberraBackend());
        WatchedSoundBackend *watched = backend.get();
        bq::Sound::instance().setBackend(std::move(backend));
        return watched;
    }

    // A server that takes connections and never answers them: a listening socket whose
    // queue nobody accepts from. The descriptor, to close when the server is to go away.
    QString frozenSocket() const { return scratch.filePath(QStringLiteral("frozen.sock")); }
    int startFrozenServer()
    {
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray encoded = QFile::encodeName(frozenSocket());
        qstrncpy(address.sun_path, encoded.constData(), sizeof(address.sun_path));
        if (listener < 0 || size_t(encoded.size()) >= sizeof(address.sun_path)
            || ::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
            || ::listen(listener, 16) != 0)
            return -1;
        return listener;
    }

    // Asks for the sound `times` times from this, the user-interface thread; the slowest call.
    static qint64 slowestPlayUs(const QString &soundName, int times)
    {
        qint64 slowest = 0;
        for (int i = 0; i < times; ++i) {
            QElapsedTimer clock;
            clock.start();
            bq::Sound::instance().play(soundName);
            slowest = qMax(slowest, clock.nsecsElapsed() / 1000);
        }
        return slowest;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        startDir = QDir::currentPath();
        // Never start a sound server behind the test's back, and find none in the usual places.
        QFile conf(scratch.filePath(QStringLiteral("client.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly) && conf.write("autospawn = no\n") > 0 && conf.flush());
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(conf.fileName()));
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(scratch.filePath(QStringLiteral("no-pulse"))));
    }

    void cleanupTestCase()
    {
        QDir::setCurrent(startDir);
        stopPulse(SIGTERM);
    }

    void init() { driver.reset(); }
    void cleanup()
    {
        QDir::setCurrent(startDir);
        QCOMPARE(driver.finish(), QStringList());
    }

    void namesShownAsTypedAndWindowsStayOnScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("paste"); // typed key by key, or pasted
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << QStringLiteral("     ") << false;
        QTest::newRow("blanks around umlauts") << QStringLiteral("  Jürgen Größ  ") << false;
        QTest::newRow("10,000 characters") << QString(10000, u'W') << true;
        QTest::newRow("10,000 characters of words") << QStringLiteral("Anna ").repeated(2000) << true;
        QTest::newRow("emoji") << QStringLiteral("👨‍👩‍👧 Familie 🇩🇪 👍🏽") << false;
        QTest::newRow("right to left") << QStringLiteral("שלום עליכם مرحبا") << false;
        QTest::newRow("direction override") << QStringLiteral("\u202Eknörz\u202C Anna") << true;
        QTest::newRow("markup") << QStringLiteral("<b>Anna</b> <img src=\"x\"> &amp; <br>") << false;
        QTest::newRow("ampersand") << QStringLiteral("&Anna & Bernd &&") << false;
        QTest::newRow("newline pasted in") << QStringLiteral("Anna\nSchmitt") << true;
        QTest::newRow("500 lines pasted in") << QStringLiteral("Anna\n").repeated(500) << true;
        QTest::newRow("combining marks") << QStringLiteral("Zoe\u0308 A\u030Angstro\u0308m") << false;
        QTest::newRow("placeholders") << QStringLiteral("%1 %2 %n") << false;
    }

    void namesShownAsTypedAndWindowsStayOnScreen()
    {
        QFETCH(QString, name);
        QFETCH(bool, paste);
        driver.startGame();
        QVERIFY(driver.click(QStringLiteral("Brendelquiz"), QStringLiteral("cdmlos_gehts")));
        const QString dialog = QStringLiteral("DlgNamen_angeben");
        QVERIFY(paste ? driver.paste(dialog, QStringLiteral("txt_Name"), name, true)
                      : driver.type(dialog, QStringLiteral("txt_Name"), name));
        // The box keeps every character it was given: the name is exactly this text.
        QCOMPARE(driver.text(dialog, QStringLiteral("txt_Name")), name);
        QCOMPARE(driver.oversizedWindows(), QStringList());
        QVERIFY(driver.click(dialog, QStringLiteral("OKButton")));

        checkNameLabel(QStringLiteral("DlgNamen_anzeigen"), QStringLiteral("lblName_ist"), name);
        QCOMPARE(driver.oversizedWindows(), QStringList());
        QVERIFY(driver.click(QStringLiteral("DlgNamen_anzeigen"), QStringLiteral("OKButton")));

        for (int q = 1; q <= 16; ++q) {
            const QString screen = bq::test::questionMoves(q).screen;
            QCOMPARE(driver.visibleScreens(), QStringList{screen});
            for (const bq::test::NameLabel &label : bq::test::kNameLabels) {
                if (screen == QString::fromUtf8(label.screen))
                    checkNameLabel(screen, QString::fromUtf8(label.label), name);
            }
            QCOMPARE(driver.oversizedWindows(), QStringList());
            QVERIFY(driver.play(bq::test::rightAnswerMoves(q, q)));
        }
        const QString certificate = QStringLiteral("frmGlückwunsch");
        QCOMPARE(driver.visibleScreens(), QStringList{certificate});
        checkNameLabel(certificate, QStringLiteral("lblName"), name);
        QCOMPARE(driver.oversizedWindows(), QStringList());
        QVERIFY(driver.click(certificate, QStringLiteral("cmdende")));
        QVERIFY(driver.click(QStringLiteral("frmAbout"), QStringLiteral("cmdExit")));
        QVERIFY(driver.ended());
    }

    // The welcome screen stays usable beside the name dialogs, so the way into the game can
    // be opened a second time. Once the game is on, it must stay closed.
    void gameStartsOnlyOnce_data()
    {
        QTest::addColumn<QStringList>("before");  // screen.control clicks before the greeting's OK
        QTest::addColumn<QStringList>("journal"); // what the greeting's OK does
        QTest::addColumn<QStringList>("visible");

        const QStringList named{"Brendelquiz.cdmlos_gehts", "DlgNamen_angeben.OKButton"};
        QTest::newRow("name dialog opened again")
            << named + QStringList{"Brendelquiz.cdmlos_gehts"}
            << QStringList{"unload DlgNamen_anzeigen", "unload Brendelquiz", "hide DlgNamen_angeben", "show frmFrage1"}
            << QStringList{"frmFrage1"};
        QTest::newRow("quit question open")
            << QStringList{"Brendelquiz.cdmlos_gehts", "Brendelquiz.Cmdbessernicht", "DlgNamen_angeben.OKButton"}
            << QStringList{"unload DlgNamen_anzeigen", "unload Brendelquiz", "unload dlgbeenden", "show frmFrage1"}
            << QStringList{"frmFrage1"};
        QTest::newRow("both") << named + QStringList{"Brendelquiz.cdmlos_gehts", "Brendelquiz.Cmdbessernicht"}
                              << QStringList{"unload DlgNamen_anzeigen", "unload Brendelquiz", "hide DlgNamen_angeben",
                                             "unload dlgbeenden", "show frmFrage1"}
                              << QStringList{"frmFrage1"};
        QTest::newRow("info page stays open")
            << named + QStringList{"Brendelquiz.CmdProgramminfo"}
            << QStringList{"unload DlgNamen_anzeigen", "unload Brendelquiz", "show frmFrage1"}
            << QStringList{"frmFrage1", "frmwieso"};
    }

    void gameStartsOnlyOnce()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, journal);
        QFETCH(QStringList, visible);
        driver.startGame();
        for (const QString &step : before)
            QVERIFY2(driver.click(step.section(u'.', 0, 0), step.section(u'.', 1)), qPrintable(step));
        const int mark = driver.journalMark();
        QVERIFY(driver.click(QStringLiteral("DlgNamen_anzeigen"), QStringLiteral("OKButton")));
        QCOMPARE(driver.journalSince(mark), journal);
        QCOMPARE(driver.visibleScreens(), visible);
        // The name dialog keeps the name for the labels that come later.
        QVERIFY(bq::FormRegistry::instance().isLoaded(bq::Screen::DlgNamen_angeben));
        // Play on to the end: the first question is never shown again.
        if (visible.contains(u"frmwieso"))
            QVERIFY(driver.click(QStringLiteral("frmwieso"), QStringLiteral("cmdok")));
        QCOMPARE(driver.visibleScreens(), QStringList{QStringLiteral("frmFrage1")});
        QVERIFY(driver.play(bq::test::rightAnswerMoves(1, 16)));
        QCOMPARE(driver.journal().count(QStringLiteral("show frmFrage1")), 1);
    }

    void brokenSoundFilesNeverHoldUpTheGame_data()
    {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("heard");
        for (Server server : {Server::Missing, Server::NotConfigured, Server::Private}) {
            for (const SoundFileKind &kind : kSoundFileKinds)
                QTest::addRow("%s, %s", serverName(server), kind.name)
                    << server << QString::fromLatin1(kind.name)
                    << int(server == Server::Private ? kind.withServer : Heard::Nothing);
        }
        // Last: the sound thread stays caught until the server goes away.
        QTest::addRow("%s, good", serverName(Server::Frozen))
            << Server::Frozen << QStringLiteral("good") << int(Heard::Nothing);
    }

    void brokenSoundFilesNeverHoldUpTheGame()
    {
        QFETCH(Server, server);
        QFETCH(QString, kind);
        QFETCH(int, heard);
        if (server == Server::Private)
            REQUIRE_PRIVATE_SOUND_SERVER();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A name the game has no sound of its own for: only the file made here can be found.
        const QString soundName = QStringLiteral("probe-ton.wav");
        QVERIFY(makeSoundFile(QDir(dir.path()), soundName, kind));
        const QFileInfo made(dir.filePath(soundName));
        const QString file = made.isFile() && made.isReadable() ? made.absoluteFilePath() : QString();
        QVERIFY(QDir::setCurrent(dir.path()));
        const int frozen = server == Server::Frozen ? startFrozenServer() : -1;
        QVERIFY(server != Server::Frozen || frozen >= 0);
        WatchedSoundBackend *backend = useRealBackend(server);

        const qint64 slowest = slowestPlayUs(soundName, 20);
        QVERIFY2(slowest < kPlayBudgetUs, qPrintable(QStringLiteral("a sound request took %1 µs").arg(slowest)));
        if (server == Server::Frozen) {
            QTest::qWait(200); // the sound thread is now waiting for the server's answer
            const qint64 held = slowestPlayUs(soundName, 50);
            QVERIFY2(held < kPlayBudgetUs, qPrintable(QStringLiteral("a sound request took %1 µs").arg(held)));
            QVERIFY2(!bq::Sound::instance().waitIdle(300),
                     "the sound thread was not held by the frozen server: the row proves nothing");
            QElapsedTimer game;
            game.start();
            playWonGameToTheEnd();
            qInfo("a whole game with a frozen sound server took %lld ms", game.elapsed());
            QVERIFY2(game.elapsed() < 10000, "the game waited for the frozen sound server");
            // The server goes away: the sound thread comes free and takes new requests again.
            ::close(frozen);
            QFile::remove(frozenSocket());
        }
        // The sound thread is done soon after, whatever the file held.
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(bq::Sound::instance().waitIdle(40000), "the sound thread is stuck");
        qInfo("slowest request %lld µs; sound thread done %lld ms later", slowest, clock.elapsed());

        const std::vector<WatchedSoundBackend::Call> calls = backend->calls();
        QVERIFY(!calls.empty());
        if (Heard(heard) == Heard::Nothing) {
            // Without a server nothing is heard, and no call may claim otherwise.
            for (const WatchedSoundBackend::Call &call : calls)
                QVERIFY2(!call.result, call.alert ? "the alert" : call.file.c_str());
            return;
        }
        // With a server, every request is heard: the file, or when it cannot be played,
        // the desktop's alert.
        const WatchedSoundBackend::Call &last = calls.back();
        if (last.alert) {
            QVERIFY2(last.result, "the alert sound was refused");
            QVERIFY2(Heard(heard) != Heard::File, "a good sound file was not played");
            if (!file.isEmpty()) {
                QVERIFY(calls.size() >= 2);
                const WatchedSoundBackend::Call &tried = calls.at(calls.size() - 2);
                QVERIFY(!tried.alert && !tried.result);
                QCOMPARE(QString::fromStdString(tried.file), file);
            }
        } else {
            QVERIFY2(last.result, "the sound thread gave up on the file without playing the alert");
            QVERIFY2(Heard(heard) != Heard::Alert, "a file that cannot be played was taken as played");
            QCOMPARE(QString::fromStdString(last.file), file);
        }
    }

    // Every sound of the game broken in another way: a whole game still runs to the end.
    void wholeGameWithBrokenSounds_data()
    {
        QTest::addColumn<Server>("server");
        for (Server server : {Server::Missing, Server::NotConfigured, Server::Private})
            QTest::newRow(serverName(server)) << server;
    }

    void wholeGameWithBrokenSounds()
    {
        QFETCH(Server, server);
        if (server == Server::Private)
            REQUIRE_PRIVATE_SOUND_SERVER();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList sounds{"danke",     "wow.wav",     "applaus.wav", "hupe.wav", "trumpet1.wav", "pfff",
                                 "glass.wav", "lachen1.wav", "lachen.wav",  "bond.wav", "oops.wav",     "applaus.oops"};
        const int broken = int(std::size(kSoundFileKinds)) - 1; // every kind after "good"
        for (int i = 0; i < sounds.size(); ++i)
            QVERIFY(makeSoundFile(QDir(dir.path()), sounds.at(i),
                                  QString::fromLatin1(kSoundFileKinds[1 + i % broken].name)));
        QVERIFY(QDir::setCurrent(dir.path()));
        useRealBackend(server);

        QElapsedTimer clock;
        clock.start();
        playWonGameToTheEnd();
        qInfo("a whole game with broken sounds took %lld ms", clock.elapsed());
        QVERIFY(bq::Sound::instance().waitIdle(20000));
    }

    // The sound server dies while a sound plays: the next sound falls back to the alert, and
    // once a server is there again, sounds are heard again on a new connection.
    void soundServerKilledWhileASoundPlays()
    {
        REQUIRE_PRIVATE_SOUND_SERVER();
        QTemporaryDir dir;
        QVERIFY(makeSoundFile(QDir(dir.path()), QStringLiteral("wow.wav"), QStringLiteral("good")));
        QVERIFY(QDir::setCurrent(dir.path()));
        WatchedSoundBackend *backend = useRealBackend(Server::Private);
        for (const bool serverThere : {true, false, true}) {
            if (serverThere != pulseRunning())
                serverThere ? void(startPrivateSoundServer()) : stopPulse(SIGKILL);
            bq::Sound::instance().play(QStringLiteral("wow.wav"));
            QVERIFY(bq::Sound::instance().waitIdle(20000));
            // Heard: the file itself. Not heard: the alert was tried instead.
            QCOMPARE(backend->calls().back().alert, !serverThere);
            QCOMPARE(backend->calls().back().result, serverThere);
        }
    }
};

QTEST_MAIN(RobustnessTest)

#include "tst_robustness.moc"
