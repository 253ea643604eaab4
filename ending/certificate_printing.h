// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ending/certificate_page.h"
#include "platform/printer.h"

#include <QString>

namespace bq {

class CongratulationsScreen;

// A certificate drawn on a worker thread while the player looks at the screen, with the texts
// it was drawn from; the screen holds it.
class PreparedCertificate {
public:
    explicit PreparedCertificate(const CertificatePage &page);

    // The texts and the seal's identity it was drawn from; the worker keeps the seal's image
    // until it has drawn it.
    const CertificatePage &page() const { return m_page; }
    // The finished document; waits for the worker while it is still drawing.
    Printer::Finished take() const { return m_document.take(); }

private:
    CertificatePage m_page;
    PreparedDocument m_document;
};

// Draws the certificate as the screen shows it now on a worker thread, and gets the print
// system ready, so that printing it needs only hand it over. Once per screen.
void prepareCertificate(CongratulationsScreen &screen);

// Prints the certificate of the congratulations screen, every text taken from its labels
// now (a certificate drawn ahead serves only while the screen still shows what it shows).
// Returns true when the certificate has left the screen: printed, or, with no default
// printer, saved as a PDF in the player's documents folder (and the player told where).
// Returns false when it could not be printed or saved; the player has been told why.
bool printCertificate(CongratulationsScreen &screen);

} // namespace bq
