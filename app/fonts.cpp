// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fonts.h"

#include "platform/form.h"
#include "platform/idle_work.h"

#include <QFont>
#include <QFontMetricsF>
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

void loadLaterFacesWhenIdle()
{
    // The faces of the question, certificate and about screens. A face missing here is only
    // loaded when its screen comes up, as any face would be.
    const QList<QFont> faces{
        screenFont("Arial", 12, FontStyle::Bold),
        screenFont("MS Sans Serif", 9.75, FontStyle::Bold),
        screenFont("Arial", 14.25, FontStyle::BoldItalic),
        screenFont("MS Sans Serif", 13.5, FontStyle::Bold),
        screenFont("Arial", 8.25, FontStyle::Bold),
        screenFont("Arial", 14.25),
        screenFont("MS Sans Serif", 8.25),
        screenFont("MS Sans Serif", 8.25, FontStyle::Bold),
        screenFont("Arial", 8.25),
    };
    std::vector<std::function<void()>> pieces;
    for (const QFont &face : faces) {
        // Measuring loads the face (and the faces Qt falls back on for it) into the font
        // cache of this thread, where the screens find it.
        pieces.push_back([face] { QFontMetricsF(face).horizontalAdvance(QStringLiteral("Quellmärker")); });
    }
    runPiecesWhenIdle(std::move(pieces));
}

} // namespace bq
