#pragma once

#include "platform/form.h"

namespace bq {

// "Beenden?": asked once more after "Besser nicht".
class QuitDialog : public Form {
    Q_OBJECT
public:
    QuitDialog(const QString &name, const QString &caption, WindowKind kind);

private:
    void OKButton_Click();
    void CancelButton_Click();
};

// The mocking farewell on the way to the about screen.
class CowardDialog : public Form {
    Q_OBJECT
public:
    CowardDialog(const QString &name, const QString &caption, WindowKind kind);

private:
    void OKButton_Click();
};

} // namespace bq
