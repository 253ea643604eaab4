// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace bq {

// The title of the print job, and the name of the certificate when it is kept as a file.
QString certificateTitle();

// Where a certificate is kept when it cannot be printed: the player's documents folder, or
// the home folder where there is none.
QString documentsFolder();

// Writes the PDF under the certificate's name, or "… (2).pdf" and so on when that exists:
// an existing file is never touched. The PDF is written whole to a hidden file of its own
// and is on the disk before it gets the certificate's name, so that a full disk, a
// read-only folder or the end of the session never leave half a certificate under that name.
// On failure, `error` says why in the player's words.
bool saveCertificate(const QByteArray &pdf, const QString &folderPath, QString *path, QString *error);

} // namespace bq
