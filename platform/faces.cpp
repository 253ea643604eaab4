// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/faces.h"

#include <QHash>

namespace bq {

namespace {
QHash<QString, QString> &installedFaces()
{
    static QHash<QString, QString> faces;
    return faces;
}
} // namespace

void setInstalledFaces(QHash<QString, QString> faces)
{
    installedFaces() = std::move(faces);
}

QString installedFace(const QString &name)
{
    return installedFaces().value(name, name);
}

QFont screenFont(const char *family, qreal pointSize, FontStyle style)
{
    QFont font(installedFace(QString::fromLatin1(family)));
    font.setPointSizeF(pointSize);
    font.setBold(style != FontStyle::Regular);
    font.setItalic(style == FontStyle::BoldItalic);
    return font;
}

} // namespace bq
