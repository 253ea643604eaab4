// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

namespace bq {

// "wieso eigentlich?": a static page on what the quiz is for.
class WhyScreen : public Form {
    Q_OBJECT
public:
    WhyScreen(const QString &name, const QString &caption, WindowKind kind);
};

} // namespace bq
