#pragma once

#include "platform/form.h"
#include "quiz/answer_matching.h"

namespace bq {

struct QuestionDef;
struct OutcomeDef;

// One question of the quiz, built from its entry in the question catalogue: the question,
// its options or answer box, and the give-up, OK and help buttons.
class QuestionScreen : public Form {
    Q_OBJECT
public:
    QuestionScreen(const QString &name, const QString &caption, int question);

private:
    void buildLayout();
    void giveUp();
    void judge();
    void showHelp();
    void carryOut(const OutcomeDef &outcome, const QString &sound, const AnswerMatch &match);

    const QuestionDef &m_def;
};

} // namespace bq
