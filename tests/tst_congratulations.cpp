// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulations screen: its certificate as the player sees it, the date of the day
// it was opened, and the two ways to the about screen.

#include "driver/game_driver.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/forms.h"
#include "platform/print_spooler.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace bq;
using namespace bq::test;

namespace {

const QString kScreen = QStringLiteral("frmGlückwunsch");
const QString kName = QStringLiteral("Erika Mustermann");

// Counts the certificates handed to the print system; prints nothing.
class CountingSpooler : public PrintSpooler {
public:
    SpoolResult submit(const QString &, const QString &) override
    {
        ++jobs;
        SpoolResult result;
        result.outcome = SpoolResult::Outcome::Spooled;
        return result;
    }
    int jobs = 0;
};

} // namespace

class CongratulationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase();

    void labels_data();
    void labels();
    void windowPictureAndButtons();
    void tabOrderStartsOnLeaving();
    void keysLeadToTheAboutScreen_data();
    void keysLeadToTheAboutScreen();
    void dateOfTheDayInGerman_data();
    void dateOfTheDayInGerman();
    void dateIsTakenOncePerLoad();
    void nameShownExactlyAsTyped_data();
    void nameShownExactlyAsTyped();

private:
    GameDriver m_driver;
    CountingSpooler *m_spooler = nullptr;
};

void CongratulationsTest::init()
{
    m_driver.reset();
    auto spooler = std::make_unique<CountingSpooler>();
    m_spooler = spooler.get();
    PrintSpooler::setInstance(std::move(spooler));
}

void CongratulationsTest::cleanup()
{
    QCOMPARE(m_driver.finish(), QStringList());
    Clock::release();
    QLocale::setDefault(QLocale::system());
}

void CongratulationsTest::cleanupTestCase()
{
    PrintSpooler::setInstance(std::make_unique<CountingSpooler>());
}

void CongratulationsTest::labels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QColor>("colour");

    const QString sans = QStringLiteral("MS Sans Serif");
    const QColor black(Qt::black);
    auto row = [](const char *label, const char *text) -> QTestData & {
        return QTest::newRow(label) << QString::fromUtf8(label) << QString::fromUtf8(text);
    };
    row("lblverleihenwir", "Hiermit verleihen wir")
        << fromTwips(480, 120, 7575, 375) << sans << 9.75 << true << false << true << black;
    row("lblName", "Erika Mustermann") << fromTwips(1800, 720, 5055, 375) << QStringLiteral("Arial") << 14.25
                                       << true << true << true << QColor(0, 0, 255);
    row("lblTitel", "den Titel") << fromTwips(2880, 1320, 2895, 255) << sans << 9.75 << true << false << true
                                 << black;
    row("lblwahrerQuellmärker", "\"Wahre/r Quellmärker-Bürger/in\"")
        << fromTwips(1320, 1680, 6135, 375) << sans << 13.5 << true << false << true << black;
    row("lblText1", "Er/Sie darf sich von nun an \"Echter Quellmärker\" nennen.")
        << fromTwips(360, 5400, 7935, 255) << sans << 9.75 << true << false << true << black;
    row("LblText1_2", "Mit diesem Titel gehen folgende Privilegien auf den Träger über:")
        << fromTwips(360, 5760, 7935, 255) << sans << 9.75 << true << false << true << black;
    row("lblText2", "1. Alle Hessen, Schwaben, Badner und Elsässer müssen Ihn zuerst grüßen.")
        << fromTwips(360, 6120, 8055, 375) << sans << 9.75 << true << false << false << black;
    row("lblText3", "2. Er hat das Recht jedes Quellmärker Weinfest mit einem Schwips zu verlassen.")
        << fromTwips(360, 6480, 8055, 375) << sans << 9.75 << true << false << false << black;
    row("lblText4", "3. Er darf sich im Quellmärker Wald frei und ohne Aufsicht bewegen.")
        << fromTwips(360, 6840, 8055, 375) << sans << 9.75 << true << false << false << black;
    row("lblMainz", "Mainz, den") << fromTwips(360, 7920, 1215, 255) << sans << 9.75 << true << false << false
                                  << black;
    row("lblDatum", "01. Januar 2027") << fromTwips(1680, 7920, 2535, 255) << QStringLiteral("Arial") << 8.25
                                       << true << false << false << black;
    row("lblUnterschrift", "Knörz vun de Quellmork") << fromTwips(5040, 7920, 3015, 375)
                                                     << QStringLiteral("Arial") << 14.25 << false << false << true
                                                     << black;
}

void CongratulationsTest::labels()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, centred);
    QFETCH(QColor, colour);

    Clock::fix(QDate(2027, 1, 1));
    Form *screen = m_driver.openCertificate(kName);
    QVERIFY(screen);
    auto *control = screen->control<QLabel>(label);
    QVERIFY(control);
    control->ensurePolished();
    QCOMPARE(control->text(), text);
    // Each label stands at its place; a text too long for one line gets room below.
    QCOMPARE(control->pos(), place.topLeft());
    QCOMPARE(control->width(), place.width());
    QVERIFY(control->height() >= place.height());
    QVERIFY2(control->heightForWidth(control->width()) <= control->height(), "the text is cut off");
    // The face named, as the installed family that stands for it.
    QCOMPARE(control->font().family(), installedFace(family));
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(control->font().italic(), italic);
    QCOMPARE(control->alignment() & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft);
    QCOMPARE(control->textFormat(), Qt::PlainText);
    QCOMPARE(control->palette().color(QPalette::WindowText), colour);
    // White on a white screen: a corner of the label, where no letter stands.
    QCOMPARE(control->grab().toImage().pixelColor(0, place.height() - 1), QColor(Qt::white));
}

void CongratulationsTest::windowPictureAndButtons()
{
    Form *screen = m_driver.openCertificate(kName);
    QVERIFY(screen);
    QCOMPARE(screen->windowTitle(), QStringLiteral("Herzlichen Glückwunsch"));
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

void CongratulationsTest::tabOrderStartsOnLeaving()
{
    Form *screen = m_driver.openCertificate(kName);
    QVERIFY(screen);
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                 QStringLiteral("cmdende"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Druck"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdende"));
}

void CongratulationsTest::keysLeadToTheAboutScreen_data()
{
    QTest::addColumn<QString>("focus"); // the control that has the focus; empty: leave as opened
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("printed");

    QTest::newRow("Alt+P: Programm beenden") << QString() << int(Qt::Key_P) << int(Qt::AltModifier) << 0;
    QTest::newRow("Alt+D: drucken") << QString() << int(Qt::Key_D) << int(Qt::AltModifier) << 1;
    QTest::newRow("Enter am Anfang") << QString() << int(Qt::Key_Return) << int(Qt::NoModifier) << 0;
    QTest::newRow("Enter auf drucken") << QStringLiteral("Druck") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("Leertaste auf drucken") << QStringLiteral("Druck") << int(Qt::Key_Space) << int(Qt::NoModifier)
                                           << 1;
}

// Both buttons end on the about screen, the congratulations screen gone, the game still on.
void CongratulationsTest::keysLeadToTheAboutScreen()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, printed);

    Form *screen = m_driver.openCertificate(kName);
    QVERIFY(screen);
    QTRY_VERIFY(QApplication::activeWindow() == screen);
    if (!focus.isEmpty())
        screen->control(focus)->setFocus();
    const int mark = m_driver.journalMark();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : screen, Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(m_driver.journalSince(mark),
                 (QStringList{QStringLiteral("unload frmGlückwunsch"), QStringLiteral("show frmAbout")}));
    QCOMPARE(m_spooler->jobs, printed);
    QCOMPARE(m_driver.visibleScreens(), QStringList{QStringLiteral("frmAbout")});
    QVERIFY(!Forms::instance().isLoaded(kScreen));
    QVERIFY(!m_driver.ended());
}

void CongratulationsTest::dateOfTheDayInGerman_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Tag unter 10") << QDate(2027, 1, 1) << QStringLiteral("01. Januar 2027");
    QTest::newRow("Dezember") << QDate(2026, 12, 7) << QStringLiteral("07. Dezember 2026");
    QTest::newRow("Umlaut") << QDate(2028, 3, 5) << QStringLiteral("05. März 2028");
    QTest::newRow("zweistellig") << QDate(2029, 10, 31) << QStringLiteral("31. Oktober 2029");
}

void CongratulationsTest::dateOfTheDayInGerman()
{
    QFETCH(QDate, today);
    QFETCH(QString, shown);
    // Whatever language the desktop speaks, the certificate is German.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::fix(today);
    m_driver.openCertificate(kName);
    QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblDatum")), shown);
}

void CongratulationsTest::dateIsTakenOncePerLoad()
{
    Clock::fix(QDate(2027, 1, 1));
    m_driver.openCertificate(kName);
    Clock::fix(QDate(2027, 1, 2)); // midnight passes while the screen is open
    Forms::instance().hide(kScreen);
    m_driver.show(kScreen);
    QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblDatum")), QStringLiteral("01. Januar 2027"));

    // A fresh load starts from the definition: new date, empty name.
    Forms::instance().unload(kScreen);
    m_driver.show(kScreen);
    QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblDatum")), QStringLiteral("02. Januar 2027"));
    QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblName")), QString());
}

void CongratulationsTest::nameShownExactlyAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("leer") << QString();
    QTest::newRow("Blanks bleiben") << QStringLiteral("  Jürgen Größ  ");
    QTest::newRow("kein Markup") << QStringLiteral("<b>Fritz</b> & Co");
}

void CongratulationsTest::nameShownExactlyAsTyped()
{
    QFETCH(QString, name);
    m_driver.openCertificate(name);
    QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblName")), name);
    QCOMPARE(m_driver.text(kScreen, QStringLiteral("lblverleihenwir")), QStringLiteral("Hiermit verleihen wir"));
}

QTEST_MAIN(CongratulationsTest)
#include "tst_congratulations.moc"
