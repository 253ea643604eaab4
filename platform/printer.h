// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/print_spooler.h"

#include <QByteArray>
#include <QFont>
#include <QString>

#include <functional>
#include <future>
#include <memory>

class QImage;

namespace bq {

// A page printer driven line by line: move the current position, pick a font, print a line,
// paint a picture, finish the document. The document is an A4 page rendered to PDF at high
// quality (1200 dots per inch); the first output opens it, and spoolDocument() hands the
// finished one to the print spooler.
//
// Drawing a page uses only fonts and images, so a printer may draw on a worker thread too;
// only handing the document to the spooler belongs to the user-interface thread.
//
// Positions are millimetres from the top-left corner of the printable area, which lies 10 pt
// in from the edges of the sheet, as a PDF print queue reports it. The current y is the top of
// the next line: a printed line has its baseline one ascent of its font below y, so the top of
// its line box (the glyphs' full ascent, accents included) is at y.
class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    void setCurrentX(float x);
    void setCurrentY(float y);
    float currentX() const;

    // The font carries over from one line to the next until it is changed.
    void setFontName(const QString &family);
    void setFontBold(bool bold);
    void setFontSize(float points);
    float fontSize() const { return float(m_font.pointSizeF()); }

    // The width of the printable area, and of a text in the current font.
    float scaleWidth() const;
    float textWidth(const QString &text);

    // Prints the text as one line from the current position; the position then moves to
    // the start of the next line.
    void print(const QString &text);
    // Draws the picture with its top-left corner at (x, y), at its own size: its pixels
    // at 96 per inch.
    void paintPicture(const QImage &picture, float x, float y);

    // The title of the document; the application's name unless set.
    void setDocumentName(const QString &name) { m_documentName = name; }

    // A finished document: the PDF, or why there is none.
    struct Finished {
        QByteArray pdf;
        SpoolResult::Problem problem = SpoolResult::Problem::None;
    };
    // Finishes the page and the document. Without any output there is no document.
    Finished finish();

private:
    struct Job;
    bool ensureJob();

    std::unique_ptr<Job> m_job;
    double m_xMm = 0.0;
    double m_yMm = 0.0;
    QFont m_font;
    QString m_documentName;
    bool m_pageNotMade = false;
};

// Hands a finished document to the print spooler in use as one job with this title; a
// document that could not be finished is reported as failed, with its problem.
SpoolResult spoolDocument(const Printer::Finished &document, const QString &title);

// A document drawn ahead of time on a worker thread, so that printing it later only has to
// hand it over. The drawing gets a printer of its own and must use nothing that belongs to
// the user-interface thread: no widget, no pixmap (images instead).
class PreparedDocument {
public:
    using Drawing = std::function<void(Printer &)>;

    // Starts drawing the document on a worker thread.
    PreparedDocument(const QString &title, Drawing drawing);

    // The finished document; waits for the worker while it is still drawing.
    Printer::Finished take() const { return m_finished.get(); }

private:
    std::shared_future<Printer::Finished> m_finished;
};

} // namespace bq
