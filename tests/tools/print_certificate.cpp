// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the certificate through the desktop's real print system for tests/cups.test.sh.
//
//   print_certificate play <name> <expected-ink-file>
//       Opens the congratulations screen with that name, notes where the ink of each line
//       and of the seal must land, clicks "&drucken" and reports what the player saw:
//       BOX <style> <text>, JOURNAL <line>, VISIBLE <screens>.
//   print_certificate session-end <name>
//       Starts as the game, opens the certificate screen, says DRAWING while the worker draws
//       the page, and ends as the game does.
//   print_certificate measure <pgm> <dpi> <expected-ink-file>
//       Finds the ink of each element in a raster of the printed page and compares it with
//       the expected place; prints every deviation and fails beyond 0.3 mm.

#include "app/game.h"
#include "driver/game_driver.h"
#include "ending/certificate_printing.h"
#include "ending/congratulations_screen.h"
#include "platform/clock.h"
#include "platform/form_registry.h"
#include "tools/certificate_probe.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

using namespace bq;
using namespace bq::test;

namespace {

constexpr double kInkTolerance = 0.3; // mm
constexpr int kInkThreshold = 128;

void out(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// What a line prints: the player's name, the sample day, or the certificate's own words.
QString printedText(const ExpectedLine &line, const QString &name)
{
    if (line.step == 2)
        return name;
    if (*line.text)
        return QString::fromUtf8(line.text);
    return line.step == 12 ? QStringLiteral("01. Januar 2027") : QStringLiteral("Knörz vun de Quellmork");
}

// Where the ink of a line must land on the sheet: its face's glyph outlines, standing on a
// baseline one ascent below the line's top.
QRectF expectedTextInk(const ExpectedLine &line, double x, const QString &text)
{
    const QFontMetricsF metrics = pdfFontMetrics(QString::fromLatin1(line.family), line.points, line.bold);
    const double dotsPerMm = kMeasureDotsPerMm;
    const QRectF outline = metrics.tightBoundingRect(text);
    const QPointF origin((x + kOriginMm) * dotsPerMm, (line.y + kOriginMm) * dotsPerMm + metrics.ascent());
    const QRectF box = outline.translated(origin);
    return {box.left() / dotsPerMm, box.top() / dotsPerMm, box.width() / dotsPerMm, box.height() / dotsPerMm};
}

// The seal's ink: its pixels that come out darker than the threshold on white paper.
QRectF expectedPictureInk(const QPixmap &picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage gray(image.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const double a = c.alphaF();
            gray.scanLine(y)[x] =
                uchar(((0.3 * c.redF() + 0.59 * c.greenF() + 0.11 * c.blueF()) * a + (1.0 - a)) * 255);
        }
    }
    const std::optional<QRectF> ink = inkBox(gray, gray.rect(), kInkThreshold);
    if (!ink)
        return {};
    const double mmPerPixel = 25.4 / 96.0 * image.width() / picture.deviceIndependentSize().width();
    return {kPictureX + kOriginMm + ink->left() * mmPerPixel, kPictureY + kOriginMm + ink->top() * mmPerPixel,
            ink->width() * mmPerPixel, ink->height() * mmPerPixel};
}

int play(const QString &name, const QString &expectedFile)
{
    GameDriver driver;
    driver.reset();
    Clock::fix(QDate(kSampleYear, kSampleMonth, kSampleDay));
    Form *screen = driver.winGame(name) ? FormRegistry::instance().loaded(screenNamed(kScreen)) : nullptr;
    if (!screen)
        return 2;

    QFile expected(expectedFile);
    if (!expected.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    QTextStream ink(&expected);
    for (const ExpectedLine &line : expectedLines()) {
        const QString text = printedText(line, name);
        const double x = line.step == 2 ? nameEstimate(int(text.trimmed().size())) : line.x;
        const QRectF box = expectedTextInk(line, x, text);
        ink << "step" << line.step << ' ' << box.left() << ' ' << box.top() << ' ' << box.right() << ' ' << box.bottom()
            << '\n';
    }
    const QRectF seal = expectedPictureInk(screen->control<QLabel>(QStringLiteral("Image1"))->pixmap());
    if (!seal.isEmpty())
        ink << "seal " << seal.left() << ' ' << seal.top() << ' ' << seal.right() << ' ' << seal.bottom() << '\n';
    expected.close();

    const int mark = driver.journalMark();
    driver.setBoxObserver([](const SeenBox &box) {
        out(QStringLiteral("BOX %1 %2").arg(box.style).arg(QString(box.text).replace(u'\n', u' ')));
        out(QStringLiteral("VISIBLE-WITH-BOX %1").arg(box.visibleScreens.join(u',')));
    });
    if (!driver.click(kScreen, QStringLiteral("Druck")))
        return 2;
    for (const QString &line : driver.journalSince(mark))
        out(QStringLiteral("JOURNAL %1").arg(line));
    out(QStringLiteral("VISIBLE %1").arg(driver.visibleScreens().join(u',')));
    driver.finish();
    return 0;
}

// The game's own start and end, with the certificate screen opened and its page drawn on the worker.
QString g_sessionEndName;
void openCertificateAndDraw()
{
    GameDriver driver;
    if (Form *screen = driver.openCertificate(g_sessionEndName))
        prepareCertificate(*qobject_cast<CongratulationsScreen *>(screen));
    out(QStringLiteral("DRAWING"));
}

// In the session-end mode, the certificate opens as soon as the game's own event loop runs.
void openCertificateOnceRunning()
{
    if (!g_sessionEndName.isEmpty())
        QTimer::singleShot(0, openCertificateAndDraw);
}
Q_COREAPP_STARTUP_FUNCTION(openCertificateOnceRunning)

int measure(const QString &pgm, int dpi, const QString &expectedFile)
{
    const QImage raster(pgm);
    QFile expected(expectedFile);
    if (raster.isNull() || !expected.open(QIODevice::ReadOnly | QIODevice::Text)) {
        out(QStringLiteral("cannot read %1 or %2").arg(pgm, expectedFile));
        return 2;
    }
    const double dotsPerMm = dpi / 25.4;
    double worst = 0;
    int elements = 0;
    QTextStream in(&expected);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 5)
            continue;
        const QRectF want(QPointF(fields.at(1).toDouble(), fields.at(2).toDouble()),
                          QPointF(fields.at(3).toDouble(), fields.at(4).toDouble()));
        // Look a little around the expected place, not as far as the neighbouring lines.
        const QRect window = pixelWindow(want.adjusted(-0.6, -0.6, 0.6, 0.6), dpi);
        const std::optional<QRectF> found = inkBox(raster, window, kInkThreshold);
        if (!found) {
            out(QStringLiteral("%1: no ink near %2, %3 mm").arg(fields.at(0)).arg(want.left()).arg(want.top()));
            worst = 99;
            continue;
        }
        const QRectF got(found->left() / dotsPerMm, found->top() / dotsPerMm, found->width() / dotsPerMm,
                         found->height() / dotsPerMm);
        const double errors[] = {got.left() - want.left(), got.top() - want.top(), got.right() - want.right(),
                                 got.bottom() - want.bottom()};
        QStringList numbers;
        for (double value : {got.left(), got.top(), got.right(), got.bottom()})
            numbers << QString::number(value, 'f', 2);
        for (double e : errors) {
            numbers << QString::number(e, 'f', 2);
            worst = std::max(worst, qAbs(e));
        }
        ++elements;
        out(QStringLiteral("%1: ink %2 %3 %4 %5 mm, off by left %6 top %7 right %8 bottom %9 mm")
                .arg(fields.at(0), -8)
                .arg(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6], numbers[7]));
    }
    out(QStringLiteral("largest deviation %1 mm over %2 elements").arg(worst, 0, 'f', 3).arg(elements));
    return elements > 0 && worst <= kInkTolerance ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "session-end") == 0) {
        g_sessionEndName = QString::fromLocal8Bit(argv[2]);
        return Game::run(argc, argv);
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("play"))
        return play(args.at(2), args.at(3));
    if (args.size() == 5 && args.at(1) == QLatin1String("measure"))
        return measure(args.at(2), args.at(3).toInt(), args.at(4));
    std::fputs("usage: print_certificate play <name> <expected-ink> | measure <pgm> <dpi> <expected-ink>\n", stderr);
    return 2;
}
