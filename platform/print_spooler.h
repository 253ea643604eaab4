#pragma once

#include <QString>

#include <memory>

namespace bq {

// What the print system made of a finished document.
struct SpoolResult {
    enum class Outcome {
        Spooled,       // the default destination took the job
        NoDestination, // there is no default destination to print to
        Failed,        // the print system refused or could not be asked
    };
    Outcome outcome = Outcome::Failed;
    QString destination; // the queue that took or refused the job
    int jobId = 0;
    QString message;     // why it failed, in the print system's own words
};

// Hands finished documents to the desktop's print system.
class PrintSpooler {
public:
    virtual ~PrintSpooler() = default;
    // Sends the PDF file to the default destination as one job with this title.
    virtual SpoolResult submit(const QString &pdfFile, const QString &title) = 0;

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
};

} // namespace bq
