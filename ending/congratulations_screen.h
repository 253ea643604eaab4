// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

namespace bq {

// "Herzlichen Glückwunsch": the certificate of a player who answered all sixteen questions.
class CongratulationsScreen : public Form {
    Q_OBJECT
public:
    CongratulationsScreen(const QString &name, const QString &caption, WindowKind kind);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Puts today's date on the certificate; the screen does it once, when it is loaded.
void writeTodaysDate(Form &certificate);

} // namespace bq
