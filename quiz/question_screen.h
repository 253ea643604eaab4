#pragma once

#include "platform/form.h"

namespace bq {

class QuestionScreen : public Form {
    Q_OBJECT
public:
    QuestionScreen(const QString &name, const QString &caption, int question);
};

} // namespace bq
