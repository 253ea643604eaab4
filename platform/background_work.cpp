// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/background_work.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace bq {
namespace {

QThreadPool *worker = nullptr;

void finishBackgroundWork()
{
    worker->waitForDone();
}

} // namespace

void runInBackground(std::function<void()> work)
{
    if (!worker) {
        worker = new QThreadPool;
        worker->setMaxThreadCount(1);
        // The thread ends soon after its work, and its fonts and heap go with it.
        worker->setExpiryTimeout(50);
        // Called first thing when the application goes, before its fonts are cleaned up.
        qAddPostRoutine(finishBackgroundWork);
    }
    worker->start(std::move(work));
}

} // namespace bq
