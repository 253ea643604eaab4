// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulations screen and its certificate: the screen as the player sees it, the date
// of the day it was opened and the two ways to the about screen; the printed page, rendered
// by the real printer into a PDF and measured with poppler; what happens when the print
// system refuses or is missing.

#include "driver/game_driver.h"
#include "ending/certificate_printing.h"
#include "ending/congratulations_screen.h"
#include "platform/background_work.h"
#include "platform/clock.h"
#include "platform/faces.h"
#include "platform/form.h"
#include "platform/form_registry.h"
#include "platform/print_spooler.h"
#include "tools/certificate_probe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>

#include <dlfcn.h>
#include <sys/file.h>

Q_DECLARE_METATYPE(bq::SpoolResult::Problem)

// A folder on a file system that can neither rename without replacing nor give a file a second
// name (many shared folders and FUSE mounts): while it is on, such calls into a folder opened
// for them fail (Qt's own temporary files, named by path, stay as they are).
static bool plainFileSystem = false;
// What else is the matter when the certificate is kept as a file.
enum class Twist { None, PrintSystemGone, PlainFileSystem, KilledGamesPart, RunningGamesPart };
Q_DECLARE_METATYPE(Twist)
// How a label of the congratulations screen looks.
struct LabelLook {
    QString text;
    QRect place;
    bool centred;
    QString family;
    double points;
    bool bold, italic;
    QColor colour;
};
Q_DECLARE_METATYPE(LabelLook)
extern "C" int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags) noexcept
{
    static const auto real = reinterpret_cast<decltype(&renameat2)>(dlsym(RTLD_NEXT, "renameat2"));
    return plainFileSystem && toDir != AT_FDCWD ? (errno = EINVAL, -1) : real(fromDir, from, toDir, to, flags);
}
extern "C" int linkat(int fromDir, const char *from, int toDir, const char *to, int flags) noexcept
{
    static const auto real = reinterpret_cast<decltype(&linkat)>(dlsym(RTLD_NEXT, "linkat"));
    return plainFileSystem && toDir != AT_FDCWD ? (errno = EPERM, -1) : real(fromDir, from, toDir, to, flags);
}

using namespace bq;
using namespace bq::test;

namespace {

constexpr double kTolerance = 0.1; // mm
const QStringList kToAbout{QStringLiteral("unload frmGlückwunsch"), QStringLiteral("show frmAbout")};

// Takes the finished documents instead of a print queue, and answers as it is told.
class CapturingSpooler : public PrintSpooler {
public:
    SpoolResult submit(const QString &pdfFile, const QString &title) override
    {
        QFile file(pdfFile);
        if (file.open(QIODevice::ReadOnly))
            documents.append(file.readAll());
        titles.append(title);
        const bool failed = outcome == SpoolResult::Outcome::Failed;
        const bool unsaid = failed && problem == SpoolResult::Problem::None;
        return {outcome, unsaid ? SpoolResult::Problem::Refused : problem, QStringLiteral("Testdrucker"), message};
    }

    SpoolResult::Outcome outcome = SpoolResult::Outcome::Spooled;
    SpoolResult::Problem problem = SpoolResult::Problem::None;
    QString message;
    QList<QByteArray> documents;
    QStringList titles;
};

struct FaceMetrics {
    double advanceMm;
    double heightMm; // ascent + descent: the height of pdftotext's word box
};

FaceMetrics measure(const QString &family, double points, bool bold, const QString &text)
{
    const QFontMetricsF metrics = pdfFontMetrics(family, points, bold);
    return {metrics.horizontalAdvance(text) / kMeasureDotsPerMm,
            (metrics.ascent() + metrics.descent()) / kMeasureDotsPerMm};
}

const PdfWord *findWord(const QList<PdfWord> &line, const QString &text)
{
    const auto found = std::find_if(line.begin(), line.end(), [&](const PdfWord &word) { return word.text == text; });
    return found == line.end() ? nullptr : &*found;
}

// Empty when a measurement lies within the tolerance; else what was measured and what was expected.
QString deviation(const QString &what, double measured, double expected, double tolerance = kTolerance)
{
    if (qAbs(measured - expected) <= tolerance)
        return QString();
    return QStringLiteral("%1 %2 mm, expected %3 mm").arg(what).arg(measured).arg(expected);
}

QString joined(const QList<PdfWord> &words, qsizetype from = 0)
{
    QStringList texts;
    for (qsizetype i = from; i < words.size(); ++i)
        texts.append(words.at(i).text);
    return texts.join(u' ');
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class CertificateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char *tool : {"pdftotext", "pdffonts", "pdfimages", "pdfinfo", "pdftoppm"})
            QVERIFY2(
                !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                qPrintable(QStringLiteral("%1 is missing: make deps installs poppler-utils").arg(QLatin1String(tool))));
        m_home = qgetenv("HOME");
        m_configHome = qgetenv("XDG_CONFIG_HOME");

        // The sample certificate that most checks read.
        init();
        QVERIFY(m_driver.openCertificate(kSampleName));
        m_samplePdf = print();
        QVERIFY(!m_samplePdf.isEmpty());
        m_sample = pdfWords(m_samplePdf);
        QVERIFY(!m_sample.isEmpty());
        cleanup();
    }

    void init()
    {
        m_driver.reset();
        auto spooler = std::make_unique<CapturingSpooler>();
        m_spooler = spooler.get();
        PrintSpooler::setInstance(std::move(spooler));
        Clock::fix(QDate(kSampleYear, kSampleMonth, kSampleDay));
    }

    void cleanup()
    {
        QCOMPARE(m_driver.finish(), QStringList());
        Clock::release();
        plainFileSystem = false;
        QLocale::setDefault(QLocale::system());
        qputenv("HOME", m_home);
        if (m_configHome.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_configHome);
    }

    void cleanupTestCase()
    {
        // Never leave a test process able to reach a real printer.
        PrintSpooler::setInstance(std::make_unique<CapturingSpooler>());
    }

    void labels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<LabelLook>("look");
        const QString arial = QStringLiteral("Arial");
        // Most labels: bold black 9.75 pt "MS Sans Serif", upright.
        const auto row = [](const char *label, const char *text, const QRect &place, bool centred,
                            const QString &family = QStringLiteral("MS Sans Serif"), double points = 9.75,
                            bool bold = true, bool italic = false, const QColor &colour = Qt::black) {
            const LabelLook look{QString::fromUtf8(text), place, centred, family, points, bold, italic, colour};
            QTest::newRow(label) << QString::fromUtf8(label) << look;
        };
        row("lblverleihenwir", "Hiermit verleihen wir", fromTwips(480, 120, 7575, 375), true);
        row("lblName", "Erika Mustermann", fromTwips(1800, 720, 5055, 375), true, arial, 14.25, true, true,
            QColor(0, 0, 255));
        row("lblTitel", "den Titel", fromTwips(2880, 1320, 2895, 255), true);
        row("lblwahrerQuellmärker", "\"Wahre/r Quellmärker-Bürger/in\"", fromTwips(1320, 1680, 6135, 375), true,
            QStringLiteral("MS Sans Serif"), 13.5);
        row("lblText1", "Er/Sie darf sich von nun an \"Echter Quellmärker\" nennen.", fromTwips(360, 5400, 7935, 255),
            true);
        row("LblText1_2",
            "Mit diesem Titel gehen folgende Privilegien auf den Träger über:", fromTwips(360, 5760, 7935, 255), true);
        row("lblText2", "1. Alle Hessen, Schwaben, Badner und Elsässer müssen Ihn zuerst grüßen.",
            fromTwips(360, 6120, 8055, 375), false);
        row("lblText3", "2. Er hat das Recht jedes Quellmärker Weinfest mit einem Schwips zu verlassen.",
            fromTwips(360, 6480, 8055, 375), false);
        row("lblText4", "3. Er darf sich im Quellmärker Wald frei und ohne Aufsicht bewegen.",
            fromTwips(360, 6840, 8055, 375), false);
        row("lblMainz", "Mainz, den", fromTwips(360, 7920, 1215, 255), false);
        row("lblDatum", "01. Januar 2027", fromTwips(1680, 7920, 2535, 255), false, arial, 8.25);
        row("lblUnterschrift", "Knörz vun de Quellmork", fromTwips(5040, 7920, 3015, 375), true, arial, 14.25, false);
    }

    void labels()
    {
        QFETCH(QString, label);
        QFETCH(LabelLook, look);

        Form *screen = m_driver.openCertificate(kSampleName);
        QVERIFY(screen);
        auto *control = screen->control<QLabel>(label);
        QVERIFY(control);
        control->ensurePolished();
        QCOMPARE(control->text(), look.text);
        // Each label stands at its place; a text too long for one line gets room below.
        QCOMPARE(control->pos(), look.place.topLeft());
        QCOMPARE(control->width(), look.place.width());
        QVERIFY(control->height() >= look.place.height());
        QVERIFY2(control->heightForWidth(control->width()) <= control->height(), "the text is cut off");
        // The face named, as the installed family that stands for it.
        QCOMPARE(control->font().family(), installedFace(look.family));
        QCOMPARE(control->font().pointSizeF(), look.points);
        QCOMPARE(control->font().bold(), look.bold);
        QCOMPARE(control->font().italic(), look.italic);
        QCOMPARE(control->alignment() & Qt::AlignHorizontal_Mask, look.centred ? Qt::AlignHCenter : Qt::AlignLeft);
        QCOMPARE(control->textFormat(), Qt::PlainText);
        QCOMPARE(control->palette().color(QPalette::WindowText), look.colour);
        // White on a white screen: a corner of the label, where no letter stands.
        QCOMPARE(control->grab().toImage().pixelColor(0, look.place.height() - 1), QColor(Qt::white));
    }

    void windowPictureAndButtons()
    {
        Form *screen = m_driver.openCertificate(kSampleName);
        QVERIFY(screen);
        QCOMPARE(screen->size(), QSize(570, 570));
        QVERIFY(!screen->windowIcon().isNull());
        QVERIFY(screen->minimumSize() != screen->maximumSize()); // a normal, sizable window
        const QImage face = screen->grab().toImage();
        QCOMPARE(face.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(face.pixelColor(565, 565), QColor(Qt::white));

        auto *image = screen->control<QLabel>(QStringLiteral("Image1"));
        QVERIFY(image);
        QCOMPARE(image->geometry(), fromTwips(3240, 2400, 2250, 2805));
        QCOMPARE(image->pixmap().deviceIndependentSize(), QSizeF(150, 187));
        QVERIFY(!image->accessibleName().isEmpty());

        auto *druck = screen->control<QToolButton>(QStringLiteral("Druck"));
        QVERIFY(druck);
        QCOMPARE(druck->text(), QStringLiteral("&drucken"));
        QCOMPARE(druck->geometry(), fromTwips(6960, 2640, 1335, 975));
        QVERIFY(!druck->icon().isNull());
        QCOMPARE(druck->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        auto *ende = screen->control<QPushButton>(QStringLiteral("cmdende"));
        QVERIFY(ende);
        QCOMPARE(ende->text(), QStringLiteral("&Programm beenden"));
        QCOMPARE(ende->geometry(), fromTwips(6960, 3600, 1335, 975));
    }

    void tabOrderStartsOnLeaving()
    {
        Form *screen = m_driver.openCertificate(kSampleName);
        QVERIFY(screen);
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                     QStringLiteral("cmdende"));
        for (const char *next : {"Druck", "cmdende"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void keysLeadToTheAboutScreen_data()
    {
        QTest::addColumn<QString>("focus"); // the control that has the focus; empty: leave as opened
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("printed");

        QTest::newRow("Alt+P: Programm beenden") << QString() << int(Qt::Key_P) << int(Qt::AltModifier) << 0;
        QTest::newRow("Alt+D: drucken") << QString() << int(Qt::Key_D) << int(Qt::AltModifier) << 1;
        QTest::newRow("Enter am Anfang") << QString() << int(Qt::Key_Return) << int(Qt::NoModifier) << 0;
        QTest::newRow("Enter auf drucken")
            << QStringLiteral("Druck") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
        QTest::newRow("Leertaste auf drucken")
            << QStringLiteral("Druck") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    }

    // Both buttons end on the about screen, the congratulations screen gone, the game still on.
    void keysLeadToTheAboutScreen()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, printed);

        Form *screen = m_driver.openCertificate(kSampleName);
        QVERIFY(screen);
        QTRY_VERIFY(QApplication::activeWindow() == screen);
        if (!focus.isEmpty())
            screen->control(focus)->setFocus();
        const int mark = m_driver.journalMark();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : screen, Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(m_driver.journalSince(mark), kToAbout);
        QCOMPARE(m_spooler->documents.size(), qsizetype(printed));
        QCOMPARE(m_driver.visibleScreens(), QStringList{QStringLiteral("frmAbout")});
        QVERIFY(!FormRegistry::instance().isLoaded(screenNamed(kScreen)));
        QVERIFY(!m_driver.ended());
    }

    void dateOfTheDayInGerman_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Tag unter 10") << QDate(2027, 1, 1) << QStringLiteral("01. Januar 2027");
        QTest::newRow("Dezember") << QDate(2026, 12, 7) << QStringLiteral("07. Dezember 2026");
        QTest::newRow("Umlaut") << QDate(2028, 3, 5) << QStringLiteral("05. März 2028");
        QTest::newRow("zweistellig") << QDate(2029, 10, 31) << QStringLiteral("31. Oktober 2029");
    }

    void dateOfTheDayInGerman()
    {
        QFETCH(QDate, today);
        QFETCH(QString, shown);
        // Whatever language the desktop speaks, the certificate is German.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Clock::fix(today);
        m_driver.openCertificate(kSampleName);
        QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblDatum")), shown);
    }

    void dateIsTakenOncePerLoad()
    {
        m_driver.openCertificate(kSampleName);
        Clock::fix(QDate(2027, 1, 2)); // midnight passes while the screen is open
        FormRegistry::instance().hide(screenNamed(kScreen));
        m_driver.show(kScreen);
        QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblDatum")), QStringLiteral("01. Januar 2027"));

        // A fresh load starts from the definition: new date, empty name.
        FormRegistry::instance().unload(screenNamed(kScreen));
        m_driver.show(kScreen);
        QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblDatum")), QStringLiteral("02. Januar 2027"));
        QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblName")), QString());
    }

    void linesStandWhereTheyBelong_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < expectedLines().size(); ++i) {
            const ExpectedLine &line = expectedLines().at(i);
            QTest::addRow("Schritt %d (%s)", line.step, line.label) << i;
        }
    }

    // Each line starts at its place (plus the printable area's origin), in its face, size and
    // weight; bold only from step 6 on, kept to the end.
    void linesStandWhereTheyBelong()
    {
        QFETCH(int, index);
        const ExpectedLine &expected = expectedLines().at(index);
        const double sheetX = expected.x + kOriginMm;
        const double sheetY = expected.y + kOriginMm;

        QList<PdfWord> line = wordsNear(m_sample, sheetY);
        line.removeIf([&](const PdfWord &word) { return word.xMin < sheetX - 1.0; });
        QVERIFY2(!line.isEmpty(), "nothing printed at the line's height");

        const PdfWord &first = line.first();
        QCOMPARE(first.text, QString::fromUtf8(expected.firstWord));
        QCOMPARE(deviation("x", first.xMin, sheetX), QString());
        QCOMPARE(deviation("y", first.yMin, sheetY), QString());
        if (*expected.text)
            QVERIFY2(joined(line).startsWith(QString::fromUtf8(expected.text)), qPrintable(joined(line)));

        // The face, size and weight show in the size of a word's box.
        const QString probe = QString::fromUtf8(expected.probeWord);
        const PdfWord *word = findWord(line, probe);
        QVERIFY2(word, qPrintable(QStringLiteral("no \"%1\" in: %2").arg(probe, joined(line))));
        const QString family = QString::fromLatin1(expected.family);
        const FaceMetrics want = measure(family, expected.points, expected.bold, probe);
        const FaceMetrics otherWeight = measure(family, expected.points, !expected.bold, probe);
        QVERIFY2(qAbs(want.advanceMm - otherWeight.advanceMm) > 0.15, "probe word cannot tell the weight");
        const QString in =
            QStringLiteral("\"%1\" in %2 %3 pt%4")
                .arg(probe, family, QString::number(expected.points), expected.bold ? u" bold"_qs : u""_qs);
        QCOMPARE(deviation(in + ", width", word->xMax - word->xMin, want.advanceMm, 0.05), QString());
        QCOMPARE(deviation(in + ", height", word->yMax - word->yMin, want.heightMm, 0.05), QString());
    }

    void fontsAreEmbeddedAfterSubstitution()
    {
        QStringList names;
        for (const PdfFont &font : pdfFonts(m_samplePdf)) {
            QVERIFY2(font.embedded, qPrintable(font.name));
            names.append(font.name);
        }
        names.sort();
        // Arial becomes Liberation Sans; both script faces become Dancing Script.
        QCOMPARE(names,
                 (QStringList{QStringLiteral("DancingScript"), QStringLiteral("DancingScript-Bold"),
                              QStringLiteral("LiberationSans"), QStringLiteral("LiberationSans-Bold")}));
    }

    void sealStandsAtItsPlaceInItsOwnSize()
    {
        // The seal as the screen shows it goes into the PDF with its 150 x 187 pixels at 96 per inch.
        const QStringList images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), m_samplePdf})
                                       .split(u'\n', Qt::SkipEmptyParts);
        QStringList pictures;
        for (const QString &row : images.mid(2)) {
            const QStringList fields = row.split(u' ', Qt::SkipEmptyParts);
            if (fields.size() > 13 && fields.at(2) == QLatin1String("image"))
                pictures.append(QStringList{fields.at(3), fields.at(4), fields.at(12), fields.at(13)}.join(u' '));
        }
        QCOMPARE(pictures, QStringList{QStringLiteral("150 187 96 96")});

        // Where it stands: a solid picture of the same size put in its place shows its edges.
        QVERIFY(m_driver.openCertificate(kSampleName));
        QPixmap block(150, 187);
        block.fill(Qt::black);
        FormRegistry::instance()
            .loaded(screenNamed(kScreen))
            ->control<QLabel>(QStringLiteral("Image1"))
            ->setPixmap(block);
        const QString pdf = print();
        QVERIFY(!pdf.isEmpty());

        const QRectF place(kPictureX + kOriginMm, kPictureY + kOriginMm, kPictureWidthMm, kPictureHeightMm);
        const std::optional<QRectF> seal = inkOnSheet(pdf, place.adjusted(-3, -3, 3, 3), 600);
        QVERIFY(seal);
        QCOMPARE(deviation("seal's left", seal->left(), place.left()), QString());
        QCOMPARE(deviation("seal's top", seal->top(), place.top()), QString());
        QCOMPARE(deviation("seal's width", seal->width(), place.width()), QString());
        QCOMPARE(deviation("seal's height", seal->height(), place.height()), QString());
    }

    void nameStaysWholeOnPaper_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("expectedX"); // NAN: the name ends at the right edge
        QTest::addColumn<bool>("smaller");

        const QString fortyOne = QStringLiteral("Friederike Auguste Wilhelmine Hahnenkampf");
        const QString eightyTwo =
            QStringLiteral("Maximiliane Friederike Auguste Wilhelmine von Hahnenkamp-Schwarzenbach und Kunz zu");
        QCOMPARE(fortyOne.size(), 41);
        QCOMPARE(eightyTwo.size(), 82);

        QTest::newRow("zwölf Zeichen") << QStringLiteral("Karl Schmidt") << nameEstimate(12) << false;
        QTest::newRow("Blanks hinten zählen nicht") << QStringLiteral("Karl Schmidt   ") << nameEstimate(12) << false;
        QTest::newRow("ein Zeichen") << QStringLiteral("K") << nameEstimate(1) << false;
        QTest::newRow("41 Zeichen: an den linken Rand") << fortyOne << 0.0 << false;
        QTest::newRow("82 Zeichen: kleiner, bis er passt") << eightyTwo << 0.0 << true;
        QTest::newRow("breite Buchstaben: an den rechten Rand") << QString(30, u'W') << double(NAN) << false;
    }

    // The estimate stays for every name that fits; beyond it the name moves or shrinks, but it
    // is always whole on the sheet.
    void nameStaysWholeOnPaper()
    {
        QFETCH(QString, name);
        QFETCH(double, expectedX);
        QFETCH(bool, smaller);

        QVERIFY(m_driver.openCertificate(name));
        const QString pdf = print();
        QVERIFY(!pdf.isEmpty());
        const double lineY = 40 + kOriginMm;
        const QList<PdfWord> line = wordsNear(pdfWords(pdf), lineY);
        QVERIFY(!line.isEmpty());
        const double rightEdge = kPaperWidthMm - kOriginMm;
        if (std::isnan(expectedX))
            QCOMPARE(deviation("right end", line.last().xMax, rightEdge), QString());
        else
            QCOMPARE(deviation("x", line.first().xMin, expectedX + kOriginMm), QString());
        QVERIFY(line.first().xMin >= kOriginMm - 0.01);
        QVERIFY(line.last().xMax <= rightEdge + 0.01);

        const double fullHeight = measure(QStringLiteral("Dancing Script"), 20, false, name).heightMm;
        const double height = line.first().yMax - line.first().yMin;
        if (smaller)
            QVERIFY2(height < fullHeight - 0.2, qPrintable(QString::number(height)));
        else
            QCOMPARE(deviation("height", height, fullHeight, 0.05), QString());

        // Every bit of ink of the name lies on the sheet: nothing is cut off.
        const std::optional<QRectF> ink = inkOnSheet(pdf, QRectF(0, lineY - 2, kPaperWidthMm, 14), 254);
        QVERIFY(ink);
        QVERIFY2(ink->left() >= kOriginMm - 1.0 && ink->right() <= rightEdge + 1.0,
                 qPrintable(QStringLiteral("ink from %1 to %2 mm").arg(ink->left()).arg(ink->right())));
    }

    void datePrintedIsTheOneOfTheLoad()
    {
        QVERIFY(m_driver.openCertificate(kSampleName));
        Clock::fix(QDate(2027, 3, 15)); // the player prints on a later day
        const QString pdf = print();
        QVERIFY(!pdf.isEmpty());
        QList<PdfWord> line = wordsNear(pdfWords(pdf), 235 + kOriginMm);
        const PdfWord *day = findWord(line, QStringLiteral("01."));
        QVERIFY(day);
        QCOMPARE(deviation("x", day->xMin, 42 + kOriginMm), QString());
        QVERIFY2(joined(line).endsWith(QStringLiteral("01. Januar 2027")), qPrintable(joined(line)));
    }

    // The page is drawn ahead once the screen is painted; a name written into the screen after
    // that is the one that reaches the printer.
    void nameChangedAfterPreparationIsPrinted()
    {
        auto *screen = qobject_cast<CongratulationsScreen *>(m_driver.openCertificate(kSampleName));
        QVERIFY(screen);
        prepareCertificate(*screen);
        const QString later = QStringLiteral("Otto Braun");
        FormRegistry::instance().loadAndSetText(screenNamed(kScreen), QStringLiteral("lblName"), later);
        const QString pdf = print();
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(joined(wordsNear(pdfWords(pdf), 40 + kOriginMm)), later);

        // The program quits while the page is still being drawn: the worker finishes with what it
        // was given, the screen it came from already gone.
        FormRegistry::instance().reset();
        QVERIFY(m_driver.openCertificate(kSampleName));
        prepareCertificate(
            *qobject_cast<CongratulationsScreen *>(FormRegistry::instance().loaded(screenNamed(kScreen))));
        FormRegistry::instance().reset();
        finishBackgroundWork();
    }

    void printingLeadsToTheAboutScreen()
    {
        QVERIFY(m_driver.openCertificate(kSampleName));
        const int mark = m_driver.journalMark();
        const QString pdf = print();
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(m_driver.journalSince(mark), kToAbout);
        QVERIFY(m_driver.boxes().isEmpty());
        QCOMPARE(m_driver.visibleScreens(), QStringList{QStringLiteral("frmAbout")});
        QVERIFY(!m_driver.ended());
        QCOMPARE(m_spooler->titles, QStringList{QStringLiteral("Quellmärker-Urkunde")});

        // One A4 page.
        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(
            info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595[.\\d]* x 84[12][.\\d]* pts \\(A4\\)"))),
            qPrintable(info));
    }

    // The print system says no: the player learns why and keeps the certificate.
    void failedPrintKeepsTheCertificate_data()
    {
        QTest::addColumn<bool>("refused");     // the queue refuses the job; else there is no printer to take it
        QTest::addColumn<QStringList>("said"); // what the box says, among other words
        const QString why = QStringLiteral("The printer or class is not currently accepting jobs.");
        QTest::newRow("job refused") << true
                                     << QStringList{QStringLiteral("nicht gedruckt"), why,
                                                    QStringLiteral("Testdrucker")};
        QTest::newRow("no printer, folder unwritable")
            << false << QStringList{QStringLiteral("/proc/Quellmärker-Urkunde.pdf")};
    }

    void failedPrintKeepsTheCertificate()
    {
        QFETCH(bool, refused);
        QFETCH(QStringList, said);
        QTemporaryDir scratch;
        if (refused) {
            m_spooler->outcome = SpoolResult::Outcome::Failed;
            m_spooler->message = said.at(1);
        } else {
            // Nobody, not even root, creates files in /proc.
            useHome(QStringLiteral("/proc"), scratch.path());
            m_spooler->outcome = SpoolResult::Outcome::NoDestination;
        }
        QVERIFY(m_driver.openCertificate(kSampleName));
        const int mark = m_driver.journalMark();
        QVERIFY(m_driver.click(kScreen, QStringLiteral("Druck")));

        QCOMPARE(m_driver.boxes().size(), 1);
        const SeenBox &box = m_driver.boxes().first();
        QCOMPARE(box.style, 48);
        QCOMPARE(box.title, QStringLiteral("Brendelquiz"));
        for (const QString &words : said)
            QVERIFY2(box.text.contains(words), qPrintable(box.text));
        QVERIFY(box.visibleScreens.contains(kScreen));
        QCOMPARE(m_driver.journalSince(mark), QStringList{QStringLiteral("msgbox Brendelquiz")});
        QCOMPARE(m_driver.visibleScreens(), QStringList{kScreen});
        QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblName")), kSampleName);

        // Once a printer takes jobs, the same screen prints.
        m_spooler->outcome = SpoolResult::Outcome::Spooled;
        QVERIFY(m_driver.click(kScreen, QStringLiteral("Druck")));
        QCOMPARE(m_spooler->documents.size(), 2);
        QCOMPARE(m_driver.visibleScreens(), QStringList{QStringLiteral("frmAbout")});
    }

    void withoutPrinterTheCertificateBecomesAFile_data()
    {
        QTest::addColumn<QString>("documents");    // folder below home; empty: there is none
        QTest::addColumn<bool>("userDirs");        // named in the desktop's user-dirs.dirs
        QTest::addColumn<QStringList>("existing"); // certificates already there
        QTest::addColumn<QString>("expected");
        QTest::addColumn<SpoolResult::Problem>("problem"); // why there is no printer
        QTest::addColumn<QString>("why");                  // what the box says about it
        QTest::addColumn<Twist>("twist");

        const QString first = QStringLiteral("Quellmärker-Urkunde.pdf");
        const QString second = QStringLiteral("Quellmärker-Urkunde (2).pdf");
        const auto noDefault = SpoolResult::Problem::NoDefault;
        const QString noDefaultWhy = QStringLiteral("Es ist kein Standarddrucker eingerichtet.");
        const auto row = [&](const char *name, const QStringList &existing, const QString &expected,
                             Twist twist = Twist::None, SpoolResult::Problem problem = SpoolResult::Problem::NoDefault,
                             const QString &why = {}, const QString &documents = QStringLiteral("Documents"),
                             bool userDirs = false) {
            QTest::newRow(name) << documents << userDirs << existing << expected << problem
                                << (why.isEmpty() ? noDefaultWhy : why) << twist;
        };
        row("Dokumente", {}, first);
        row("eine Urkunde liegt schon da", {first}, second);
        row("zwei Urkunden liegen schon da", {first, second}, QStringLiteral("Quellmärker-Urkunde (3).pdf"));
        row("Ordner des Desktops", {}, first, Twist::None, noDefault, {}, QStringLiteral("Eigene Papiere"), true);
        row("kein Dokumente-Ordner: ins Home", {}, first, Twist::None, noDefault, {}, QString());
        // A print system that does not answer, or none at all, is not a missing default printer.
        const auto unreachable = SpoolResult::Problem::Unreachable;
        row("Drucksystem antwortet nicht", {}, first, Twist::None, unreachable,
            QStringLiteral("Das Drucksystem dieses Rechners ist nicht erreichbar."));
        row("kein Drucksystem", {}, first, Twist::None, SpoolResult::Problem::NoPrintSystem,
            QStringLiteral("Auf diesem Rechner ist kein Drucksystem installiert."));
        // Gone in the middle of the handover: not printed as far as anyone knows, so kept as a file
        // too, and the screen stays as after any failed print.
        row("Drucksystem geht während der Übergabe", {first}, second, Twist::PrintSystemGone, unreachable,
            QStringLiteral("Deine Urkunde konnte auf dem Drucker \"Testdrucker\" nicht gedruckt werden.\n\n"
                           "Grund: Connection reset\n\nSie wurde als PDF-Datei gespeichert:\n"));
        // Named by an empty file of its own first; a part file is cleared away unless locked by its writer.
        row("ohne RENAME_NOREPLACE und harte Links", {first}, second, Twist::PlainFileSystem);
        const QString part = QStringLiteral(".Quellmärker-Urkunde-0badc0de.part");
        row("Teildatei eines beendeten Spiels", {part}, first, Twist::KilledGamesPart);
        row("Teildatei eines laufenden Spiels", {part}, first, Twist::RunningGamesPart);
    }

    // No default printer: the certificate is kept as a PDF, never over another file, and the
    // player is told where; the game goes on as after printing.
    void withoutPrinterTheCertificateBecomesAFile()
    {
        QFETCH(QString, documents);
        QFETCH(bool, userDirs);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QFETCH(SpoolResult::Problem, problem);
        QFETCH(QString, why);
        QFETCH(Twist, twist);
        const bool gone = twist == Twist::PrintSystemGone;

        QTemporaryDir scratch;
        const QString home = scratch.filePath(QStringLiteral("home"));
        const QString config = scratch.filePath(QStringLiteral("config"));
        const QString folder = documents.isEmpty() ? home : home + u'/' + documents;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(config));
        if (userDirs)
            QVERIFY(writeFile(config + QStringLiteral("/user-dirs.dirs"),
                              "XDG_DOCUMENTS_DIR=\"$HOME/" + documents.toUtf8() + "\"\n"));
        for (const QString &name : existing)
            QVERIFY(writeFile(folder + u'/' + name, "alte Urkunde"));
        useHome(home, config);
        QFile running(folder + u'/' + existing.value(0));
        if (twist == Twist::RunningGamesPart)
            QVERIFY(running.open(QIODevice::ReadOnly) && ::flock(running.handle(), LOCK_EX) == 0);
        plainFileSystem = twist == Twist::PlainFileSystem;

        m_spooler->outcome = gone ? SpoolResult::Outcome::Failed : SpoolResult::Outcome::NoDestination;
        m_spooler->problem = problem;
        m_spooler->message = gone ? QStringLiteral("Connection reset") : QString();
        QVERIFY(m_driver.openCertificate(kSampleName));
        const int mark = m_driver.journalMark();
        QVERIFY(m_driver.click(kScreen, QStringLiteral("Druck")));

        const QString path = folder + u'/' + expected;
        QCOMPARE(m_driver.boxes().size(), 1);
        QCOMPARE(m_driver.boxes().first().style, gone ? 48 : 0);
        QCOMPARE(
            m_driver.boxes().first().text.section(QStringLiteral("\n\nDie Urkunde bleibt"), 0, 0),
            why + (gone ? QString() : QStringLiteral(" Deine Urkunde wurde deshalb als PDF-Datei gespeichert:\n\n"))
                + QDir::toNativeSeparators(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), m_spooler->documents.last());
        for (const QString &name : existing) {
            QFile old(folder + u'/' + name);
            QCOMPARE(old.open(QIODevice::ReadOnly), twist != Twist::KilledGamesPart);
            if (twist == Twist::KilledGamesPart)
                continue;
            QCOMPARE(old.readAll(), QByteArray("alte Urkunde"));
        }
        QCOMPARE(m_driver.journalSince(mark),
                 QStringList{QStringLiteral("msgbox Brendelquiz")} + (gone ? QStringList() : kToAbout));
        // Only the certificate itself: no part of the file written on its way there.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(),
                 existing.size() + (twist != Twist::KilledGamesPart));
    }

private:
    // Clicks "&drucken" and writes the one document the spooler got to a file; empty when none came.
    QString print()
    {
        const qsizetype before = m_spooler->documents.size();
        if (!m_driver.click(kScreen, QStringLiteral("Druck")) || m_spooler->documents.size() != before + 1)
            return QString();
        const QString pdfFile = m_dir.filePath(QStringLiteral("certificate-%1.pdf").arg(++m_printed));
        return writeFile(pdfFile, m_spooler->documents.last()) ? pdfFile : QString();
    }

    void useHome(const QString &home, const QString &configHome)
    {
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
    }

    // The box of the ink that a window of the sheet holds, both in millimetres on the sheet.
    std::optional<QRectF> inkOnSheet(const QString &pdf, const QRectF &windowMm, int dpi)
    {
        const QRect window = pixelWindow(windowMm, dpi);
        const QImage raster = rasterize(pdf, dpi, window, m_dir.path());
        const std::optional<QRectF> ink = raster.isNull() ? std::nullopt : inkBox(raster, raster.rect());
        if (!ink)
            return std::nullopt;
        const double dotsPerMm = dpi / 25.4;
        return QRectF(ink->translated(window.topLeft()).topLeft() / dotsPerMm, ink->size() / dotsPerMm);
    }

    GameDriver m_driver;
    CapturingSpooler *m_spooler = nullptr;
    QTemporaryDir m_dir;
    int m_printed = 0;
    QString m_samplePdf;
    QList<PdfWord> m_sample;
    QByteArray m_home;
    QByteArray m_configHome;
};

QTEST_MAIN(CertificateTest)
#include "tst_certificate.moc"
