// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bq {

// The game's message boxes: modal, one OK button, plain text.
enum class BoxStyle {
    Plain = 0,       // no icon
    Exclamation = 48 // exclamation icon
};

// Shows the box and returns when the player has closed it. A missing title shows the
// application title.
void messageBox(const QString &prompt, BoxStyle style = BoxStyle::Plain, const QString &title = {});

} // namespace bq
