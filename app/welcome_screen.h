// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

namespace bq {

// The start-up screen: greets the player and offers the game, the quit and the info page.
class WelcomeScreen : public Form {
    Q_OBJECT
public:
    WelcomeScreen(const QString &name, const QString &caption, WindowKind kind);

    // The texts of the screen's definition.
    static const QString kWelcomeText;
    static const QString kAuthorCredit;
    static const QString kContact;
};

} // namespace bq
