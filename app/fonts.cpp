#include "app/fonts.h"

#include <QFont>
#include <QStringList>

namespace bq {

void installFontSubstitutions()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList script{QStringLiteral("Dancing Script"), QStringLiteral("Comic Neue"),
                             QStringLiteral("DejaVu Serif")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Lucida Handwriting"), script);
    QFont::insertSubstitutions(QStringLiteral("CommercialScript BT"), script);
}

} // namespace bq
