// SPDX-License-Identifier: GPL-3.0-or-later
#include "ending/about_screen.h"

#include "catalogue/pictures.h"
#include "platform/art.h"
#include "platform/faces.h"
#include "platform/readable_text.h"
#include "platform/twip_layout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace bq {

const QStringList AboutScreen::kThanks = {
    QStringLiteral("Oma Hilde (für den geheimen Rieslingvorrat)"),
    QStringLiteral("Kater Moritz (ist nur zweimal über die Tastatur gelaufen)"),
    QStringLiteral("Onkel Willi (kennt jedes Weinfest persönlich)"),
    QStringLiteral("Dackel Fritz (hat alle Fragen geprüft und nichts verraten)"),
};

AboutScreen::AboutScreen(const QString &name, const QString &caption, WindowKind kind) : Form(name, caption, kind)
{
    setWindowIcon(artIcon(QStringLiteral("app-icon")));
    setFixedSize(twips(8115), twips(6060));
    move(twips(2340), twips(1935));
    // The screen's boxes are measured for its small standard face.
    setFont(screenFont("MS Sans Serif", 8.25));

    const QFont standard = font();
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    placeLabels(
        *this,
        {
            {"lblTitle", "Brendelquiz", twipRect(3000, 480, 2325, 480),
             screenFont("MS Sans Serif", 13.5, FontStyle::Bold), left, "#0000FF"},
            {"lblVersion", "Version 1.0", twipRect(3000, 960, 1005, 225), standard, left},
            {"lblDescription", "Test für wahre Quellmärker oder die, die es gerne werden wollen!",
             twipRect(2880, 1800, 2925, 690), screenFont("MS Sans Serif", 9.75), left, "#000000"},
            {"lblwerbe", "Hier könnte ein Werbebanner sein, das mir schlappe 3 Millionen einbringt.",
             twipRect(6720, 1680, 1215, 1335), standard, centre},
            {"lbldiesesoftware", "Diese Software ist ", twipRect(360, 2400, 1095, 495), screenFont("Arial", 8.25),
             centre},
            {"lbl100", "100% ig", twipRect(480, 2880, 975, 255), standard, centre},
            {"lblbse", "BSE", twipRect(360, 3240, 1215, 255), screenFont("MS Sans Serif", 8.25, FontStyle::Bold),
             centre},
            {"lblfrei", "frei !", twipRect(360, 3600, 1215, 375), standard, centre},
            {"lbl_Dank_an", "Ein herzliches Dankeschön geht an:", twipRect(2400, 3000, 4335, 255), standard, centre},
            {"lblDisclaimer",
             "Alle Angaben ohne Gewähr. Weitergeben, Mitraten und lautes Lachen sind ausdrücklich erlaubt.",
             twipRect(1080, 4680, 3870, 1065), standard, left, "#000000"},
        });

    struct Picture {
        const char *name;
        const char *art;
        QRect rect;
        QSize size;
    };
    const Picture pictures[] = {
        {"Picture1", "about-picture1", twipRect(480, 840, 975, 1575), {61, 110}},
        {"Picture3", "about-picture3", twipRect(6840, 840, 855, 735), {55, 46}},
        {"Picture2", "about-banner", twipRect(1920, 3240, 5295, 615), {400, 40}},
        {"Image1", "about-icon", twipRect(480, 4920, 480, 480), {32, 32}},
    };
    for (const Picture &entry : pictures) {
        QLabel *picture = makeLabel(QString::fromLatin1(entry.name), {});
        picture->setGeometry(entry.rect);
        picture->setPixmap(artPixmap(QString::fromLatin1(entry.art), entry.size, devicePixelRatioF()));
        describePicture(picture, QString::fromLatin1(entry.art));
    }

    // The ring of four lies hidden behind the one box the player sees.
    const QRect thanksRects[] = {twipRect(2640, 3480, 1215, 375), twipRect(4200, 3480, 615, 315),
                                 twipRect(2640, 3480, 1335, 375), twipRect(4200, 3480, 1455, 375)};
    for (int i = 0; i < 4; ++i) {
        QLineEdit *entry = makeTextBox(QStringLiteral("txtDank%1").arg(i + 1), kThanks.at(i));
        entry->setGeometry(thanksRects[i]);
        entry->setVisible(false);
    }
    QLineEdit *ticker = makeTextBox(QStringLiteral("Text0"));
    ticker->setGeometry(twipRect(2280, 3480, 4815, 375));
    ticker->setAlignment(Qt::AlignCenter);
    // The ticker stays white inside its pale banner on any desktop, so its blue always reads.
    QPalette tickerColours = ticker->palette();
    tickerColours.setColor(QPalette::Base, Qt::white);
    tickerColours.setColor(QPalette::Text, QColor(0x00, 0x00, 0xFF));
    ticker->setPalette(tickerColours);
    // Called by the line above it, which says what the names it shows are.
    ticker->setAccessibleName(control<QLabel>(QStringLiteral("lbl_Dank_an"))->text());

    // An etched separator: a grey line with a white one under it. On a dark window the white
    // would glare; there the desktop's own shadow and light colours etch it.
    for (int index = 0; index < 2; ++index) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line1"));
        line->setProperty("index", index);
        line->setGeometry(twips(240), twips(4200) + (index == 0 ? 1 : 0), twips(8040 - 240), index == 0 ? 2 : 1);
        line->setAutoFillBackground(true);
        followPalette(line, [line, index] {
            const QPalette &window = line->parentWidget()->palette();
            const bool dark = window.color(QPalette::Window).lightnessF() < 0.5;
            const QColor colour = index == 0 ? (dark ? window.color(QPalette::Light) : QColor(Qt::white))
                                             : (dark ? window.color(QPalette::Shadow) : QColor(0x80, 0x80, 0x80));
            if (line->palette().color(QPalette::Window) != colour)
                setBackgroundColour(line, colour);
        });
    }

    auto *exit = makeButton(QStringLiteral("cmdExit"), QStringLiteral("Ende"));
    exit->setGeometry(twipRect(5760, 4920, 1335, 495));
    setInitialFocus(exit);
    // The names pass through the ticker one at a time: a screen reader hears them all once,
    // with the button that has the focus, rather than a new name every two seconds.
    exit->setAccessibleDescription(kThanks.join(QStringLiteral(", ")));

    makeTimer(QStringLiteral("Timer1"), 2000);
}

} // namespace bq
