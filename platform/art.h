// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace bq {

// The game's pictures are drawn as vectors and rendered at the size a screen asks for,
// sharp at any display scale.
// Makes the pictures available; called once at start-up.
void loadArt();
QIcon artIcon(const QString &artName);
// One icon per picture file for the whole program: the file is read once, and each size
// drawn once, however many screens show it.
QIcon sharedIcon(const QString &path);
QPixmap artPixmap(const QString &artName, QSize size, qreal devicePixelRatio = 1.0);
QString artPath(const QString &artName);
// Shows a picture in a label at its natural size.
void showArt(QLabel *label, const QString &artName, QSize size);

} // namespace bq
