#include "quiz/verdict_dialog.h"

namespace bq {

VerdictDialog::VerdictDialog(const QString &name, const QString &caption)
    : Form(name, caption, WindowKind::Dialog)
{
}

} // namespace bq
