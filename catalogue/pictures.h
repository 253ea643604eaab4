// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace bq {

// Gives a picture of the game the words a screen reader says for it: a short name of what it
// shows and, for a picture that only decorates its screen, a description saying so, so that a
// player who cannot see it knows there is nothing more to it. The words belong to the art's
// file name (resources/art/<artName>.svg).
void describePicture(QWidget *picture, const QString &artName);

} // namespace bq
