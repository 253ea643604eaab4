// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bq {

class Form;

// Builds a fresh screen from its definition; the forms runtime calls it on first reference,
// with the screen's enumerator as its id. nullptr for an id that is no screen of the game.
Form *createScreen(int id);

} // namespace bq
