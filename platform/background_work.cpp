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
        // Called first thing when the application goes, before its fonts are cleaned up.
        qAddPostRoutine(finishBackgroundWork);
    }
    worker->start(std::move(work));
}

} // namespace bq
