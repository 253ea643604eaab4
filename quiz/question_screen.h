// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

namespace bq {

struct QuestionDef;

// One question of the quiz, built from its entry in the question catalogue: the question,
// its options or answer box, and the give-up, OK and help buttons.
class QuestionScreen : public Form {
    Q_OBJECT
public:
    QuestionScreen(const QString &name, const QString &caption, const QuestionDef &def);

    // What the screen shows and which answer it takes.
    const QuestionDef &definition() const { return m_def; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();

    const QuestionDef &m_def;
};

} // namespace bq
