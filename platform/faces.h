// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QString>

namespace bq {

enum class FontStyle { Regular, Bold, BoldItalic };
// A font of the face the screens name, made with the installed family that stands for it.
QFont screenFont(const char *family, qreal pointSize, FontStyle style = FontStyle::Regular);

// Which installed family stands for each face the screens and printed pages name, set
// once at start-up before any font is made: asking Qt for a family this desktop lacks
// costs a search through every installed font each time.
void setInstalledFaces(QHash<QString, QString> faces);
// The installed family for a named face, or the name itself where none was found.
QString installedFace(const QString &name);

} // namespace bq
