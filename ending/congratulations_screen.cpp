// SPDX-License-Identifier: GPL-3.0-or-later
#include "ending/congratulations_screen.h"

#include "catalogue/pictures.h"
#include "ending/certificate_printing.h"
#include "platform/art.h"
#include "platform/clock.h"
#include "platform/faces.h"
#include "platform/graphical_button.h"
#include "platform/idle_work.h"
#include "platform/readable_text.h"
#include "platform/twip_layout.h"
#include "platform/wrapping_button.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

namespace bq {
CongratulationsScreen::CongratulationsScreen(const QString &name, const QString &caption, WindowKind kind)
    : Form(name, caption, kind)
{
    setWindowIcon(artIcon(QStringLiteral("app-icon")));
    resize(twips(8550), twips(8550));
    move(twips(60), twips(345));

    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const QFont plain = screenFont("MS Sans Serif", 9.75, FontStyle::Bold);
    placeLabels(
        *this,
        {
            {"lblverleihenwir", "Hiermit verleihen wir", twipRect(480, 120, 7575, 375), plain, centre, "#000000"},
            {"lblName", "", twipRect(1800, 720, 5055, 375), screenFont("Arial", 14.25, FontStyle::BoldItalic), centre,
             "#0000FF"},
            {"lblTitel", "den Titel", twipRect(2880, 1320, 2895, 255), plain, centre, "#000000"},
            {"lblwahrerQuellmärker", "\"Wahre/r Quellmärker-Bürger/in\"", twipRect(1320, 1680, 6135, 375),
             screenFont("MS Sans Serif", 13.5, FontStyle::Bold), centre, "#000000"},
            {"lblText1", "Er/Sie darf sich von nun an \"Echter Quellmärker\" nennen.", twipRect(360, 5400, 7935, 255),
             plain, centre, "#000000"},
            {"LblText1_2", "Mit diesem Titel gehen folgende Privilegien auf den Träger über:",
             twipRect(360, 5760, 7935, 255), plain, centre, "#000000"},
            {"lblText2", "1. Alle Hessen, Schwaben, Badner und Elsässer müssen Ihn zuerst grüßen.",
             twipRect(360, 6120, 8055, 375), plain, left, "#000000"},
            {"lblText3", "2. Er hat das Recht jedes Quellmärker Weinfest mit einem Schwips zu verlassen.",
             twipRect(360, 6480, 8055, 375), plain, left, "#000000"},
            {"lblText4", "3. Er darf sich im Quellmärker Wald frei und ohne Aufsicht bewegen.",
             twipRect(360, 6840, 8055, 375), plain, left, "#000000"},
            {"lblMainz", "Mainz, den", twipRect(360, 7920, 1215, 255), plain, left, "#000000"},
            {"lblDatum", "", twipRect(1680, 7920, 2535, 255), screenFont("Arial", 8.25, FontStyle::Bold), left,
             "#000000"},
            {"lblUnterschrift", "Knörz vun de Quellmork", twipRect(5040, 7920, 3015, 375), screenFont("Arial", 14.25),
             centre, "#000000"},
        });

    // Every label of the certificate is white, as the paper it stands for.
    for (QLabel *label : findChildren<QLabel *>())
        setBackgroundColour(label, Qt::white);

    auto *image = makeLabel(QStringLiteral("Image1"), {});
    image->move(twips(3240), twips(2400));
    showArt(image, QStringLiteral("certificate"), QSize(150, 187));
    describePicture(image, QStringLiteral("certificate"));
    setBackgroundColour(image, Qt::white);

    // Created first so that it comes first in the tab order and has the focus at the start.
    auto *quitButton = new WrappingButton(QStringLiteral("&Programm beenden"), this);
    quitButton->setObjectName(QStringLiteral("cmdende"));
    quitButton->setGeometry(twipRect(6960, 3600, 1335, 975));

    auto *printButton = new GraphicalButton(QStringLiteral("&drucken"), artPath(QStringLiteral("icon-print")), this);
    printButton->setObjectName(QStringLiteral("Druck"));
    printButton->setGeometry(twipRect(6960, 2640, 1335, 975));

    setTabOrder(quitButton, printButton);
    setInitialFocus(quitButton);
    onClick(printButton);
    onClick(quitButton);
    // Once the certificate is on display, its page is drawn for printing while the player
    // reads it.
    afterFirstPaint(this, [this] { prepareCertificate(*this); });
}

CongratulationsScreen::~CongratulationsScreen() = default;

void CongratulationsScreen::paintEvent(QPaintEvent *)
{
    // White paper. Painted rather than set as the palette: a palette of its own would give
    // every new certificate screen fresh entries in the style's drawing cache.
    QPainter(this).fillRect(rect(), Qt::white);
}

void writeTodaysDate(Form &certificate)
{
    // German month names whatever the desktop's language: the certificate is German.
    const QLocale german(QLocale::German, QLocale::Germany);
    certificate.control<QLabel>(QStringLiteral("lblDatum"))
        ->setText(german.toString(Clock::today(), QStringLiteral("dd. MMMM yyyy")));
}

} // namespace bq
