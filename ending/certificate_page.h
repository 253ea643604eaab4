// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace bq {

class Form;
class Printer;

// What the certificate's page shows, read from the screen's controls on the user-interface
// thread: the text of every line in page order, and the seal.
struct CertificatePage {
    QStringList texts;
    qint64 sealKey = 0; // tells whether the screen shows another picture since
    QImage seal;

    bool showsTheSameAs(const CertificatePage &other) const { return texts == other.texts && sealKey == other.sealKey; }
};

// The texts and the seal's identity only: enough to tell whether a page drawn earlier is current.
CertificatePage readCertificateTexts(const Form &screen);
// The whole page, the seal's image included, ready to be drawn on any thread.
CertificatePage readCertificatePage(const Form &screen);

// Draws the page at its places in millimetres. Runs on a worker thread as well: it touches no
// control, only what was read from them.
void drawCertificatePage(Printer &printer, const CertificatePage &page);

} // namespace bq
