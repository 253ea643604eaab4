// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

#include <memory>

namespace bq {

class PreparedCertificate;

// "Herzlichen Glückwunsch": the certificate of a player who answered all sixteen questions.
class CongratulationsScreen : public Form {
    Q_OBJECT
public:
    CongratulationsScreen(const QString &name, const QString &caption, WindowKind kind);
    ~CongratulationsScreen() override;

    // The certificate drawn ahead for printing, once the screen has been painted.
    std::unique_ptr<PreparedCertificate> &preparedCertificate() { return m_prepared; }
    const std::unique_ptr<PreparedCertificate> &preparedCertificate() const { return m_prepared; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<PreparedCertificate> m_prepared;
};

// Puts today's date on the certificate; the screen does it once, when it is loaded.
void writeTodaysDate(Form &certificate);

} // namespace bq
