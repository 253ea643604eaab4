#pragma once

#include "platform/form.h"

namespace bq {

class CongratulationsScreen : public Form {
    Q_OBJECT
public:
    CongratulationsScreen(const QString &name, const QString &caption, WindowKind kind);
};

} // namespace bq
