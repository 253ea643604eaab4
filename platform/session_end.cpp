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

namespace bq {
namespace {

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
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The first signal asks; the next one ends the program as if there were no handler.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

int endProcess(int status)
{
    if (QGuiApplication::platformName() != u"wayland")
        return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace bq
