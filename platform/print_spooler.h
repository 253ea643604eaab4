// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace bq {

// What became of a finished document.
struct SpoolResult {
    enum class Outcome {
        Spooled,       // the default destination took the job
        NoDestination, // there is no default destination to print to
        Failed,        // the document could not be made, or the print system refused it
    };
    // Why it did not print; the program words it for its players.
    enum class Problem {
        None,
        NoPrintSystem,  // the print system's library is not installed
        Unreachable,    // the print system does not answer, or went away while taking the job
        NoDefault,      // the print system answers but names no default destination
        NothingPrinted, // the document has no output
        PageNotMade,    // the page could not be drawn on
        FileNotWritten, // the document could not be handed over as a file
        Refused,        // the print system did not take the job
    };
    Outcome outcome = Outcome::Failed;
    Problem problem = Problem::None;
    QString destination; // the queue that took or refused the job
    QString detail;      // the print system's or the file system's own words, if any
};

// Hands finished documents to the desktop's print system.
class PrintSpooler {
public:
    virtual ~PrintSpooler() = default;
    // Sends the PDF file to the default destination as one job with this title.
    virtual SpoolResult submit(const QString &pdfFile, const QString &title) = 0;
    // A job is likely to come soon: whatever submit() would first have to load may be
    // loaded now, on a worker thread.
    virtual void prepare() {}

    // The spooler that printing uses: the desktop's print system, unless a test put
    // another in its place. Passing nullptr goes back to the desktop's.
    static PrintSpooler &instance();
    static void setInstance(std::unique_ptr<PrintSpooler> spooler);
};

// The desktop's print system through libcups. Only its own answer counts: the default
// destination is asked for by name, and a job it refuses is reported as refused.
class CupsSpooler : public PrintSpooler {
public:
    SpoolResult submit(const QString &pdfFile, const QString &title) override;
    // Opens the print system's library on a worker thread.
    void prepare() override;
};

} // namespace bq
