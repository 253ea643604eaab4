// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/pictures.h"

#include <QWidget>

namespace bq {
namespace {

struct PictureWords {
    const char *art;
    const char *name;
    const char *description;
};

const char *const kDecoration = "Schmuckbild";

// What each picture shows, as it is drawn.
constexpr PictureWords kPictures[] = {
    {"welcome-photo", "Burg über Weinbergen am Fluss", "Foto aus der Quellmark"},
    {"certificate", "Siegel der Urkunde", "Wappen mit Weinblatt und Trauben unter einer Krone, im Lorbeerkranz"},
    {"banner-football", "Fußballfeld mit elf Bällen und zwei Spielern", kDecoration},
    {"banner-q11", "Zwei glotzende Gesichter an einem schwarzen Band", kDecoration},
    {"banner-q12", "Masken für Tragödie und Komödie", kDecoration},
    {"banner-q13", "Grüne Zweige an beiden Enden", kDecoration},
    {"banner-q14", "Gelber Bus mit Abgaswolken", kDecoration},
    {"banner-q15", "Graues Schild mit umgebogener Ecke", kDecoration},
    {"banner-q16", "Lachendes Gesicht an einem gelben Band", kDecoration},
    {"about-picture1", "Weinflasche mit Traubenetikett", kDecoration},
    {"about-picture3", "Weintrauben", kDecoration},
    {"about-banner", "Herzen und Weintrauben", kDecoration},
    {"about-icon", "Lachende Sonne", kDecoration},
};

} // namespace

void describePicture(QWidget *picture, const QString &artName)
{
    for (const PictureWords &words : kPictures) {
        if (artName == QLatin1String(words.art)) {
            picture->setAccessibleName(QString::fromUtf8(words.name));
            picture->setAccessibleDescription(QString::fromUtf8(words.description));
            return;
        }
    }
    // A picture missing from the table stays without words; the accessibility test names it.
}

} // namespace bq
