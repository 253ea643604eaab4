// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/screen_catalogue.h"
#include "platform/form.h"

namespace bq {

// The player's name lives only here: in txt_Name of the name dialog, which stays loaded
// (hidden) once the name is confirmed. Reading it loads a fresh, empty dialog if needed.
QString playerName();
// Copies the player's name into a label of another screen, loading that screen.
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
