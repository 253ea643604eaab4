// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

namespace bq {

// "Beenden?": asked once more after "Besser nicht".
class QuitDialog : public Form {
    Q_OBJECT
public:
    QuitDialog(const QString &name, const QString &caption, WindowKind kind);
};

// The mocking farewell on the way to the about screen.
class CowardDialog : public Form {
    Q_OBJECT
public:
    CowardDialog(const QString &name, const QString &caption, WindowKind kind);
};

} // namespace bq
