// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

namespace bq {

// "Info Brendelquiz": where every game ends and the only way to end the program.
class AboutScreen : public Form {
    Q_OBJECT
public:
    AboutScreen(const QString &name, const QString &caption, WindowKind kind);

    // The ring of thanks that the ticker shows, one entry every two seconds.
    static const QStringList kThanks;
};

} // namespace bq
