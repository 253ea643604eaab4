// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: catalogue, welcome, quit and coward dialogs, info page, about
// screen, the forms runtime's rules and the sound service.
#include "app/course.h"
#include "driver/game_driver.h"
#include "platform/form_registry.h"
#include "platform/journal.h"
#include "platform/sound.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using bq::test::GameDriver;
using bq::test::screenNamed;

class ShellTest : public QObject {
    Q_OBJECT

private:
    GameDriver driver;

    static QTimer *timerOf(const QString &screen)
    {
        return bq::FormRegistry::instance().load(screenNamed(screen))->control<QTimer>(QStringLiteral("Timer1"));
    }

    // The ring of thanks, as the four boxes hidden behind the ticker hold it now. A box the
    // player could see is left out, which makes the ring come up short.
    QStringList thanksRing(const QString &about)
    {
        QStringList ring;
        for (int i = 1; i <= 4; ++i) {
            const QString box = QStringLiteral("txtDank%1").arg(i);
            if (!driver.isControlVisible(about, box))
                ring.append(driver.text(about, box));
        }
        return ring;
    }

    // Where the course table's rows for a screen do not fit it: a control, timer or name label
    // they name that is not there, a step after Judge, a judgement with no right and wrong
    // row to go on with; and the screen's buttons that no row answers (options only choose).
    static QStringList courseFaults(const bq::Form &form)
    {
        namespace course = bq::course;
        const auto screen = bq::Screen(form.id());
        QStringList faults;
        const auto lacks = [&](const bq::Form &where, const char *control, auto *type) {
            using Control = std::remove_pointer_t<decltype(type)>;
            if (!where.control<Control>(QString::fromUtf8(control)))
                faults << where.name() + u'.' + QString::fromUtf8(control) + QStringLiteral(" is missing");
        };
        QStringList answered;
        bool judges = false;
        int verdicts = 0;
        for (const course::Row &row : course::rows()) {
            if (row.screen != screen)
                continue;
            verdicts += row.event.kind == course::Event::Kind::Right || row.event.kind == course::Event::Kind::Wrong;
            if (row.event.kind == course::Event::Kind::Click) {
                lacks(form, row.event.control, static_cast<QAbstractButton *>(nullptr));
                answered << QString::fromUtf8(row.event.control);
            } else if (row.event.kind == course::Event::Kind::Tick) {
                lacks(form, row.event.control, static_cast<QTimer *>(nullptr));
            }
            for (std::size_t i = 0; i < row.steps.size(); ++i) {
                const course::Step &step = row.steps[i];
                judges |= std::holds_alternative<course::Judge>(step);
                if (std::holds_alternative<course::Judge>(step) && i + 1 != row.steps.size())
                    faults << form.name() + QStringLiteral(": a step after Judge is never taken");
                if (const auto *copy = std::get_if<course::CopyName>(&step)) {
                    const bq::Screen target = copy->screen == course::Self ? screen : copy->screen;
                    lacks(*bq::FormRegistry::instance().load(target), copy->label, static_cast<QLabel *>(nullptr));
                } else if (const auto *toggle = std::get_if<course::Toggle>(&step)) {
                    lacks(form, toggle->control, static_cast<QWidget *>(nullptr));
                } else if (const auto *text = std::get_if<course::CopyText>(&step)) {
                    lacks(form, text->from, static_cast<QWidget *>(nullptr));
                    lacks(form, text->to, static_cast<QWidget *>(nullptr));
                }
            }
        }
        if (judges && verdicts != 2)
            faults << form.name() + QStringLiteral(": a judgement needs one right and one wrong row");
        for (const QAbstractButton *button : form.findChildren<QAbstractButton *>()) {
            if (!qobject_cast<const QRadioButton *>(button) && !answered.contains(button->objectName()))
                faults << form.name() + u'.' + button->objectName() + QStringLiteral(" has no row");
        }
        return faults;
    }

private Q_SLOTS:
    void init() { driver.reset(); }
    void cleanup() { QCOMPARE(driver.finish(), QStringList()); }

    // Every screen of the game by its name, with its caption and window kind as the rules
    // give them: a normal window can be sized, a dialog cannot; and the course table's rows
    // for it fit the screen.
    void everyScreenByItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("dialog");
        const auto normal = [](const char *name, const char *caption, bool dialog = false) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption) << dialog;
        };
        const auto dialog = [&](const char *name, const char *caption) { normal(name, caption, true); };
        normal("Brendelquiz", "Herzlich Willkommen zum Brendelquiz");
        dialog("dlgbeenden", "Beenden?");
        dialog("Dlgfeigling", "Ok,schliessen wir das Programm");
        normal("frmFrage1", "noch 14 Fragen bis zum ordentlichen Quellmärker");
        dialog("Dlgfrage1_falsch", "falsche Antwort Frage 1");
        dialog("DlgFrage1_richtig", "Stimmt");
        normal("frmFrage2", "noch 13 Fragen bis zum ordentlichen Quellmärker");
        dialog("DlgFrage2_falsch", "das war falsch!");
        dialog("Dlgfrage2_richtig", "korrekt!");
        normal("frmFrage3", "noch 12 Fragen bis zum ordentlichen Quellmärker");
        dialog("dlgfrage3_richtig", "richtig");
        dialog("DlgFrage3_falsch", "Falsch!");
        normal("frmFrage4", "noch 11 Fragen bis zum ordentlichen Quellmärker");
        dialog("DlgFrage4_richtig", "das ist richtig!");
        dialog("DlgFrage4_falsch", "leider nein!");
        normal("frmFrage5", "noch 10 Fragen bis zum ordentlichen Quellmärker");
        dialog("DlgFrage5_richtig", "nicht schlecht...");
        dialog("DlgFrage5_falsch", "das war wohl nix");
        normal("frmFrage6", "noch 9 Fragen");
        dialog("DlgNamen_angeben", "Name?");
        dialog("DlgNamen_anzeigen", "Hallo");
        dialog("DlgFrage6_richtig", "Frage 6 ist richtig!");
        dialog("DlgFrage6_falsch", "faaaalsch!");
        normal("frmFrage8", "Frage 8");
        dialog("dlgFrage8_richtig", "Stimmt!");
        dialog("dlgFrage8_falsch", "falsch - falsch");
        dialog("dlgFrage7_falsch", "Faahaalsch!!");
        normal("frmFrage9", "Frage 9");
        dialog("dlgFrage9_richtig", "Gut Gut...weiter so");
        dialog("dlgFrage9_falsch", "Nääää");
        dialog("dlgFrage7_richtig", "mehr als richtig gibt es nicht!");
        normal("frmFrage10", "noch 5 Fragen");
        dialog("dlgFrage10_richtig", "Diese Antwort ist korrekt!");
        dialog("dlgFrage10_falsch", "Leider falsch");
        dialog("dlgFrage11_richtig", "Frage 11 hast Du richtig beantwortet!");
        dialog("dlgFrage11_falsch", "Der Kandidat hat 0 Punkte!");
        normal("frmFrage11", "noch läppische 4 Fragen");
        normal("frmFrage12", "Nur noch 3 Fragen!");
        normal("frmFrage13", "Noch 3 Fragen bis zum glücklichen Quellmärker");
        dialog("dlgFrage12_richtig", "Klasse! Gleich hast Du es geschafft!");
        dialog("dlgFrage12_falsch", "Knapp vorbei ist auch daneben!");
        dialog("dlgFrage13_richtig", "noch 2 klitzekleine Fragen");
        dialog("dlgFrage13_falsch", "Das war nix!");
        normal("frmFrage14", "Frage 14 von 15");
        dialog("dlgFrage14_richtig", "stimmt..stimmt");
        dialog("dlgFrage14_falsch", "Waaas Du weisst das nicht?");
        normal("frmFrage15", "Frage 15 !!");
        dialog("dlgFrage15_falsch", "Neeeeeein!!!");
        dialog("dlgFrage15_richtig", "Hurra, das war Frage15!");
        normal("frmFrage16", "allerletzte Frage");
        normal("frmGlückwunsch", "Herzlichen Glückwunsch");
        dialog("dlgFrage16_falsch", "Name des Dialogfeldes");
        normal("frmFrage7", "Frage 7");
        dialog("frmAbout", "Info Brendelquiz");
        normal("frmwieso", "wieso eigentlich?");
        dialog("dlgLogofuerexe", "Name des Dialogfeldes");
    }

    void everyScreenByItsName()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, dialog);
        bq::Form *form = bq::FormRegistry::instance().load(screenNamed(name));
        QCOMPARE(form->objectName(), name);
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(form->isWindow() && !form->parentWidget());
        QCOMPARE(form->minimumSize() == form->maximumSize(), dialog);
        QVERIFY(driver.visibleScreens().isEmpty()); // loading shows nothing
        const QStringList faults = courseFaults(*form);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void handlersFollowTheirRows_data()
    {
        QTest::addColumn<QStringList>("before"); // screens shown first; the button is on the last
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("visibleAfter");
        const auto row = [](const char *name, const QStringList &before, const char *button,
                            const QStringList &expected, const QStringList &visibleAfter) {
            QTest::newRow(name) << before << QString::fromUtf8(button) << expected << visibleAfter;
        };
        row("los gehts", {"Brendelquiz"}, "cdmlos_gehts", {"show DlgNamen_angeben"},
            {"Brendelquiz", "DlgNamen_angeben"});
        row("besser nicht", {"Brendelquiz"}, "Cmdbessernicht", {"unload Brendelquiz", "show dlgbeenden"},
            {"dlgbeenden"});
        row("weshalb wieso", {"Brendelquiz"}, "CmdProgramminfo", {"show frmwieso"}, {"Brendelquiz", "frmwieso"});
        row("info ok", {"Brendelquiz", "frmwieso"}, "cmdok", {"unload frmwieso"}, {"Brendelquiz"});
        row("oh naeae", {"dlgbeenden"}, "CancelButton", {"msgbox Brendelquiz", "unload dlgbeenden", "show Brendelquiz"},
            {"Brendelquiz"});
        row("doooch", {"dlgbeenden"}, "OKButton", {"unload dlgbeenden", "play pfff", "show Dlgfeigling"},
            {"Dlgfeigling"});
        row("feigling ok", {"Dlgfeigling"}, "OKButton", {"unload Dlgfeigling", "show frmAbout"}, {"frmAbout"});
        row("ende", {"frmAbout"}, "cmdExit", {"end"}, {});
        row("name ok", {"Brendelquiz", "DlgNamen_angeben"}, "OKButton",
            {"show DlgNamen_anzeigen", "set DlgNamen_anzeigen.lblName_ist", "hide DlgNamen_angeben", "play danke"},
            {"Brendelquiz", "DlgNamen_anzeigen"});
        row("name abbrechen", {"Brendelquiz", "DlgNamen_angeben"}, "CancelButton", {"unload DlgNamen_angeben"},
            {"Brendelquiz"});
        row("greeting ok", {"Brendelquiz", "DlgNamen_anzeigen"}, "OKButton",
            {"unload DlgNamen_anzeigen", "unload Brendelquiz", "show frmFrage1"}, {"frmFrage1"});
    }

    void handlersFollowTheirRows()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, button);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, visibleAfter);
        for (const QString &name : before)
            driver.show(name);
        const int mark = driver.journalMark();
        QVERIFY(driver.click(before.last(), button));
        QCOMPARE(driver.journalSince(mark), expected);
        QCOMPARE(driver.visibleScreens(), visibleAfter);
        QCOMPARE(driver.ended(), visibleAfter.isEmpty());
    }

    void journalPositionsOutliveItsCap()
    {
        // A long run lets the oldest entries go; a reader's position must still mean the
        // same entry, and a reader left behind must be able to tell.
        bq::Journal &journal = bq::Journal::instance();
        for (int i = 0; i < 25000; ++i)
            journal.record(QStringLiteral("play"), QString::number(i));
        const qsizetype held = journal.end() - 3;
        for (int i = 25000; i < 45000; ++i)
            journal.record(QStringLiteral("play"), QString::number(i));
        QCOMPARE(journal.end(), qsizetype(45000));
        QVERIFY(journal.start() > held);
        QCOMPARE(journal.since(journal.start()).first().target, QString::number(journal.start()));
        QCOMPARE(journal.since(44998).size(), qsizetype(2));
        QCOMPARE(journal.since(44998).first().target, QStringLiteral("44998"));
        journal.clear();
    }

    void labelsTakeTurnsEvery1800ms()
    {
        driver.startGame();
        const QString w = QStringLiteral("Brendelquiz");
        QCOMPARE(timerOf(w)->interval(), 1800);
        QVERIFY(timerOf(w)->isActive());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(driver.isControlVisible(w, "lblAutor"));
        QVERIFY(!driver.isControlVisible(w, "lblemail"));
        QVERIFY(driver.isControlVisible(w, "lblAnregung"));
        QTRY_VERIFY_WITH_TIMEOUT(driver.isControlVisible(w, "lblemail"), 3000);
        QVERIFY(clock.elapsed() >= 1700);
        QVERIFY(!driver.isControlVisible(w, "lblAutor"));
        QTRY_VERIFY_WITH_TIMEOUT(driver.isControlVisible(w, "lblAutor"), 3000);
        QVERIFY(clock.elapsed() >= 3500);
        QVERIFY(!driver.isControlVisible(w, "lblemail"));
    }

    void welcomeTexts()
    {
        driver.startGame();
        const QString w = QStringLiteral("Brendelquiz");
        QCOMPARE(driver.text(w, "txtbereit"), QStringLiteral("Bereit zu diesem Test?"));
        const QString greeting = driver.text(w, "txtBegrüssung");
        QCOMPARE(greeting.count(u'\n'), 4);
        QVERIFY(greeting.startsWith(QStringLiteral("Jou, Sie sind ein Quellmärker")));
        QVERIFY(greeting.contains(QStringLiteral("besitzen? Dann \nwerden Sie")));
        QVERIFY(greeting.endsWith(QStringLiteral("richtig beantworten.\n")));
        QCOMPARE(driver.text(w, "cdmlos_gehts"), QStringLiteral("Roger, los gehts"));
        QCOMPARE(driver.text(w, "Cmdbessernicht"), QStringLiteral("Besser nicht"));
        QCOMPARE(driver.text(w, "CmdProgramminfo"), QStringLiteral("Weshalb,Wieso?"));
        QVERIFY(driver.text(w, "lblemail").startsWith(QStringLiteral("email: ")));
    }

    void takingItBackGivesAFreshWelcomeScreen()
    {
        driver.startGame();
        QVERIFY(driver.tick("Brendelquiz", "Timer1")); // the e-mail line is showing now
        QVERIFY(driver.isControlVisible("Brendelquiz", "lblemail"));
        QVERIFY(driver.click("Brendelquiz", "Cmdbessernicht"));
        QCOMPARE(driver.visibleScreens(), QStringList{"dlgbeenden"});
        QStringList atBox;
        driver.setBoxObserver([&](const bq::test::SeenBox &box) { atBox = box.visibleScreens; });
        QVERIFY(driver.click("dlgbeenden", "CancelButton"));
        QCOMPARE(atBox, QStringList{"dlgbeenden"});
        QCOMPARE(driver.boxes().size(), 1);
        QCOMPARE(driver.boxes().at(0).text, QStringLiteral("Na also wieso nicht gleich so!"));
        QCOMPARE(driver.boxes().at(0).title, QStringLiteral("Brendelquiz"));
        QCOMPARE(driver.boxes().at(0).style, 0);
        QCOMPARE(driver.visibleScreens(), QStringList{"Brendelquiz"});
        QVERIFY(driver.isControlVisible("Brendelquiz", "lblAutor"));
        QVERIFY(!driver.isControlVisible("Brendelquiz", "lblemail"));
        QVERIFY(timerOf("Brendelquiz")->isActive());
    }

    // On the quit dialog Escape does nothing at all, and Enter insists on quitting.
    void escapeDoesNothingAndEnterInsistsOnTheQuitDialog()
    {
        driver.show("dlgbeenden");
        bq::Form *dialog = bq::FormRegistry::instance().load(bq::Screen::dlgbeenden);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("OKButton"));
        const int mark = driver.journalMark();
        QVERIFY(driver.pressKey("dlgbeenden", Qt::Key_Escape));
        QCOMPARE(driver.visibleScreens(), QStringList{"dlgbeenden"});
        QVERIFY(driver.pressKey("dlgbeenden", Qt::Key_Return));
        QCOMPARE(driver.journalSince(mark), (QStringList{"unload dlgbeenden", "play pfff", "show Dlgfeigling"}));
    }

    void infoScreenOpensOnce()
    {
        driver.startGame();
        QVERIFY(driver.click("Brendelquiz", "CmdProgramminfo"));
        bq::Form *first = bq::FormRegistry::instance().loaded(bq::Screen::frmwieso);
        QVERIFY(driver.click("Brendelquiz", "CmdProgramminfo"));
        QCOMPARE(bq::FormRegistry::instance().loaded(bq::Screen::frmwieso), first);
        int windows = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows += w->objectName() == QStringLiteral("frmwieso") && w->isVisible();
        QCOMPARE(windows, 1);
        QCOMPARE(driver.text("frmwieso", "LblHinweise"),
                 QStringLiteral("Solltet Ihr Anregungen, Verbessungsvorschläge etc. haben, schreibt mir einfach "
                                "eine email an  folgende Adresse:"));
        QVERIFY(driver.text("frmwieso", "lblSinn").contains(QStringLiteral("als \"wahren\" Quellmärker")));
        // OK closes only the info page; the welcome screen keeps its turns.
        QVERIFY(driver.click("frmwieso", "cmdok"));
        QCOMPARE(driver.visibleScreens(), QStringList{"Brendelquiz"});
        QVERIFY(timerOf("Brendelquiz")->isActive());
    }

    void tickerRunsThroughTheRing()
    {
        driver.show("frmAbout");
        const QString a = QStringLiteral("frmAbout");
        QCOMPARE(timerOf(a)->interval(), 2000);
        QVERIFY(timerOf(a)->isActive());
        const QStringList ring = thanksRing(a);
        QCOMPARE(ring.size(), 4);
        for (const QString &entry : ring) // someone thanked, and a joke in brackets
            QVERIFY2(entry.indexOf(u'(') > 0 && entry.endsWith(u')'), qPrintable(entry));
        QCOMPARE(QSet<QString>(ring.begin(), ring.end()).size(), 4); // else the order would prove nothing
        // Empty until the first tick; whatever the player typed into the ticker is
        // overwritten and never enters the ring.
        QCOMPARE(driver.text(a, "Text0"), QString());
        QVERIFY(driver.type(a, "Text0", QStringLiteral("meins")));
        for (int t = 0; t < 8; ++t) {
            QVERIFY(driver.tick(a, "Timer1"));
            QCOMPARE(driver.text(a, "Text0"), ring.at(t % 4));
        }
        QCOMPARE(thanksRing(a), ring); // after every fourth tick the boxes are as loaded
        QCOMPARE(driver.text(a, "lblDisclaimer").right(8), QStringLiteral("erlaubt."));
        QCOMPARE(driver.text(a, "lbldiesesoftware"), QStringLiteral("Diese Software ist "));
        QCOMPARE(driver.text(a, "lblVersion"), QStringLiteral("Version 1.0"));
    }

    void firstTickerEntryAfterTwoSeconds()
    {
        driver.show("frmAbout");
        QElapsedTimer clock;
        clock.start();
        const QString first = driver.text("frmAbout", "txtDank1");
        QVERIFY(!first.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!driver.text("frmAbout", "Text0").isEmpty(), 3000);
        QVERIFY(clock.elapsed() >= 1900);
        QCOMPARE(driver.text("frmAbout", "Text0"), first);
    }

    void aboutScreenRefusesEveryClose()
    {
        driver.show("frmAbout");
        bq::Form *about = bq::FormRegistry::instance().load(bq::Screen::frmAbout);
        QVERIFY(!(about->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(about->windowFlags() & Qt::CustomizeWindowHint);
        QVERIFY(!about->close());
        QVERIFY(driver.pressKey("frmAbout", Qt::Key_Escape));
        QCoreApplication::processEvents();
        QCOMPARE(driver.visibleScreens(), QStringList{"frmAbout"});
        QVERIFY(!driver.ended());
        QVERIFY(driver.click("frmAbout", "cmdExit"));
        QVERIFY(driver.ended());
        QVERIFY(driver.visibleScreens().isEmpty());
    }

    void closingTheLastVisibleWindowEndsTheGame()
    {
        driver.startGame();
        QVERIFY(driver.click("Brendelquiz", "cdmlos_gehts"));
        QVERIFY(driver.click("DlgNamen_angeben", "OKButton"));
        bq::FormRegistry::instance().load(bq::Screen::Brendelquiz)->close();
        QVERIFY(!driver.ended()); // the greeting is still there
        bq::FormRegistry::instance().load(bq::Screen::DlgNamen_anzeigen)->close();
        // Only the hidden name dialog is left: the program does not linger invisibly.
        QVERIFY(driver.ended());
        QVERIFY(driver.journal().endsWith(QStringLiteral("end")));
    }

    void infoPageOutlivesTheWelcomeScreen()
    {
        driver.startGame();
        QVERIFY(driver.click("Brendelquiz", "CmdProgramminfo"));
        QVERIFY(driver.click("Brendelquiz", "Cmdbessernicht"));
        bq::FormRegistry::instance().load(bq::Screen::dlgbeenden)->close();
        QVERIFY(!driver.ended());
        QCOMPARE(driver.visibleScreens(), QStringList{"frmwieso"});
        QVERIFY(driver.click("frmwieso", "cmdok"));
        QVERIFY(driver.ended());
    }

    void unloadForgetsEverything()
    {
        driver.show("DlgNamen_angeben");
        driver.type("DlgNamen_angeben", "txt_Name", QStringLiteral("Hein"));
        bq::FormRegistry::instance().unload(bq::Screen::DlgNamen_angeben);
        QVERIFY(!bq::FormRegistry::instance().isLoaded(bq::Screen::DlgNamen_angeben));
        // Reading a control loads a fresh, hidden screen from its definition.
        QCOMPARE(bq::FormRegistry::instance().loadAndReadText(bq::Screen::DlgNamen_angeben, "txt_Name"), QString());
        QVERIFY(bq::FormRegistry::instance().isLoaded(bq::Screen::DlgNamen_angeben));
        QVERIFY(!bq::FormRegistry::instance().isVisible(bq::Screen::DlgNamen_angeben));
    }

    void soundLookupOrder_data()
    {
        QTest::addColumn<QStringList>("present"); // directories holding the file: cwd, app, data
        QTest::addColumn<QString>("expected");
        QTest::newRow("only data") << QStringList{"data"} << "data";
        QTest::newRow("app before data") << QStringList{"app", "data"} << "app";
        QTest::newRow("working dir first") << QStringList{"cwd", "app", "data"} << "cwd";
        QTest::newRow("nowhere") << QStringList{} << "";
    }

    void soundLookupOrder()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QStringList dirs;
        for (const char *name : {"cwd", "app", "data"}) {
            QDir(root.path()).mkdir(QString::fromLatin1(name));
            dirs << root.filePath(QString::fromLatin1(name));
        }
        for (const QString &where : present) {
            QFile file(root.filePath(where + "/wow.wav"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
        }
        const QString found = bq::SoundLocator::find(QStringLiteral("wow.wav"), dirs);
        QCOMPARE(found, expected.isEmpty() ? QString() : root.filePath(expected + "/wow.wav"));
    }

    void soundNamesAreTakenAsTheyStand()
    {
        QTemporaryDir dir;
        const QStringList dirs{dir.path()};
        QFile(dir.filePath("pfff.wav")).open(QIODevice::WriteOnly);
        QDir(dir.path()).mkdir("danke"); // a directory is no sound
        QVERIFY(bq::SoundLocator::find("pfff", dirs).isEmpty());
        QVERIFY(bq::SoundLocator::find("danke", dirs).isEmpty());
        QVERIFY(bq::SoundLocator::find("../pfff.wav", dirs).isEmpty());
        QCOMPARE(bq::SoundLocator::find("pfff.wav", dirs), dir.filePath("pfff.wav"));
    }

    void missingOrUnplayableSoundsGiveTheAlert()
    {
        QTemporaryDir dir;
        QFile(dir.filePath("applaus.oops")).open(QIODevice::WriteOnly);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const auto play = [](const char *name) {
            bq::Sound::instance().play(name);
            return bq::Sound::instance().waitIdle(2000);
        };
        driver.sounds().failFiles = false;
        const auto before = driver.sounds().played().size();
        QVERIFY(play("applaus.oops"));
        QVERIFY(play("gibtsnicht.wav"));
        driver.sounds().failFiles = true; // found, but the sound server cannot play it
        QVERIFY(play("applaus.oops"));
        driver.sounds().failFiles = false;
        QDir::setCurrent(previous);
        const auto played = driver.sounds().played();
        QCOMPARE(played.size(), before + 3);
        QCOMPARE(QString::fromStdString(played[before].file), dir.filePath("applaus.oops"));
        QVERIFY(played[before + 1].file.empty());
        QVERIFY(played[before + 2].file.empty());
        QCOMPARE(driver.journal(), (QStringList{"play applaus.oops", "play gibtsnicht.wav", "play applaus.oops"}));
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
