// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/background_work.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <cstdlib>

namespace bq {
namespace {

QThreadPool *worker = nullptr;

void finishAtExit()
{
    finishBackgroundWork();
}

} // namespace

void runInBackground(std::function<void()> work)
{
    if (!worker) {
        worker = new QThreadPool;
        worker->setMaxThreadCount(1);
        // The thread ends soon after its work, and its fonts and heap go with it.
        worker->setExpiryTimeout(50);
        // Called first thing when the application goes, before its fonts are cleaned up; and
        // when the program is ended by exit() (Qt does so when the X server goes away), before
        // the libraries' own objects are destroyed under the work's feet.
        qAddPostRoutine(finishAtExit);
        std::atexit(finishAtExit);
    }
    worker->start(std::move(work));
}

void finishBackgroundWork()
{
    // Waits for the work in hand, and for the thread itself to end.
    if (worker)
        worker->waitForDone();
}

} // namespace bq
