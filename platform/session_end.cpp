// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/session_end.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

// The leak check of a build with the address or leak sanitizer; no such function elsewhere.
extern "C" int __lsan_do_recoverable_leak_check() __attribute__((weak));

namespace bq {
namespace {

// The status the sanitizer itself ends a process with when it found leaks.
constexpr int kLeaksFound = 23;

int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    // Only what is safe in a signal handler: the signal's number into the pipe.
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

} // namespace

void endWithTheSession()
{
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        unsigned char number = 0;
        if (::read(signalPipe[0], &number, 1) == 1)
            QCoreApplication::exit(EXIT_SUCCESS);
    });
    // Once the event loop is left the program is shutting down: a later signal (the session's
    // SIGHUP after its SIGTERM, or one after "Ende") must not cut its waits short, such as the
    // one that lets the compositor finish with the windows before they are deleted.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, notifier,
                     [notifier] { notifier->setEnabled(false); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The first signal asks; the next one ends the program as if there were no handler.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

bool onWayland()
{
    // Qt's Wayland plugins are "wayland" and its variants ("wayland-egl", "wayland-brcm", …).
    return QGuiApplication::platformName().startsWith(u"wayland");
}

int endProcess(int status)
{
    if (!onWayland())
        return status;
    // A sanitizer build looks for leaks here, as it would at a normal end: the application and
    // its connection to the compositor still hold their memory, what the game let go is gone.
    if (__lsan_do_recoverable_leak_check && __lsan_do_recoverable_leak_check() != 0)
        status = kLeaksFound;
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace bq
