// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace bq {

// The program's pictures are SVG files, each named <artName>.svg, in one folder of the
// program's resources. Beside each SVG may lie bitmaps rendered from it for the sizes
// its screens show (<artName>-<width>x<height>.argb); any other size is drawn from the SVG,
// sharp at any display scale.
// Where the pictures are; set once at start-up, before the first picture is asked for.
void setArtFolder(const QString &folder);
QIcon artIcon(const QString &artName);
// One icon per picture file for the whole program: the file is read once, and each size
// drawn once, however many screens show it.
QIcon sharedIcon(const QString &path);
QPixmap artPixmap(const QString &artName, QSize size, qreal devicePixelRatio = 1.0);
QString artPath(const QString &artName);
// Shows a picture in a label at its natural size.
void showArt(QLabel *label, const QString &artName, QSize size);

} // namespace bq
