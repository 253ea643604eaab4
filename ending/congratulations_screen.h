#pragma once

#include "platform/form.h"

namespace bq {

// "Herzlichen Glückwunsch": the certificate of a player who answered all sixteen questions.
class CongratulationsScreen : public Form {
    Q_OBJECT
public:
    CongratulationsScreen(const QString &name, const QString &caption, WindowKind kind);

    // Form_Load: today's date goes onto the certificate, once per load.
    void formLoad() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Druck_Click();
    void cmdende_Click();
};

} // namespace bq
