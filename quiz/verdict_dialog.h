#pragma once

#include "platform/form.h"

namespace bq {

class VerdictDialog : public Form {
    Q_OBJECT
public:
    VerdictDialog(const QString &name, const QString &caption);
};

} // namespace bq
