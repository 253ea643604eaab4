// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the game's real sound service (libcanberra on its own thread) for sound.test.sh.
//
//   sound_probe play NAME@MS... --hold MS
//       Asks for each sound at its moment (milliseconds after start) and exits after --hold.
//       Prints "play NAME AT_US CALL_US" per request: when it was asked for and how long
//       the call took on this thread.
//   sound_probe stall --warmup NAME --freeze PID --for MS NAME...
//       Plays NAME once and waits until the sound thread has handed it to the server; then
//       freezes the sound server (SIGSTOP to PID) and, for MS milliseconds, keeps asking for
//       the given sounds in turn while a fast timer measures how late this thread's event
//       loop runs. Then lets the server go on (SIGCONT) and waits for the sound thread to
//       catch up. Prints key=value lines.
//
// Names are looked up exactly as the game looks them up (working directory first).
#include "platform/sound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <sys/types.h>

namespace {

[[gnu::format(printf, 1, 2)]] void say(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}

[[noreturn]] void usage()
{
    std::fputs("usage: sound_probe play NAME@MS... --hold MS\n"
               "       sound_probe stall --warmup NAME --freeze PID --for MS NAME...\n",
               stderr);
    std::exit(2);
}

// Leaves at once: a sound thread stuck in a hung server must not hold up the exit.
[[noreturn]] void leave(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

[[noreturn]] void fail(const QString &why)
{
    say("FAIL: %s\n", qPrintable(why));
    leave(1);
}

int playSchedule(QCoreApplication &app, const QStringList &args)
{
    QElapsedTimer clock;
    int hold = -1;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == u"--hold" && i + 1 < args.size()) {
            hold = args.at(++i).toInt();
            continue;
        }
        const qsizetype at = args.at(i).lastIndexOf(u'@');
        if (at <= 0)
            usage();
        const QString name = args.at(i).left(at);
        const int when = args.at(i).mid(at + 1).toInt();
        QTimer::singleShot(when, Qt::PreciseTimer, &app, [name, &clock] {
            const qint64 asked = clock.nsecsElapsed() / 1000;
            bq::Sound::instance().play(name);
            const qint64 took = clock.nsecsElapsed() / 1000 - asked;
            say("play %s %lld %lld\n", qPrintable(name), static_cast<long long>(asked), static_cast<long long>(took));
        });
    }
    if (hold < 0)
        usage();
    QTimer::singleShot(hold, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    clock.start();
    app.exec();
    if (!bq::Sound::instance().waitIdle(5000))
        fail(QStringLiteral("the sound thread is still busy 5 s after the last request"));
    return 0;
}

int stall(QCoreApplication &app, const QStringList &args)
{
    QString warmup;
    pid_t server = 0;
    int duration = 0;
    QStringList names;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == u"--warmup" && i + 1 < args.size())
            warmup = args.at(++i);
        else if (args.at(i) == u"--freeze" && i + 1 < args.size())
            server = static_cast<pid_t>(args.at(++i).toLongLong());
        else if (args.at(i) == u"--for" && i + 1 < args.size())
            duration = args.at(++i).toInt();
        else
            names.append(args.at(i));
    }
    if (warmup.isEmpty() || server <= 0 || duration <= 0 || names.isEmpty())
        usage();

    bq::Sound &sound = bq::Sound::instance();
    // The connection to the server is open before the server freezes, as in a game that
    // has already made a sound or two.
    sound.play(warmup);
    if (!sound.waitIdle(10000))
        fail(QStringLiteral("the sound server did not take the first sound within 10 s"));
    if (::kill(server, SIGSTOP) != 0)
        fail(QStringLiteral("cannot freeze the sound server (pid %1)").arg(server));

    QElapsedTimer clock;
    qint64 lastTick = 0, maxGap = 0, maxCall = 0;
    int requests = 0, ticks = 0;

    QTimer ticker, requester;
    for (QTimer *timer : {&ticker, &requester})
        timer->setTimerType(Qt::PreciseTimer);
    ticker.setInterval(2);
    requester.setInterval(25);
    QObject::connect(&ticker, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed() / 1000;
        maxGap = std::max(maxGap, now - lastTick);
        lastTick = now;
        ++ticks;
    });
    QObject::connect(&requester, &QTimer::timeout, &app, [&] {
        const qint64 before = clock.nsecsElapsed() / 1000;
        sound.play(names.at(requests % names.size()));
        maxCall = std::max(maxCall, clock.nsecsElapsed() / 1000 - before);
        ++requests;
    });

    bool stuck = false;
    QTimer::singleShot(duration, Qt::PreciseTimer, &app, [&] {
        // The sound thread should be caught in the frozen server by now; the game is not.
        stuck = !sound.waitIdle(0);
        app.quit();
    });

    clock.start();
    ticker.start();
    requester.start();
    app.exec();
    ticker.stop();
    requester.stop();

    ::kill(server, SIGCONT);
    QElapsedTimer recovery;
    recovery.start();
    const bool recovered = sound.waitIdle(20000);
    say("requests=%d\nticks=%d\nmax_gap_us=%lld\nmax_call_us=%lld\nsound_thread_stuck=%d\n"
        "recovered=%d\nrecovery_ms=%lld\n",
        requests, ticks, static_cast<long long>(maxGap), static_cast<long long>(maxCall), stuck ? 1 : 0,
        recovered ? 1 : 0, static_cast<long long>(recovery.elapsed()));
    // The sound thread may still be talking to the server; nothing is left to tidy up.
    leave(0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        usage();
    const QString mode = args.takeFirst();
    if (mode == u"play")
        return playSchedule(app, args);
    if (mode == u"stall")
        return stall(app, args);
    usage();
}
