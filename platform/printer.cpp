// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

#include "platform/background_work.h"
#include "platform/faces.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

namespace bq {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPicturePixelsPerInch = 96.0;
constexpr int kDotsPerInch = 1200;
// The sheet and its unprintable rim: 10 pt on every side.
constexpr double kPaperWidthMm = 210.0;
constexpr double kMarginMm = 10.0 * kMmPerInch / 72.0;

} // namespace

// One document from its first output to finish(): the PDF grows in memory.
struct Printer::Job {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;
    double dotsPerMm = 0.0;
    bool drawn = false;

    QPointF toDevice(double xMm, double yMm) const
    {
        return {(kMarginMm + xMm) * dotsPerMm, (kMarginMm + yMm) * dotsPerMm};
    }
};

Printer::Printer() : m_documentName(QCoreApplication::applicationName())
{
    m_font.setPointSizeF(10.0);
    m_font.setBold(false);
    m_font.setItalic(false);
}

Printer::~Printer()
{
    if (m_job && m_job->painter.isActive())
        m_job->painter.end();
}

void Printer::setCurrentX(float x)
{
    m_xMm = x;
}

void Printer::setCurrentY(float y)
{
    m_yMm = y;
}

float Printer::currentX() const
{
    return float(m_xMm);
}

void Printer::setFontName(const QString &family)
{
    m_font.setFamily(installedFace(family));
}

void Printer::setFontBold(bool bold)
{
    m_font.setBold(bold);
}

void Printer::setFontSize(float points)
{
    if (points > 0.0f)
        m_font.setPointSizeF(points);
}

float Printer::scaleWidth() const
{
    return float(kPaperWidthMm - 2.0 * kMarginMm);
}

bool Printer::ensureJob()
{
    if (m_job)
        return m_job->painter.isActive();
    // A fresh PDF per document: an A4 sheet drawn edge to edge; the printable rim is
    // ours to keep (kMarginMm), not left to whatever the writer would assume.
    m_job = std::make_unique<Job>();
    m_pageNotMade = false;
    m_job->buffer.open(QIODevice::WriteOnly);
    m_job->writer = std::make_unique<QPdfWriter>(&m_job->buffer);
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    m_job->writer->setPageLayout(layout);
    m_job->writer->setResolution(kDotsPerInch);
    m_job->writer->setCreator(QCoreApplication::applicationName());
    m_job->writer->setTitle(m_documentName);
    m_job->dotsPerMm = m_job->writer->resolution() / kMmPerInch;
    if (!m_job->painter.begin(m_job->writer.get())) {
        m_pageNotMade = true;
        return false;
    }
    // Pictures go into the PDF as they are, not as JPEG: no compression artefacts on paper,
    // and the image plugins and libjpeg are never loaded for it.
    m_job->painter.setRenderHint(QPainter::LosslessImageRendering);
    return true;
}

float Printer::textWidth(const QString &text)
{
    if (!ensureJob())
        return 0.0f;
    const QFontMetricsF metrics(m_font, m_job->writer.get());
    return float(metrics.horizontalAdvance(text) / m_job->dotsPerMm);
}

void Printer::print(const QString &text)
{
    if (!ensureJob())
        return;
    Job &job = *m_job;
    const QFontMetricsF metrics(m_font, job.writer.get());
    // The current y is the top of the line; the text stands on a baseline one ascent lower.
    const QPointF top = job.toDevice(m_xMm, m_yMm);
    job.painter.setFont(m_font);
    job.painter.setPen(Qt::black);
    job.painter.drawText(QPointF(top.x(), top.y() + metrics.ascent()), text);
    job.drawn = true;
    m_xMm = 0.0;
    m_yMm += metrics.height() / job.dotsPerMm;
}

void Printer::paintPicture(const QImage &picture, float x, float y)
{
    if (!ensureJob() || picture.isNull())
        return;
    Job &job = *m_job;
    const QSizeF natural = picture.deviceIndependentSize() * (kMmPerInch / kPicturePixelsPerInch);
    const QPointF topLeft = job.toDevice(x, y);
    const QRectF target(topLeft, natural * job.dotsPerMm);
    job.painter.drawImage(target, picture, QRectF(picture.rect()));
    job.drawn = true;
}

Printer::Finished Printer::finish()
{
    Finished finished;
    if (!m_job) {
        finished.problem = SpoolResult::Problem::NothingPrinted;
        return finished;
    }
    const std::unique_ptr<Job> job = std::move(m_job);
    if (m_pageNotMade) {
        finished.problem = SpoolResult::Problem::PageNotMade;
        return finished;
    }
    job->painter.end();
    if (!job->drawn) {
        finished.problem = SpoolResult::Problem::NothingPrinted;
        return finished;
    }
    // The document alone, without the room the buffer had grown for more.
    finished.pdf = std::move(job->buffer.buffer());
    finished.pdf.squeeze();
    return finished;
}

SpoolResult spoolDocument(const Printer::Finished &document, const QString &title)
{
    SpoolResult result;
    result.outcome = SpoolResult::Outcome::Failed;
    if (document.problem != SpoolResult::Problem::None) {
        result.problem = document.problem;
        return result;
    }

    // The print system takes files: the document goes there through a private temporary one.
    QTemporaryFile file(QDir::tempPath() + u'/' + QCoreApplication::applicationName().toLower()
                        + QStringLiteral("-XXXXXX.pdf"));
    if (!file.open() || file.write(document.pdf) != document.pdf.size() || !file.flush()) {
        result.problem = SpoolResult::Problem::FileNotWritten;
        result.detail = file.errorString();
        return result;
    }
    file.close();
    return PrintSpooler::instance().submit(file.fileName(), title);
}

PreparedDocument::PreparedDocument(const QString &title, Drawing drawing)
{
    auto task = std::make_shared<std::packaged_task<Printer::Finished()>>([title, drawing = std::move(drawing)] {
        Printer printer;
        printer.setDocumentName(title);
        drawing(printer);
        return printer.finish();
    });
    m_finished = task->get_future().share();
    runInBackground([task] { (*task)(); });
}

} // namespace bq
