// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fonts.h"

#include "platform/faces.h"
#include "platform/form.h"
#include "platform/idle_work.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <initializer_list>

namespace bq {

void resolveInstalledFaces()
{
    // Each face the screens and the certificate name, and the Debian families that stand
    // for it, the best first.
    struct Face {
        const char *name;
        std::initializer_list<const char *> families;
    };
    static const Face table[] = {
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
        {"Comic Sans MS", {"Comic Neue", "DejaVu Sans"}},
        {"Lucida Handwriting", {"Dancing Script", "Comic Neue", "DejaVu Serif"}},
        {"CommercialScript BT", {"Dancing Script", "Comic Neue", "DejaVu Serif"}},
    };
    // One look at the font list: asking for each family by name would make fontconfig
    // resolve every name again.
    const QStringList installed = QFontDatabase::families();
    QHash<QString, QString> faces;
    for (const Face &face : table) {
        for (const char *family : face.families) {
            const QString name = QString::fromLatin1(family);
            if (installed.contains(name, Qt::CaseInsensitive)) {
                faces.insert(QString::fromLatin1(face.name), name);
                break;
            }
        }
    }
    setInstalledFaces(std::move(faces));
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
