// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/screen_catalogue.h"
#include "platform/form.h"

namespace bq {

// Copies the player's name into a label of another screen, loading that screen. The name
// lives only in the name dialog's box, which stays loaded (hidden) once the name is confirmed.
void copyPlayerName(Screen screen, const QString &label);

// "Name?": asks for the player's first and last name.
class NameEntryDialog : public Form {
    Q_OBJECT
public:
    NameEntryDialog(const QString &name, const QString &caption, WindowKind kind);
};

// "Hallo": greets the player by the name just typed.
class NameGreetingDialog : public Form {
    Q_OBJECT
public:
    NameGreetingDialog(const QString &name, const QString &caption, WindowKind kind);
};

} // namespace bq
