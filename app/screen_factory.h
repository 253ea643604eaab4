// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bq {

class Form;

// Builds a fresh screen from its definition; the forms runtime calls it on first reference.
// The screen carries its place in the screen catalogue as its id.
Form *createScreen(const QString &name);

} // namespace bq
