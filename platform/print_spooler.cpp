#include "platform/print_spooler.h"

#include "platform/background_work.h"
#include "platform/on_demand_library.h"

#include <QFile>

#include <cups/cups.h>

namespace bq {
namespace {

// libcups, with the TLS, Kerberos and service-discovery libraries behind it, is loaded when
// the first certificate is printed.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsPrintFile2) printFile2 = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool loaded() const { return getNamedDest && freeDests && printFile2 && lastErrorString; }

    static const Cups &library()
    {
        static const Cups cups = [] {
            const OnDemandLibrary library("libcups.so.2");
            Cups functions;
            library.resolve(functions.getNamedDest, "cupsGetNamedDest");
            library.resolve(functions.freeDests, "cupsFreeDests");
            library.resolve(functions.printFile2, "cupsPrintFile2");
            library.resolve(functions.lastErrorString, "cupsLastErrorString");
            return functions;
        }();
        return cups;
    }
};

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
            Cups::library().freeDests(1, dest);
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

void CupsSpooler::prepare()
{
    // The library is opened once, by whichever thread asks first; submit() waits for it.
    runInBackground([] { Cups::library(); });
}

SpoolResult CupsSpooler::submit(const QString &pdfFile, const QString &title)
{
    SpoolResult result;
    const Cups &cups = Cups::library();
    if (!cups.loaded()) {
        result.outcome = SpoolResult::Outcome::NoDestination;
        result.problem = SpoolResult::Problem::NoPrintSystem;
        result.detail = QStringLiteral("libcups.so.2");
        return result;
    }
    // The default destination, exactly: no guessing at "the first queue there is".
    DestinationHandle handle{cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)};
    if (!handle.dest) {
        result.outcome = SpoolResult::Outcome::NoDestination;
        result.problem = SpoolResult::Problem::NoDefault;
        result.detail = QString::fromUtf8(cups.lastErrorString());
        return result;
    }
    result.destination = QString::fromUtf8(handle.dest->name);
    const QByteArray file = QFile::encodeName(pdfFile);
    const QByteArray jobTitle = title.toUtf8();
    const int job = cups.printFile2(CUPS_HTTP_DEFAULT, handle.dest->name, file.constData(),
                                   jobTitle.constData(), handle.dest->num_options, handle.dest->options);
    if (job == 0) {
        result.outcome = SpoolResult::Outcome::Failed;
        result.problem = SpoolResult::Problem::Refused;
        result.detail = QString::fromUtf8(cups.lastErrorString());
        return result;
    }
    result.outcome = SpoolResult::Outcome::Spooled;
    result.jobId = job;
    return result;
}

} // namespace bq
