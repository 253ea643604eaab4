#pragma once

#include "platform/print_spooler.h"

#include <QByteArray>
#include <QFont>
#include <QString>

#include <memory>

class QPixmap;

namespace bq {

// A page printer driven the way the certificate is printed: choose the quality and the
// unit, move the current position, pick a font, print a line, paint a picture, end the
// document. The document is an A4 page rendered to PDF; the first output opens it, and
// endDoc() hands it to the print spooler.
//
// Positions count from the top-left corner of the printable area, which lies kMarginMm
// in from the edges of the sheet. The current y is the top of the next line: a printed
// line has its baseline one ascent of its font below y, so the top of its line box (the
// glyphs' full ascent, accents included) is at y.
class Printer {
public:
    // Print quality: negative values name a quality, positive ones are dots per inch.
    static constexpr int kQualityDraft = -1;
    static constexpr int kQualityLow = -2;
    static constexpr int kQualityMedium = -3;
    static constexpr int kQualityHigh = -4;

    // Units of positions and sizes.
    static constexpr int kScaleTwips = 1;
    static constexpr int kScalePoints = 2;
    static constexpr int kScalePixels = 3; // at 96 per inch
    static constexpr int kScaleInches = 5;
    static constexpr int kScaleMillimeters = 6;
    static constexpr int kScaleCentimeters = 7;

    // The sheet and its unprintable rim: 10 pt on every side, as a PDF print queue reports.
    static constexpr double kPaperWidthMm = 210.0;
    static constexpr double kPaperHeightMm = 297.0;
    static constexpr double kMarginPt = 10.0;
    static constexpr double kMarginMm = kMarginPt * 25.4 / 72.0;

    explicit Printer(PrintSpooler &spooler = PrintSpooler::instance());
    ~Printer();
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    // Takes effect for the next document; the default is high quality.
    void setPrintQuality(int quality);
    int printQuality() const { return m_quality; }
    int resolution() const; // dots per inch of the quality

    void setScaleMode(int mode);
    int scaleMode() const { return m_scaleMode; }

    void setCurrentX(float x);
    void setCurrentY(float y);
    float currentX() const;
    float currentY() const;

    // The font carries over from one line to the next until it is changed.
    void setFontName(const QString &family);
    void setFontBold(bool bold);
    void setFontSize(float points);
    QString fontName() const { return m_font.family(); }
    bool fontBold() const { return m_font.bold(); }
    float fontSize() const { return float(m_font.pointSizeF()); }

    // The printable area and the width of a text in the current font, in the current unit.
    float scaleWidth() const;
    float scaleHeight() const;
    float textWidth(const QString &text);

    // Prints the text as one line from the current position; the position then moves to
    // the start of the next line.
    void print(const QString &text);
    // Draws the picture with its top-left corner at (x, y), at its own size: its pixels
    // at 96 per inch.
    void paintPicture(const QPixmap &picture, float x, float y);

    // The title the print system shows for the job.
    void setDocumentName(const QString &name) { m_documentName = name; }
    // Finishes the page and the document and hands it to the spooler. Without any output
    // there is no document, and nothing is sent.
    SpoolResult endDoc();

    // True from the first output to endDoc().
    bool isPrinting() const;
    // The finished PDF of the last endDoc().
    const QByteArray &document() const { return m_document; }

private:
    struct Job;
    bool ensureJob();
    double unitsPerMm() const;
    double toMm(float value) const;
    float fromMm(double mm) const;

    PrintSpooler &m_spooler;
    std::unique_ptr<Job> m_job;
    int m_quality = kQualityHigh;
    int m_scaleMode = kScaleTwips;
    double m_xMm = 0.0;
    double m_yMm = 0.0;
    QFont m_font;
    QString m_documentName = QStringLiteral("Brendelquiz");
    QByteArray m_document;
    QString m_jobError;
};

} // namespace bq
