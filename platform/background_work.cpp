// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/background_work.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace bq {
namespace {

QThreadPool *worker = nullptr;

// The worker's stack: drawing the certificate's page into a PDF and opening the print
// system's library touch 52 KiB of it (measured on the resident pages of the thread's stack
// after each piece of work); a quarter of a mebibyte leaves room for fonts and print
// libraries other than ours, where the default would be the process's 8 MiB. Builds with
// AddressSanitizer have far larger stack frames.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint kWorkerStackBytes = 4 * 256 * 1024;
#else
constexpr uint kWorkerStackBytes = 256 * 1024;
#endif

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
        worker->setStackSize(kWorkerStackBytes);
        // The thread ends soon after its work, and its fonts and heap go with it.
        worker->setExpiryTimeout(50);
        // Called first thing when the application goes, before its fonts are cleaned up.
        qAddPostRoutine(finishBackgroundWork);
    }
    worker->start(std::move(work));
}

} // namespace bq
