// SPDX-License-Identifier: GPL-3.0-or-later
#include "ending/certificate_printing.h"

#include "platform/form.h"
#include "platform/form_registry.h"
#include "platform/messagebox.h"
#include "platform/printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStandardPaths>

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

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
    const char *font;   // nullptr: the font stays as it is
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

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

// Why a file could not be written, in the player's words where the cause is a common one.
QString fileProblem(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
    case EROFS:
        return QStringLiteral("Der Ordner ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Du darfst in diesem Ordner keine Dateien anlegen.");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

bool writeWhole(int fd, const QByteArray &data)
{
    const char *next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// Gives the written file the name without replacing anything that has it, even a dangling link.
bool nameWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot rename this way: a second name, then the first one goes.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

// Writes the PDF under the certificate's name, or "… (2).pdf" and so on when that exists:
// an existing file is never touched. The PDF is written whole to a hidden file of its own
// and is on the disk before it gets the certificate's name, so that a full disk, a
// read-only folder or the end of the session never leave half a certificate under that name.
bool saveCertificate(const QByteArray &pdf, const QString &folder, QString *path, QString *error)
{
    const QDir dir(folder);
    *path = dir.filePath(certificateTitle() + QStringLiteral(".pdf"));
    QByteArray part;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        part = QFile::encodeName(dir.filePath(QStringLiteral(".%1-%2.part")
                                                  .arg(certificateTitle())
                                                  .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'))));
        fd = ::open(part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *error = fileProblem(errno);
        return false;
    }
    const bool written = writeWhole(fd, pdf) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        *error = fileProblem(written ? errno : writeError);
        ::unlink(part.constData());
        return false;
    }
    for (int copy = 1; copy <= 9999; ++copy) {
        const QString fileName = copy == 1 ? certificateTitle() + QStringLiteral(".pdf")
                                           : QStringLiteral("%1 (%2).pdf").arg(certificateTitle()).arg(copy);
        const QString candidate = dir.filePath(fileName);
        if (nameWithoutReplacing(part, QFile::encodeName(candidate))) {
            // The new name itself is on the disk too.
            const int folderFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (folderFd >= 0) {
                ::fsync(folderFd);
                ::close(folderFd);
            }
            *path = candidate;
            return true;
        }
        if (errno != EEXIST) {
            *error = fileProblem(errno);
            *path = candidate;
            ::unlink(part.constData());
            return false;
        }
    }
    ::unlink(part.constData());
    *error = QStringLiteral("Es gibt dort schon zu viele Urkunden.");
    return false;
}

// What the page shows, read from the screen's controls on the user-interface thread: the
// text of every text step in page order, and the seal.
struct CertificatePage {
    QStringList texts;
    qint64 sealKey = 0; // tells whether the screen shows another picture since
    QImage seal;

    bool showsTheSameAs(const CertificatePage &other) const
    {
        return texts == other.texts && sealKey == other.sealKey;
    }
};

QPixmap sealOf(const Form &screen)
{
    const auto *image = screen.control<QLabel>(QString::fromUtf8(kSealSource));
    return image ? image->pixmap() : QPixmap();
}

// The texts and the seal's identity only: enough to tell whether a page drawn earlier is current.
CertificatePage readTexts(const Form &screen)
{
    CertificatePage page;
    for (const PrintStep &step : kPage) {
        if (step.kind != StepKind::Picture)
            page.texts.append(screen.controlText(QString::fromUtf8(step.source)));
    }
    page.sealKey = sealOf(screen).cacheKey();
    return page;
}

CertificatePage readPage(const Form &screen)
{
    CertificatePage page = readTexts(screen);
    // A copy of its own: a pixmap belongs to the user-interface thread, an image may travel.
    page.seal = sealOf(screen).toImage().copy();
    return page;
}

// The printer draws at high quality and counts in millimetres, as the page wants. Runs on a
// worker thread as well: it touches no control, only what was read from them.
void drawPage(Printer &printer, const CertificatePage &page)
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

// A certificate drawn ahead, while the player looks at the screen, with the page it was drawn from.
class CertificatePreparation : public QObject {
public:
    // The worker keeps the seal's image until it has drawn it; the screen's own pixmap serves
    // to tell whether it still shows the same one.
    CertificatePreparation(Form &screen, const CertificatePage &page)
        : QObject(&screen),
          m_page{page.texts, page.sealKey, QImage()},
          m_document(certificateTitle(), [page](Printer &printer) { drawPage(printer, page); })
    {
    }

    static CertificatePreparation *of(const Form &screen)
    {
        for (QObject *child : screen.children()) {
            if (auto *preparation = dynamic_cast<CertificatePreparation *>(child))
                return preparation;
        }
        return nullptr;
    }

    const CertificatePage &page() const { return m_page; }
    Printer::Finished take() const { return m_document.take(); }

private:
    CertificatePage m_page;
    PreparedDocument m_document;
};

// The finished certificate: the one drawn ahead when the screen still shows what it was drawn
// from, else drawn now from what the screen shows.
Printer::Finished finishedCertificate(const Form &screen)
{
    if (const CertificatePreparation *preparation = CertificatePreparation::of(screen);
        preparation && preparation->page().showsTheSameAs(readTexts(screen)))
        return preparation->take();
    Printer printer;
    printer.setDocumentName(certificateTitle());
    drawPage(printer, readPage(screen));
    return printer.finish();
}

// Why the certificate could not be printed, in the player's words.
QString reason(const SpoolResult &result)
{
    using Problem = SpoolResult::Problem;
    switch (result.problem) {
    case Problem::NothingPrinted:
        return QStringLiteral("Es gab nichts zu drucken.");
    case Problem::PageNotMade:
        return QStringLiteral("Die Druckseite konnte nicht angelegt werden.");
    case Problem::FileNotWritten:
        return QStringLiteral("Die Druckdatei konnte nicht geschrieben werden: %1").arg(result.detail);
    case Problem::NoPrintSystem:
        return QStringLiteral("Das Drucksystem (%1) ist nicht installiert.").arg(result.detail);
    case Problem::None:
    case Problem::Unreachable:
    case Problem::NoDefault:
    case Problem::Refused:
        break;
    }
    return result.detail.isEmpty() ? QStringLiteral("Unbekannter Fehler des Drucksystems") : result.detail;
}

// Why there is nowhere to print to, said so that the player looks in the right place.
QString whyNoPrinter(SpoolResult::Problem problem)
{
    switch (problem) {
    case SpoolResult::Problem::NoPrintSystem:
        return QStringLiteral("Auf diesem Rechner ist kein Drucksystem installiert");
    case SpoolResult::Problem::Unreachable:
        return QStringLiteral("Das Drucksystem dieses Rechners ist nicht erreichbar");
    default:
        return QStringLiteral("Es ist kein Standarddrucker eingerichtet");
    }
}

} // namespace

QString certificateTitle()
{
    return QStringLiteral("Quellmärker-Urkunde");
}

float estimatedNameX(const QString &name)
{
    const auto n = static_cast<std::int32_t>(withoutBlanks(name).size());
    const std::int32_t product = n * 5;
    return static_cast<float>(100.0 - static_cast<double>(product) / 2.0);
}

void prepareCertificate(Form &screen)
{
    if (CertificatePreparation::of(screen))
        return;
    new CertificatePreparation(screen, readPage(screen));
    PrintSpooler::instance().prepare();
}

bool printCertificate(Form &screen)
{
    Printer::Finished certificate = finishedCertificate(screen);
    const SpoolResult result = spoolDocument(certificate, certificateTitle());
    // Once the print system or the documents folder has the PDF, no copy of it is kept: not
    // the one drawn ahead, nor this one while a message box is up. A certificate that could
    // not be handed over stays ready for the next try.
    const auto forget = [&screen, &certificate] {
        certificate = {};
        delete CertificatePreparation::of(screen);
    };

    switch (result.outcome) {
    case SpoolResult::Outcome::Spooled:
        forget();
        return true;
    case SpoolResult::Outcome::NoDestination: {
        const QString folder = documentsFolder();
        QString path;
        QString error;
        const QString why = whyNoPrinter(result.problem);
        if (saveCertificate(certificate.pdf, folder, &path, &error)) {
            forget();
            messageBox(QStringLiteral("%1. Deine Urkunde wurde deshalb als PDF-Datei gespeichert:\n\n%2")
                           .arg(why, QDir::toNativeSeparators(path)));
            return true;
        }
        messageBox(QStringLiteral("%1, und Deine Urkunde konnte auch nicht als PDF-Datei gespeichert werden."
                                  "\n\nDatei: %2\nGrund: %3\n\nDie Urkunde bleibt auf dem Bildschirm.")
                       .arg(why, QDir::toNativeSeparators(path), error),
                   BoxStyle::Exclamation);
        return false;
    }
    case SpoolResult::Outcome::Failed:
        break;
    }
    const QString where = result.destination.isEmpty()
                              ? QString()
                              : QStringLiteral(" auf dem Drucker \"%1\"").arg(result.destination);
    // The print system went away with the job: whether it printed is unknown, so the player
    // gets the certificate as a file as well.
    QString kept;
    if (result.problem == SpoolResult::Problem::Unreachable && !certificate.pdf.isEmpty()) {
        QString path;
        QString error;
        kept = saveCertificate(certificate.pdf, documentsFolder(), &path, &error)
                   ? QStringLiteral("Sie wurde als PDF-Datei gespeichert:\n%1\n\n").arg(QDir::toNativeSeparators(path))
                   : QStringLiteral("Sie konnte auch nicht als PDF-Datei gespeichert werden (%1).\n\n").arg(error);
    }
    messageBox(QStringLiteral("Deine Urkunde konnte%1 nicht gedruckt werden.\n\nGrund: %2\n\n%3"
                              "Die Urkunde bleibt auf dem Bildschirm: Du kannst es noch einmal versuchen "
                              "oder mit \"Programm beenden\" weitergehen.")
                   .arg(where, reason(result), kept),
               BoxStyle::Exclamation);
    return false;
}

} // namespace bq
