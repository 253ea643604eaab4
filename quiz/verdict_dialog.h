// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

namespace bq {

struct VerdictDef;

// A praise or scolding dialog: its message and an OK button that leads on.
class VerdictDialog : public Form {
    Q_OBJECT
public:
    VerdictDialog(const QString &name, const QString &caption, const VerdictDef &def);
};

} // namespace bq
