#include "ending/congratulations_screen.h"

#include <QLabel>

namespace bq {

CongratulationsScreen::CongratulationsScreen(const QString &name, const QString &caption, WindowKind kind)
    : Form(name, caption, kind)
{
    makeLabel(QStringLiteral("lblName"), {});
}

} // namespace bq
