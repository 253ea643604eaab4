#include "quiz/question_screen.h"

namespace bq {

QuestionScreen::QuestionScreen(const QString &name, const QString &caption, int)
    : Form(name, caption, WindowKind::Normal)
{
}

} // namespace bq
