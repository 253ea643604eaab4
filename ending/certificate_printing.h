// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bq {

class Form;

// The title of the print job, and the name of the certificate when it is kept as a file.
QString certificateTitle();

// The name's x on the certificate: centred on 100 mm by an estimate of 5 mm per
// character, counting the characters of the name without the blanks around it.
float estimatedNameX(const QString &name);

// Draws the certificate as the screen shows it now on a worker thread, and gets the print
// system ready, so that printing it needs only hand it over. Once per screen.
void prepareCertificate(Form &screen);

// Prints the certificate of the congratulations screen, every text taken from its labels
// now (a certificate drawn ahead serves only while the screen still shows what it shows). Returns true when the certificate has left the screen: printed, or, with no
// default printer, saved as a PDF in the player's documents folder (and the player told
// where). Returns false when it could not be printed or saved; the player has been told why.
bool printCertificate(Form &screen);

} // namespace bq
