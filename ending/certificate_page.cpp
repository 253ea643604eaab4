// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate's page: what stands where, in which face, and how it is drawn.
#include "ending/certificate_page.h"

#include "platform/form.h"
#include "platform/printer.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <cstdint>

namespace bq {
namespace {

enum class StepKind {
    Text,    // a label's caption at a fixed place
    Name,    // the player's name, placed by the estimate
    Picture, // the seal, at its own size
};

// One step of the certificate page: where, in which font, and which control supplies it.
// Positions are millimetres from the top-left of the printable area, sizes points.
struct PrintStep {
    StepKind kind;
    float x;
    float y;
    const char *font; // nullptr: the font stays as it is
    float size;
    bool boldOn;        // switches bold on; nothing ever switches it off again
    const char *source; // control name
};

// The page from top to bottom, in the order it is printed. Place, date and signature print
// bold because bold, once on for the privileges, stays on.
constexpr const char *kSealSource = "Image1";
constexpr PrintStep kPage[] = {
    {StepKind::Text, 75, 20, "Arial", 12, false, "lblverleihenwir"},
    {StepKind::Name, 0, 40, "Lucida Handwriting", 20, false, "lblName"},
    {StepKind::Text, 85, 60, "Arial", 12, false, "lblTitel"},
    {StepKind::Text, 48, 80, "Arial", 22, false, "lblwahrerQuellmärker"},
    {StepKind::Picture, 78, 100, nullptr, 0, false, kSealSource},
    {StepKind::Text, 50, 160, "Arial", 12, true, "lblText1"},
    {StepKind::Text, 40, 165, "Arial", 12, true, "LblText1_2"},
    {StepKind::Text, 40, 175, "Arial", 10, true, "lblText2"},
    {StepKind::Text, 40, 185, "Arial", 10, true, "lblText3"},
    {StepKind::Text, 40, 195, "Arial", 10, true, "lblText4"},
    {StepKind::Text, 20, 235, "Arial", 10, false, "lblMainz"},
    {StepKind::Text, 42, 235, "Lucida Handwriting", 10, false, "lblDatum"},
    {StepKind::Text, 125, 232, "CommercialScript BT", 18, false, "lblUnterschrift"},
};

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString withoutBlanks(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return withoutTrailingBlanks(text.mid(start));
}

// The estimate alone puts a long name partly off the paper. Names that fit keep the
// estimate; otherwise the name moves left, never past the edge of the printable area,
// and only a name wider than the whole line is printed smaller until it fits.
void keepNameOnPaper(Printer &printer, const QString &name)
{
    const QString inked = withoutTrailingBlanks(name); // trailing blanks leave no ink
    if (inked.isEmpty())
        return;
    const float room = printer.scaleWidth();
    float x = std::max(0.0f, printer.currentX());
    float width = printer.textWidth(inked);
    if (x + width > room)
        x = std::max(0.0f, room - width);
    for (int attempt = 0; width > room && attempt < 50; ++attempt) {
        // Text width grows with the size; shrink in proportion, a little more each round.
        printer.setFontSize(printer.fontSize() * (room / width) * 0.995f);
        width = printer.textWidth(inked);
    }
    printer.setCurrentX(x);
}

// The name's x on the certificate: centred on 100 mm by an estimate of 5 mm per
// character, counting the characters of the name without the blanks around it.
float estimatedNameX(const QString &name)
{
    const auto n = static_cast<std::int32_t>(withoutBlanks(name).size());
    const std::int32_t product = n * 5;
    return static_cast<float>(100.0 - static_cast<double>(product) / 2.0);
}

QPixmap sealOf(const Form &screen)
{
    const auto *image = screen.control<QLabel>(QString::fromUtf8(kSealSource));
    return image ? image->pixmap() : QPixmap();
}

} // namespace

CertificatePage readCertificateTexts(const Form &screen)
{
    CertificatePage page;
    for (const PrintStep &step : kPage) {
        if (step.kind != StepKind::Picture)
            page.texts.append(screen.controlText(QString::fromUtf8(step.source)));
    }
    page.sealKey = sealOf(screen).cacheKey();
    return page;
}

CertificatePage readCertificatePage(const Form &screen)
{
    CertificatePage page = readCertificateTexts(screen);
    // A copy of its own: a pixmap belongs to the user-interface thread, an image may travel.
    page.seal = sealOf(screen).toImage().copy();
    return page;
}

void drawCertificatePage(Printer &printer, const CertificatePage &page)
{
    qsizetype nextText = 0;
    for (const PrintStep &step : kPage) {
        if (step.kind == StepKind::Picture) {
            printer.paintPicture(page.seal, step.x, step.y);
            continue;
        }
        const QString &text = page.texts.at(nextText++);
        printer.setCurrentX(step.kind == StepKind::Name ? estimatedNameX(text) : step.x);
        printer.setCurrentY(step.y);
        printer.setFontName(QString::fromUtf8(step.font));
        if (step.boldOn)
            printer.setFontBold(true);
        printer.setFontSize(step.size);
        if (step.kind == StepKind::Name)
            keepNameOnPaper(printer, text);
        printer.print(text);
    }
}

} // namespace bq
