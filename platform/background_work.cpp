// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/background_work.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <cstdlib>
#include <deque>
#include <mutex>

namespace bq {
namespace {

// The work waits here, handed over under a lock of our own: the worker sees everything the
// user-interface thread wrote before it handed the work over, and says so to tools that
// check threads, which cannot see into the pool's own locks. Like the pool, never destroyed:
// the thread may still be on its way out when the program's statics go.
struct Handover {
    std::mutex mutex;
    std::deque<std::function<void()>> pieces;
};
QThreadPool *worker = nullptr;
Handover *handover = nullptr;

// The worker's stack: drawing a page into a PDF and opening the print
// system's library touch 52 KiB of it (measured on the resident pages of the thread's stack
// after each piece of work); a quarter of a mebibyte leaves room for fonts and print
// libraries other than ours, where the default would be the process's 8 MiB. Builds with
// a sanitizer have far larger stack frames.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr uint kWorkerStackBytes = 4 * 256 * 1024;
#else
constexpr uint kWorkerStackBytes = 256 * 1024;
#endif

void runNextPiece()
{
    std::function<void()> piece;
    {
        std::lock_guard lock(handover->mutex);
        piece = std::move(handover->pieces.front());
        handover->pieces.pop_front();
    }
    piece();
}

void finishAtExit()
{
    finishBackgroundWork();
}

} // namespace

void runInBackground(std::function<void()> work)
{
    if (!worker) {
        worker = new QThreadPool;
        handover = new Handover;
        worker->setMaxThreadCount(1);
        worker->setStackSize(kWorkerStackBytes);
        // The thread ends soon after its work, and its fonts and heap go with it.
        worker->setExpiryTimeout(50);
        // Called first thing when the application goes, before its fonts are cleaned up; and
        // when the program is ended by exit() (Qt does so when the X server goes away), before
        // the libraries' own objects are destroyed under the work's feet.
        qAddPostRoutine(finishAtExit);
        std::atexit(finishAtExit);
    }
    {
        std::lock_guard lock(handover->mutex);
        handover->pieces.push_back(std::move(work));
    }
    // One piece per start, on the pool's one thread: the pieces run in the order given.
    worker->start(runNextPiece);
}

void finishBackgroundWork()
{
    // Waits for the work in hand, and for the thread itself to end.
    if (worker)
        worker->waitForDone();
}

} // namespace bq
