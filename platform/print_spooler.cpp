// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print_spooler.h"

#include "platform/background_work.h"
#include "platform/on_demand_library.h"

#include <QFile>

#include <cups/cups.h>

namespace bq {
namespace {

// libcups, with the TLS, Kerberos and service-discovery libraries behind it, is loaded when
// the first document is printed.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsPrintFile2) printFile2 = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpClose) close = nullptr;

    bool loaded() const
    {
        return getNamedDest && freeDests && printFile2 && lastErrorString && server && port && encryption && connect
            && close;
    }

    // Whether the print server answers at all. Without a default destination libcups says
    // only that there is none, whether or not a server is there to have one.
    bool serverAnswers() const
    {
        constexpr int kWaitMs = 1000;
        http_t *http = connect(server(), port(), nullptr, AF_UNSPEC, encryption(), 1, kWaitMs, nullptr);
        if (!http)
            return false;
        close(http);
        return true;
    }

    static const Cups &library()
    {
        static const Cups cups = [] {
            const OnDemandLibrary library("libcups.so.2");
            Cups functions;
            library.resolve(functions.getNamedDest, "cupsGetNamedDest");
            library.resolve(functions.freeDests, "cupsFreeDests");
            library.resolve(functions.printFile2, "cupsPrintFile2");
            library.resolve(functions.lastErrorString, "cupsLastErrorString");
            library.resolve(functions.server, "cupsServer");
            library.resolve(functions.port, "ippPort");
            library.resolve(functions.encryption, "cupsEncryption");
            library.resolve(functions.connect, "httpConnect2");
            library.resolve(functions.close, "httpClose");
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
        result.detail = QString::fromUtf8(cups.lastErrorString());
        result.problem = cups.serverAnswers() ? SpoolResult::Problem::NoDefault : SpoolResult::Problem::Unreachable;
        return result;
    }
    result.destination = QString::fromUtf8(handle.dest->name);
    const QByteArray file = QFile::encodeName(pdfFile);
    const QByteArray jobTitle = title.toUtf8();
    const int job = cups.printFile2(CUPS_HTTP_DEFAULT, handle.dest->name, file.constData(), jobTitle.constData(),
                                    handle.dest->num_options, handle.dest->options);
    if (job == 0) {
        result.outcome = SpoolResult::Outcome::Failed;
        result.detail = QString::fromUtf8(cups.lastErrorString());
        // A print system that went away while it took the job did not refuse it.
        result.problem = cups.serverAnswers() ? SpoolResult::Problem::Refused : SpoolResult::Problem::Unreachable;
        return result;
    }
    result.outcome = SpoolResult::Outcome::Spooled;
    return result;
}

} // namespace bq
