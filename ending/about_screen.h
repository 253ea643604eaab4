#pragma once

#include "platform/form.h"

namespace bq {

// "Info Brendelquiz": where every game ends and the only way to end the program.
class AboutScreen : public Form {
    Q_OBJECT
public:
    AboutScreen(const QString &name, const QString &caption, WindowKind kind);

    void formLoad() override;

    // The ring of thanks that the ticker shows, one entry every two seconds.
    static const QStringList kThanks;

private:
    void SchliessenSperren(Form &form);
    void Timer1_Timer();
    void cmdExit_Click();
};

} // namespace bq
