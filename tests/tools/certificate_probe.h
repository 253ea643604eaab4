// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests know about the printed certificate, independently of the game's code:
// the page as it must come out, and the tools that measure a PDF (poppler) or a raster.

#include "driver/game_driver.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QList>
#include <QPdfWriter>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <climits>
#include <optional>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bq::test {

constexpr double kPtPerMm = 72.0 / 25.4;
// Where the printable area starts on the sheet: 10 pt in from the corner, as a PDF print
// queue reports it. And the width of the A4 sheet.
constexpr double kOriginMm = 10.0 / kPtPerMm;
constexpr double kPaperWidthMm = 210.0;

inline const QString kScreen = QStringLiteral("frmGlückwunsch"); // the screen with the certificate
// The player and the day the lines below assume: 16 characters put the name at x 60.
inline const QString kSampleName = QStringLiteral("Erika Mustermann");
constexpr int kSampleYear = 2027, kSampleMonth = 1, kSampleDay = 1;

// One text line of the certificate as it must be printed: place in millimetres from the
// printable area's top-left, the face that must arrive on paper after substitution.
struct ExpectedLine {
    int step;
    const char *label; // the screen label that supplies the text
    double x;          // the name's x is computed from the name
    double y;
    const char *family; // the face on paper
    double points;
    bool bold;
    const char *firstWord; // the line's first word on paper, found near (x, y)
    const char *probeWord; // a word of the line whose width tells the face and the weight
    const char *text;      // the line as pdftotext reads it back; empty where the script
                           // face's ligatures drop letters from the extracted text
};

inline const QList<ExpectedLine> &expectedLines()
{
    static const QList<ExpectedLine> lines{
        {1, "lblverleihenwir", 75, 20, "Liberation Sans", 12, false, "Hiermit", "verleihen", "Hiermit verleihen wir"},
        {2, "lblName", 60, 40, "Dancing Script", 20, false, "Erika", "Erika", ""},
        {3, "lblTitel", 85, 60, "Liberation Sans", 12, false, "den", "Titel", "den Titel"},
        {4, "lblwahrerQuellmärker", 48, 80, "Liberation Sans", 22, false, "\"Wahre/r", "\"Wahre/r",
         "\"Wahre/r Quellmärker-Bürger/in\""},
        {6, "lblText1", 50, 160, "Liberation Sans", 12, true, "Er/Sie", "nennen.",
         "Er/Sie darf sich von nun an \"Echter Quellmärker\" nennen."},
        {7, "LblText1_2", 40, 165, "Liberation Sans", 12, true, "Mit", "Privilegien",
         "Mit diesem Titel gehen folgende Privilegien auf den Träger über:"},
        {8, "lblText2", 40, 175, "Liberation Sans", 10, true, "1.", "Hessen,",
         "1. Alle Hessen, Schwaben, Badner und Elsässer müssen Ihn zuerst grüßen."},
        {9, "lblText3", 40, 185, "Liberation Sans", 10, true, "2.", "Recht",
         "2. Er hat das Recht jedes Quellmärker Weinfest mit einem Schwips zu verlassen."},
        {10, "lblText4", 40, 195, "Liberation Sans", 10, true, "3.", "Aufsicht",
         "3. Er darf sich im Quellmärker Wald frei und ohne Aufsicht bewegen."},
        {11, "lblMainz", 20, 235, "Liberation Sans", 10, true, "Mainz,", "Mainz,", "Mainz, den"},
        {12, "lblDatum", 42, 235, "Dancing Script", 10, true, "01.", "Januar", ""},
        {13, "lblUnterschrift", 125, 232, "Dancing Script", 18, true, "Knörz", "Knörz", ""},
    };
    return lines;
}

// The seal: top-left corner and its own size, 150 x 187 pixels at 96 per inch.
constexpr double kPictureX = 78.0;
constexpr double kPictureY = 100.0;
constexpr double kPictureWidthMm = 150 * 25.4 / 96.0;
constexpr double kPictureHeightMm = 187 * 25.4 / 96.0;

// The name's place by the certificate's rule of thumb: 5 mm per character, centred on 100.
inline double nameEstimate(int characters)
{
    return 100.0 - characters * 5 / 2.0;
}

// How a face measures on a PDF page, independently of the printer under test: metrics in
// dots of kMeasureDotsPerMm.
constexpr double kMeasureDotsPerMm = 1200 / 25.4;
inline QFontMetricsF pdfFontMetrics(const QString &family, double points, bool bold)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return QFontMetricsF(font, &writer);
}

// A word as pdftotext -bbox reports it, in millimetres from the sheet's top-left corner.
struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

inline QString runTool(const QString &program, const QStringList &arguments, bool *ok = nullptr)
{
    int out[2];
    QByteArray output;
    int status = -1;
    if (::pipe2(out, O_CLOEXEC) != 0)
        return {};
    const pid_t pid = spawnProgram(QStringList{program} + arguments, out[1]);
    ::close(out[1]);
    char buffer[65536];
    for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, got);
    ::close(out[0]);
    const bool ended = pid > 0 && ::waitpid(pid, &status, 0) == pid;
    if (ok)
        *ok = ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return QString::fromUtf8(output);
}

inline QList<PdfWord> pdfWords(const QString &pdfFile)
{
    bool ok = false;
    const QString xml =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")}, &ok);
    QList<PdfWord> words;
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re"));
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto match = it.next();
        QString text = match.captured(5);
        for (const auto &[entity, character] : // "&amp;" last: it may have made the others
             {std::pair{"&quot;", "\""}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
            text.replace(QLatin1String(entity), QLatin1String(character));
        words.append({text, match.captured(1).toDouble() / kPtPerMm, match.captured(2).toDouble() / kPtPerMm,
                      match.captured(3).toDouble() / kPtPerMm, match.captured(4).toDouble() / kPtPerMm});
    }
    return words;
}

// The words whose top lies within a band around y (millimetres on the sheet), left to right.
inline QList<PdfWord> wordsNear(const QList<PdfWord> &words, double sheetY, double band = 1.5)
{
    QList<PdfWord> found;
    for (const PdfWord &word : words) {
        if (qAbs(word.yMin - sheetY) <= band)
            found.append(word);
    }
    std::sort(found.begin(), found.end(), [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
    return found;
}

// Fonts as pdffonts lists them: name without the subset tag, and whether it is embedded.
struct PdfFont {
    QString name;
    bool embedded = false;
};

inline QList<PdfFont> pdfFonts(const QString &pdfFile)
{
    const QStringList lines = runTool(QStringLiteral("pdffonts"), {pdfFile}).split(u'\n', Qt::SkipEmptyParts);
    QList<PdfFont> fonts;
    for (const QString &line : lines.mid(2)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 5)
            continue;
        QString name = fields.first();
        name = name.mid(name.indexOf(u'+') + 1);
        // Columns from the right: object ID (two fields), uni, sub, emb.
        fonts.append({name, fields.at(fields.size() - 5) == QLatin1String("yes")});
    }
    return fonts;
}

// The millimetres on the sheet as whole pixels of a raster at that resolution.
inline QRect pixelWindow(const QRectF &windowMm, int dpi)
{
    const double dotsPerMm = dpi / 25.4;
    return QRect(qRound(windowMm.left() * dotsPerMm), qRound(windowMm.top() * dotsPerMm),
                 qRound(windowMm.width() * dotsPerMm), qRound(windowMm.height() * dotsPerMm));
}

// A gray raster of part of the first page, as pdftoppm draws it.
inline QImage rasterize(const QString &pdfFile, int dpi, const QRect &window, const QString &workDir)
{
    const QString prefix = workDir + QStringLiteral("/raster");
    bool ok = false;
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-singlefile"),
             QStringLiteral("-x"), QString::number(window.x()), QStringLiteral("-y"), QString::number(window.y()),
             QStringLiteral("-W"), QString::number(window.width()), QStringLiteral("-H"),
             QString::number(window.height()), pdfFile, prefix},
            &ok);
    return ok ? QImage(prefix + QStringLiteral(".pgm")) : QImage();
}

// The box of all pixels darker than the threshold within a window of the raster, in the
// raster's pixels (right and bottom exclusive); nothing when the window holds no ink.
inline std::optional<QRectF> inkBox(const QImage &raster, const QRect &window, int threshold = 128)
{
    const QImage gray = raster.convertToFormat(QImage::Format_Grayscale8);
    const QRect area = window.intersected(gray.rect());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *row = gray.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (row[x] < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return std::nullopt;
    return QRectF(QPointF(left, top), QPointF(right + 1, bottom + 1));
}

} // namespace bq::test
