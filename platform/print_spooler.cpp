#include "platform/print_spooler.h"

#include <QFile>

#include <cups/cups.h>

namespace bq {
namespace {

std::unique_ptr<PrintSpooler> &installed()
{
    static std::unique_ptr<PrintSpooler> spooler;
    return spooler;
}

// Frees the destination libcups handed out, whichever way submit() leaves.
struct DestinationHandle {
    cups_dest_t *dest = nullptr;
    ~DestinationHandle()
    {
        if (dest)
            cupsFreeDests(1, dest);
    }
};

} // namespace

PrintSpooler &PrintSpooler::instance()
{
    if (!installed())
        installed() = std::make_unique<CupsSpooler>();
    return *installed();
}

void PrintSpooler::setInstance(std::unique_ptr<PrintSpooler> spooler)
{
    installed() = std::move(spooler);
}

SpoolResult CupsSpooler::submit(const QString &pdfFile, const QString &title)
{
    SpoolResult result;
    // The default destination, exactly: no guessing at "the first queue there is".
    DestinationHandle handle{cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)};
    if (!handle.dest) {
        result.outcome = SpoolResult::Outcome::NoDestination;
        result.message = QString::fromUtf8(cupsLastErrorString());
        return result;
    }
    result.destination = QString::fromUtf8(handle.dest->name);
    const QByteArray file = QFile::encodeName(pdfFile);
    const QByteArray jobTitle = title.toUtf8();
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, handle.dest->name, file.constData(),
                                   jobTitle.constData(), handle.dest->num_options, handle.dest->options);
    if (job == 0) {
        result.outcome = SpoolResult::Outcome::Failed;
        result.message = QString::fromUtf8(cupsLastErrorString());
        if (result.message.isEmpty())
            result.message = QStringLiteral("Unbekannter Fehler des Drucksystems");
        return result;
    }
    result.outcome = SpoolResult::Outcome::Spooled;
    result.jobId = job;
    return result;
}

} // namespace bq
