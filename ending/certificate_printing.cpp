// SPDX-License-Identifier: GPL-3.0-or-later
#include "ending/certificate_printing.h"

#include "ending/certificate_file.h"
#include "ending/congratulations_screen.h"
#include "platform/messagebox.h"
#include "platform/printer.h"

#include <cstdio>

namespace bq {
namespace {

// The finished certificate: the one drawn ahead when the screen still shows what it was drawn
// from, else drawn now from what the screen shows.
Printer::Finished finishedCertificate(const CongratulationsScreen &screen)
{
    if (const PreparedCertificate *prepared = screen.preparedCertificate().get();
        prepared && prepared->page().showsTheSameAs(readCertificateTexts(screen)))
        return prepared->take();
    Printer printer;
    printer.setDocumentName(certificateTitle());
    drawCertificatePage(printer, readCertificatePage(screen));
    return printer.finish();
}

// Why the certificate could not be printed, in the player's words.
QString reason(const SpoolResult &result)
{
    using Problem = SpoolResult::Problem;
    switch (result.problem) {
    case Problem::NothingPrinted:
        return QStringLiteral("Es gab nichts zu drucken.");
    case Problem::PageNotMade:
        return QStringLiteral("Die Druckseite konnte nicht angelegt werden.");
    case Problem::FileNotWritten:
        return QStringLiteral("Die Druckdatei konnte nicht geschrieben werden: %1").arg(result.detail);
    case Problem::NoPrintSystem:
        return QStringLiteral("Das Drucksystem (%1) ist nicht installiert.").arg(result.detail);
    case Problem::None:
    case Problem::Unreachable:
    case Problem::NoDefault:
    case Problem::Refused:
        break;
    }
    return result.detail.isEmpty() ? QStringLiteral("Unbekannter Fehler des Drucksystems") : result.detail;
}

// Why there is nowhere to print to, said so that the player looks in the right place.
QString whyNoPrinter(SpoolResult::Problem problem)
{
    switch (problem) {
    case SpoolResult::Problem::NoPrintSystem:
        return QStringLiteral("Auf diesem Rechner ist kein Drucksystem installiert");
    case SpoolResult::Problem::Unreachable:
        return QStringLiteral("Das Drucksystem dieses Rechners ist nicht erreichbar");
    default:
        return QStringLiteral("Es ist kein Standarddrucker eingerichtet");
    }
}

} // namespace

PreparedCertificate::PreparedCertificate(const CertificatePage &page)
    : m_page{page.texts, page.sealKey, QImage()},
      m_document(certificateTitle(), [page](Printer &printer) { drawCertificatePage(printer, page); })
{}

void prepareCertificate(CongratulationsScreen &screen)
{
    if (screen.preparedCertificate())
        return;
    screen.preparedCertificate() = std::make_unique<PreparedCertificate>(readCertificatePage(screen));
    PrintSpooler::instance().prepare();
}

bool printCertificate(CongratulationsScreen &screen)
{
    Printer::Finished certificate = finishedCertificate(screen);
    const SpoolResult result = spoolDocument(certificate, certificateTitle());
    // Once the print system or the documents folder has the PDF, no copy of it is kept: not
    // the one drawn ahead, nor this one while a message box is up. A certificate that could
    // not be handed over stays ready for the next try.
    const auto forget = [&screen, &certificate] {
        certificate = {};
        screen.preparedCertificate().reset();
    };

    switch (result.outcome) {
    case SpoolResult::Outcome::Spooled:
        forget();
        return true;
    case SpoolResult::Outcome::NoDestination: {
        const QString folder = documentsFolder();
        QString path;
        QString error;
        const QString why = whyNoPrinter(result.problem);
        if (saveCertificate(certificate.pdf, folder, &path, &error)) {
            forget();
            messageBox(QStringLiteral("%1. Deine Urkunde wurde deshalb als PDF-Datei gespeichert:\n\n%2")
                           .arg(why, QDir::toNativeSeparators(path)));
            return true;
        }
        messageBox(QStringLiteral("%1, und Deine Urkunde konnte auch nicht als PDF-Datei gespeichert werden."
                                  "\n\nDatei: %2\nGrund: %3\n\nDie Urkunde bleibt auf dem Bildschirm.")
                       .arg(why, QDir::toNativeSeparators(path), error),
                   BoxStyle::Exclamation);
        return false;
    }
    case SpoolResult::Outcome::Failed:
        break;
    }
    const QString where =
        result.destination.isEmpty() ? QString() : QStringLiteral(" auf dem Drucker \"%1\"").arg(result.destination);
    // The print system went away with the job: whether it printed is unknown, so the player
    // gets the certificate as a file as well.
    QString kept;
    if (result.problem == SpoolResult::Problem::Unreachable && !certificate.pdf.isEmpty()) {
        QString path;
        QString error;
        kept = saveCertificate(certificate.pdf, documentsFolder(), &path, &error)
            ? QStringLiteral("Sie wurde als PDF-Datei gespeichert:\n%1\n\n").arg(QDir::toNativeSeparators(path))
            : QStringLiteral("Sie konnte auch nicht als PDF-Datei gespeichert werden (%1).\n\n").arg(error);
    }
    messageBox(QStringLiteral("Deine Urkunde konnte%1 nicht gedruckt werden.\n\nGrund: %2\n\n%3"
                              "Die Urkunde bleibt auf dem Bildschirm: Du kannst es noch einmal versuchen "
                              "oder mit \"Programm beenden\" weitergehen.")
                   .arg(where, reason(result), kept),
               BoxStyle::Exclamation);
    return false;
}

} // namespace bq
