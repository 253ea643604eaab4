// SPDX-License-Identifier: GPL-3.0-or-later
// The question engine: every question's verdicts and give-up, every verdict dialog, exact
// answer matching, help boxes, the player's name, and whole games.
#include "catalogue/question_catalogue.h"
#include "driver/game_driver.h"
#include "driver/winning_path.h"
#include "platform/form_registry.h"
#include "platform/journal.h"
#include "quiz/answer_matching.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using bq::test::GameDriver;
using bq::test::questionMoves;
using bq::test::screenNamed;

class QuizTest : public QObject {
    Q_OBJECT

private:
    GameDriver driver;

    void answer(int question, const QString &given) { QVERIFY(driver.answer(question, given)); }

    void playTo(int question, const QString &name) { QVERIFY(driver.playTo(question, name)); }

private Q_SLOTS:
    void init() { driver.reset(); }
    void cleanup() { QCOMPARE(driver.finish(), QStringList()); }

    void questionHandlersFollowTheirRows_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("button"); // ok or giveup
        QTest::addColumn<QString>("given");
        QTest::addColumn<QStringList>("expected");

        const auto rows = [](int q, const QStringList &right, const QStringList &wrong, bool pfff) {
            const QString own = QStringLiteral("unload ") + questionMoves(q).screen;
            QTest::addRow("q%d right", q) << q << "ok" << questionMoves(q).rightAnswer << right;
            QTest::addRow("q%d wrong", q) << q << "ok" << QString() << wrong;
            QTest::addRow("q%d give up", q)
                << q << "giveup" << QString()
                << (pfff ? QStringList{own, "play pfff", "show frmAbout"} : QStringList{own, "show frmAbout"});
        };
        rows(1, {"play wow.wav", "show DlgFrage1_richtig", "unload frmFrage1"},
             {"unload frmFrage1", "show Dlgfrage1_falsch", "play glass.wav"}, false);
        rows(2, {"play wow.wav", "unload frmFrage2", "show Dlgfrage2_richtig"},
             {"show DlgFrage2_falsch", "unload frmFrage2", "play glass.wav"}, true);
        rows(3, {"unload frmFrage3", "show dlgfrage3_richtig", "play wow.wav"},
             {"unload frmFrage3", "show DlgFrage3_falsch", "play lachen1.wav"}, false);
        rows(4, {"unload frmFrage4", "show DlgFrage4_richtig", "play wow.wav"},
             {"unload frmFrage4", "show DlgFrage4_falsch", "play lachen1.wav"}, false);
        rows(5, {"play wow.wav", "unload frmFrage5", "show DlgFrage5_richtig"},
             {"unload frmFrage5", "show DlgFrage5_falsch", "play glass.wav"}, false);
        rows(6, {"play wow.wav", "unload frmFrage6", "show DlgFrage6_richtig"},
             {"unload frmFrage6", "show DlgFrage6_falsch", "play lachen.wav"}, false);
        rows(7, {"play wow.wav", "unload frmFrage7", "show dlgFrage7_richtig"},
             {"unload frmFrage7", "show dlgFrage7_falsch", "play glass.wav"}, false);
        rows(8, {"play applaus.wav", "unload frmFrage8", "show dlgFrage8_richtig"},
             {"unload frmFrage8", "play bond.wav", "show dlgFrage8_falsch"}, false);
        rows(9, {"play wow.wav", "unload frmFrage9", "show dlgFrage9_richtig"},
             {"unload frmFrage9", "show dlgFrage9_falsch", "play oops.wav"}, false);
        rows(10, {"play wow.wav", "unload frmFrage10", "show dlgFrage10_richtig"},
             {"unload frmFrage10", "show dlgFrage10_falsch", "play glass.wav"}, true);
        rows(11, {"play wow.wav", "show dlgFrage11_richtig", "unload frmFrage11"},
             {"unload frmFrage11", "play glass.wav", "show dlgFrage11_falsch"}, false);
        rows(12, {"play wow.wav", "show dlgFrage12_richtig", "unload frmFrage12"},
             {"unload frmFrage12", "play bond.wav", "show dlgFrage12_falsch"}, false);
        rows(13, {"play wow.wav", "show dlgFrage13_richtig", "unload frmFrage13"},
             {"unload frmFrage13", "play oops.wav", "show dlgFrage13_falsch"}, true);
        rows(14, {"show dlgFrage14_richtig", "play hupe.wav", "unload frmFrage14"},
             {"unload frmFrage14", "play glass.wav", "show dlgFrage14_falsch"}, false);
        rows(15, {"play wow.wav", "show dlgFrage15_richtig", "unload frmFrage15"},
             {"unload frmFrage15", "play glass.wav", "show dlgFrage15_falsch"}, false);
        rows(16, {"set frmGlückwunsch.lblName", "play trumpet1.wav", "show frmGlückwunsch", "unload frmFrage16"},
             {"show dlgFrage16_falsch", "play glass.wav", "unload frmFrage16"}, false);

        // Remarks, and the orders they bring.
        const auto row = [](const char *name, int q, const char *given, const QStringList &expected) {
            QTest::newRow(name) << q << "ok" << QString::fromUtf8(given) << expected;
        };
        row("q8 remark", 8, "konrad elsholm",
            {"play applaus.wav", "unload frmFrage8", "msgbox Nur zur Info!", "show dlgFrage8_richtig"});
        row("q12 remark", 12, "Konstantin Baerenfels",
            {"play wow.wav", "msgbox Nur zur Info!", "show dlgFrage12_richtig", "unload frmFrage12"});
        row("q13 remark", 13, "edenkoben",
            {"play wow.wav", "msgbox Nur zur Info!", "show dlgFrage13_richtig", "unload frmFrage13"});
        row("q14 remark", 14, "woerth/rhein",
            {"msgbox Nur zur Info!", "play hupe.wav", "show dlgFrage14_richtig", "unload frmFrage14"});
        row("q9 wrong first option", 9, "opt1", {"unload frmFrage9", "show dlgFrage9_falsch", "play applaus.oops"});
        row("q9 wrong second option", 9, "opt2", {"unload frmFrage9", "show dlgFrage9_falsch", "play oops.wav"});
        row("q1 other option", 1, "opt1", {"unload frmFrage1", "show Dlgfrage1_falsch", "play glass.wav"});
    }

    void questionHandlersFollowTheirRows()
    {
        QFETCH(int, question);
        QFETCH(QString, button);
        QFETCH(QString, given);
        QFETCH(QStringList, expected);
        const bq::test::QuestionMoves &moves = questionMoves(question);
        driver.show(moves.screen);
        answer(question, given);
        const int mark = driver.journalMark();
        QVERIFY(driver.click(moves.screen, button == u"ok" ? moves.okButton : moves.giveUpButton));
        QCOMPARE(driver.journalSince(mark), expected);
        QCOMPARE(driver.visibleScreens().size(), 1);
        QVERIFY(!bq::FormRegistry::instance().isLoaded(screenNamed(moves.screen)));
    }

    void q9TypedYearWinsWhateverOptionIsChosen()
    {
        for (const QString option : {"opt1", "opt2", "opt3", ""}) {
            driver.reset();
            driver.show("frmFrage9");
            answer(9, option);
            answer(9, "1946");
            QVERIFY(driver.click("frmFrage9", "cmdok"));
            QCOMPARE(driver.visibleScreens(), QStringList{"dlgFrage9_richtig"});
        }
    }

    void onlyTheFinalChoiceCounts()
    {
        driver.show("frmFrage1");
        answer(1, "opt3");
        answer(1, "opt2");
        QVERIFY(!bq::FormRegistry::instance()
                     .load(bq::Screen::frmFrage1)
                     ->control<QRadioButton>("optAntwort3")
                     ->isChecked());
        QVERIFY(driver.click("frmFrage1", "cmdok"));
        QCOMPARE(driver.visibleScreens(), QStringList{"Dlgfrage1_falsch"});
    }

    void verdictDialogsLeadOn_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *dialog, const QStringList &expected) {
            QTest::newRow(dialog) << QString::fromUtf8(dialog) << expected;
        };
        const auto uv = [&row](const char *dialog, const char *target) {
            row(dialog, {QStringLiteral("unload ") + dialog, QStringLiteral("show ") + target});
        };
        const auto vu = [&row](const char *dialog, const char *target) {
            row(dialog, {QStringLiteral("show ") + target, QStringLiteral("unload ") + dialog});
        };
        uv("DlgFrage1_richtig", "frmFrage2");
        row("Dlgfrage2_richtig", {"unload Dlgfrage2_richtig", "set frmFrage3.lblTestername", "show frmFrage3"});
        uv("dlgfrage3_richtig", "frmFrage4");
        uv("DlgFrage4_richtig", "frmFrage5");
        uv("DlgFrage5_richtig", "frmFrage6");
        uv("DlgFrage6_richtig", "frmFrage7");
        uv("dlgFrage7_richtig", "frmFrage8");
        vu("dlgFrage8_richtig", "frmFrage9");
        uv("dlgFrage9_richtig", "frmFrage10");
        uv("dlgFrage10_richtig", "frmFrage11");
        row("dlgFrage11_richtig", {"set frmFrage12.lblName", "show frmFrage12", "unload dlgFrage11_richtig"});
        row("dlgFrage12_richtig", {"set frmFrage13.lblName", "show frmFrage13", "unload dlgFrage12_richtig"});
        vu("dlgFrage13_richtig", "frmFrage14");
        row("dlgFrage14_richtig", {"set frmFrage15.lblNameFrage15", "show frmFrage15", "unload dlgFrage14_richtig"});
        row("dlgFrage15_richtig",
            {"unload dlgFrage15_richtig", "set frmFrage16.lblName", "show frmFrage16",
             "msgbox wirklich letzte Frage!"});
        for (const char *dialog :
             {"Dlgfrage1_falsch", "DlgFrage2_falsch", "DlgFrage3_falsch", "DlgFrage4_falsch", "DlgFrage5_falsch",
              "DlgFrage6_falsch", "dlgFrage7_falsch", "dlgFrage8_falsch", "dlgFrage9_falsch", "dlgFrage10_falsch",
              "dlgFrage11_falsch", "dlgFrage13_falsch", "dlgFrage16_falsch"})
            uv(dialog, "frmAbout");
        for (const char *dialog : {"dlgFrage12_falsch", "dlgFrage14_falsch", "dlgFrage15_falsch"})
            vu(dialog, "frmAbout");
    }

    void verdictDialogsLeadOn()
    {
        QFETCH(QString, dialog);
        QFETCH(QStringList, expected);
        driver.show(dialog);
        const int mark = driver.journalMark();
        QVERIFY(driver.click(dialog, "OKButton"));
        QCOMPARE(driver.journalSince(mark), expected);
        const QString target = expected.filter(QStringLiteral("show ")).first().mid(5);
        QCOMPARE(driver.visibleScreens(), QStringList{target});
    }

    void verdictTexts_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *dialog, const char *control, const char *text) {
            QTest::newRow(name) << QString::fromUtf8(dialog) << QString::fromUtf8(control) << QString::fromUtf8(text);
        };
        row("q3 three lines", "DlgFrage3_falsch", "TxtFarge3_falsch",
            "Wie??? falsche Antwort? Das hätte ja \nsogar ein Gelbfüssler gewusst! Wo \nkommst Du denn her?\n");
        row("q4 two blanks", "DlgFrage4_richtig", "Label1",
            "Nicht schlecht auch das war  richtig. Auf gehts zur nächsten Frage.");
        row("q6 second label", "DlgFrage6_richtig", "lbl2Frage6_richtig", "1950/51,1952/53,1990/91,1997/98");
        row("q7 trailing blank", "dlgFrage7_richtig", "lbl_Frage7_richtig",
            "EEES stimmt! Am 28.5.1929 fusionierten Sie. Und hätten Sie das nicht getan, wäre evtl. dem FC Bayern "
            "München später eine blamable Niederlage erspart geblieben! ");
        row("q11 inner quotes", "dlgFrage11_falsch", "lblFrage11_falsch",
            "Au Backe! Das sollte selbst ein \"Nicht-Quellmäker\"wissen!! Schau in Deinem gekauften Lexikon nach!!!");
        row("q12 inner quotes", "dlgFrage12_falsch", "lblFrage12_falsch",
            "Also..also..als \"FAST\" echter Quellmärker hätte man das aber mit ein bischen nachdenken wissen können, "
            "oder nicht? Nein? Ok dann schlage halt in einem Deiner Bücher, die Du bestimmt mittlerweile gekauft hast, "
            "nach!");
    }

    void verdictTexts()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QString, text);
        driver.show(dialog);
        QCOMPARE(driver.text(dialog, control), text);
        QCOMPARE(driver.text(dialog, "OKButton"), QStringLiteral("OK"));
    }

    void accepted_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("remark");
        const auto yes = [](int q, const char *typed, const char *remark = "") {
            QTest::addRow("q%d right '%s'", q, typed)
                << q << QString::fromUtf8(typed) << true << QString::fromUtf8(remark);
        };
        const auto no = [](int q, const char *typed) {
            QTest::addRow("q%d wrong '%s'", q, typed) << q << QString::fromUtf8(typed) << false << QString();
        };
        yes(8, "Konrad Elsholm");
        yes(8, "konrad elsholm", "Na,Na Namen schreibt man doch gross!");
        yes(8, "Elsholm", "Den Vornamen lassen wir weg, wie? Will mal nicht so sein!");
        yes(8, "elsholm", "Den Vornamen lassen wir weg, wie? Und Namen schreibt man groß! Will mal nicht so sein!");
        for (const char *typed : {"Dr. Konrad Elsholm", "Konrad", "KONRAD ELSHOLM", "Konrad elsholm", ""})
            no(8, typed);
        for (const char *typed : {"Hambacher Schloss", "Hambacher Schloß", "Schloss Hambach", "Schloß Hambach",
                                  "schloss hambach", "hambacher schloss", "hambacher schloß"})
            yes(11, typed);
        for (const char *typed : {"schloß hambach", "Hambach", "Hambacher Schloss "})
            no(11, typed);
        yes(12, "Konstantin Bärenfels");
        yes(12, "Konstantin Baerenfels", "Na,Na Diesen Namen schreibt man aber mit -ö-!");
        yes(12, "konstantin baerenfels", "Und wieso schreibst Du den Namen nicht gross und mit -ö-?");
        yes(12, "konstantin bärenfels", "Und wieso schreibst Du den Namen nicht gross?");
        for (const char *typed : {"Konstantin bärenfels", "Bärenfels", "Konstantin  Bärenfels"})
            no(12, typed);
        yes(13, "Edenkoben");
        yes(13, "edenkoben", "Na,Na Diesen Namen schreibt man aber groß!");
        no(13, "EDENKOBEN");
        yes(14, "Wörth");
        yes(14, "Wörth/Rhein");
        yes(14, "wörth", "Und wieso schreibst Du den Namen nicht gross?");
        yes(14, "woerth", "Und wieso schreibst Du den Namen nicht gross, und mit -ö-?");
        yes(14, "woerth/rhein", "Und wieso schreibst Du den Namen nicht gross, und mit -ö-?");
        for (const char *typed : {"Woerth", "wörth/rhein", "Wörth/rhein", "Woerth/Rhein"})
            no(14, typed);
        yes(15, "Worms");
        yes(15, "worms");
        for (const char *typed : {"WORMS", " Worms", "Worms "})
            no(15, typed);
        yes(16, "etwas");
        no(16, "Etwas");
        no(16, "etwas ");
        yes(9, "1946");
        for (const char *typed : {" 1946", "1946 ", "1946."})
            no(9, typed);
        // Decomposed umlauts are other characters: only the listed forms count.
        QTest::newRow("q14 decomposed") << 14 << QStringLiteral("Wo\u0308rth") << false << QString();
    }

    void accepted()
    {
        QFETCH(int, question);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QFETCH(QString, remark);
        const bq::AnswerMatch match = bq::matchAnswer(typed, bq::questionDef(question).accepted);
        QCOMPARE(match.right, right);
        QCOMPARE(match.remark, remark);
    }

    void remarkBoxOnScreen_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");           // handed in with Enter, else with a click on OK
        QTest::addColumn<bool>("questionVisible"); // while the box is open
        QTest::newRow("q8 after the screen is gone") << 8 << "Elsholm" << false << false;
        QTest::newRow("q12 over the question") << 12 << "konstantin bärenfels" << false << true;
        QTest::newRow("q14 over the question") << 14 << "wörth" << false << true;
        QTest::newRow("q8 with Enter") << 8 << "konrad elsholm" << true << false;
        QTest::newRow("q12 with Enter") << 12 << "konstantin baerenfels" << true << true;
        QTest::newRow("q13 with Enter") << 13 << "edenkoben" << true << true;
        QTest::newRow("q14 with Enter") << 14 << "woerth" << true << true;
    }

    // With Enter, the screen is unloaded while the remark box is open; the box's own event loop
    // must not take the screen away while its key press is still being handled.
    void remarkBoxOnScreen()
    {
        QFETCH(int, question);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(bool, questionVisible);
        const QString screen = questionMoves(question).screen;
        driver.show(screen);
        answer(question, typed);
        QVERIFY(enter ? driver.pressKey(screen, Qt::Key_Return) : driver.click(screen, "cmdok"));
        QCOMPARE(driver.boxes().size(), 1);
        const bq::test::SeenBox box = driver.boxes().first();
        QCOMPARE(box.title, QStringLiteral("Nur zur Info!"));
        QCOMPARE(box.style, 48);
        QCOMPARE(box.visibleScreens.contains(screen), questionVisible);
        QCOMPARE(driver.visibleScreens(), QStringList{questionMoves(question).praise});
        QVERIFY(!bq::FormRegistry::instance().isLoaded(screenNamed(screen)));
    }

    void helpBoxes_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("style");
        const auto help = [](int q, const QString &caption, const QString &text, const QString &title, int style,
                             const QString &button = "cmdHilfe") {
            QTest::addRow("%d", q) << q << button << caption << text << title << style;
        };
        help(1, "kleine Hilfe?", "Du brauchst aber schon früh meine Hilfe! Fängt mit -M- an.", "Hilfe", 48);
        help(2, "kleine Hilfe?", "Hmmmm, wie soll ich Dir nur helfen? Ein kleiner Tip: 1,2 oder 3", "Hilfe", 48);
        help(3, "kleine Hilfe?", "Es sind keine Kartoffeln! Bei solch leichten Fragen gibt es noch keine Hilfe!",
             "Hilfe", 48);
        help(4, "kleine Hilfe?", "Streiche Milch und Du brauchst nur noch zwischen 3 zu wählen!", "Klar helfe ich Dir!",
             48);
        help(5, "kleine Hilfe?", "Oh,mein Gott,leider habe ich vergessen dies zu programmieren!", "Hilfe?-erst später!",
             48);
        help(6, "kleine Hilfe?", "Es waren 6 Titel!", "kleine Hilfe", 0);
        help(7, "kleine Hilfe?", "Ein wahrer Quellmärker informiert sich selbst!", "kleine Hilfe", 0, "cmd_Hilfe");
        help(8, "kleine Hilfe",
             "Sich auf den HosenXXXXX setzen (XXXXX) ist sein Zuname. Wenn Du noch seinen Vornamen weisst, hast Du "
             "die Lösung!",
             "Wolln mer mal nid so sei!", 48);
        help(9, "kleine Hilfe?", "Es war nach dem zweiten Weltkrieg. Logischerweise dann auch nach dem Ersten!!",
             "Hi--Hi--Hilfe", 0);
        help(10, "kleine Hilfe?", "Hilfe wird hier nur Quellmärkern gegeben. Und Du bist noch kein richtiger",
             "Hilfe--nein-nein", 48);
        help(11, "kleine Hilfe?", "  Es ist ein Schloss  ", " Hilfe ", 48);
        help(12, "kleine Hilfe", "Es war ein englischer König!", "Hilfe?,Nää", 48);
        help(13, "kleine Hilfe", "Du solltest so langsam als Quellmärker die Aufgaben alleine lösen!", "Ts..Ts..Ts",
             48);
        // Question 14's hint is our own: the game's rules give that button none.
        help(14, "kleine Hilfe", "Ein kleiner Ort am Rhein, ganz im Süden. Mehr wird nicht verraten!", "Na gut...", 48);
        help(15, "kleine Hilfe", "Keine Hilfe... hä, hä, hä!", "Hilfe?", 48);
        help(16, "kleine Hilfe", "Du erwartest doch nicht wirklich eine Hilfe!", "Nä..Nä", 48);
    }

    void helpBoxes()
    {
        QFETCH(int, question);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, style);
        const QString screen = questionMoves(question).screen;
        driver.show(screen);
        QCOMPARE(driver.text(screen, button), caption);
        const QString given = questionMoves(question).rightAnswer;
        answer(question, given);
        for (int i = 0; i < 2; ++i)
            QVERIFY(driver.click(screen, button));
        QCOMPARE(driver.boxes().size(), 2);
        for (const bq::test::SeenBox &box : driver.boxes()) {
            QCOMPARE(box.text, text);
            QCOMPARE(box.title, title);
            QCOMPARE(box.style, style);
        }
        // Asking for help costs nothing: the answer given so far stays.
        QCOMPARE(driver.visibleScreens(), QStringList{screen});
        if (given.startsWith(QStringLiteral("opt")))
            QVERIFY(bq::FormRegistry::instance()
                        .load(screenNamed(screen))
                        ->control<QRadioButton>("optAntwort" + given.mid(3))
                        ->isChecked());
        else
            QCOMPARE(driver.text(screen, questionMoves(question).answerBox), given);
        QVERIFY(!driver.journal().join(u'|').contains(QStringLiteral("play")));
    }

    void screensAsTheirDefinitionSays()
    {
        for (int q = 1; q <= 16; ++q) {
            driver.show(questionMoves(q).screen);
            bq::Form *form = bq::FormRegistry::instance().load(screenNamed(questionMoves(q).screen));
            const auto options = form->findChildren<QRadioButton *>();
            const int expectedOptions = QList<int>{4, 4, 3, 4, 3, 4, 5, 0, 3, 4, 0, 0, 0, 0, 0, 0}.at(q - 1);
            QCOMPARE(int(options.size()), expectedOptions);
            for (QRadioButton *option : options)
                QVERIFY(!option->isChecked());
            if (auto *box = form->control<QLineEdit>(questionMoves(q).answerBox))
                QVERIFY(box->text().isEmpty());
            QCOMPARE(driver.text(questionMoves(q).screen, questionMoves(q).giveUpButton), QStringLiteral("aufgeben"));
            QCOMPARE(driver.text(questionMoves(q).screen, questionMoves(q).okButton), QStringLiteral("OK"));
            const bool banner = q == 6 || q == 7 || q >= 11;
            QCOMPARE(form->control("Picture1") != nullptr, banner);
        }
        QCOMPARE(driver.text("frmFrage1", "optAntwort1"), QStringLiteral("   Worms"));
        QCOMPARE(driver.text("frmFrage10", "optAntwort1"), QStringLiteral("Es ist 20.000 km\u00b2 klein"));
        QCOMPARE(driver.text("frmFrage8", "lblDr"), QStringLiteral("Dr."));
        QCOMPARE(driver.text("frmFrage13", "lblKomma"), QStringLiteral(","));
        QCOMPARE(driver.text("frmFrage11", "lbl2ThemaFrage10"), QStringLiteral("Algemeinbildung"));
        QCOMPARE(driver.text("frmFrage10", "Label3"), QStringLiteral("Landeskentnisse"));
        QCOMPARE(driver.text("frmFrage8", "lblFrage8"),
                 QStringLiteral("Sicher kannst Du mir den Namen des ersten Rheinland/Quellmärkischen  "
                                "Ministerpräsidenten ohne Probleme sagen."));
        // The answer box has the focus when a typed-answer screen opens.
        bq::Form *q11 = bq::FormRegistry::instance().load(bq::Screen::frmFrage11);
        QCOMPARE(q11->focusWidget()->objectName(), QStringLiteral("txtAntwortFrage11"));
    }

    void wonGameShowsTheNameLiterally()
    {
        const QString name = QStringLiteral("  Jürgen <b>Ößel</b> & Co  ");
        playTo(16, name);
        QCOMPARE(driver.boxes().size(), 1);
        QCOMPARE(driver.boxes().first().title, QStringLiteral("wirklich letzte Frage!"));
        QVERIFY(driver.boxes().first().visibleScreens.contains(QStringLiteral("frmFrage16")));
        QCOMPARE(driver.text("frmFrage16", "lblName"), name);
        answer(16, "etwas");
        QVERIFY(driver.click("frmFrage16", "cmdok"));
        QCOMPARE(driver.visibleScreens(), QStringList{QStringLiteral("frmGlückwunsch")});
        QCOMPARE(driver.text(QStringLiteral("frmGlückwunsch"), "lblName"), name);
        // Every screen that greeted the player was given the very same text.
        const auto &entries = bq::Journal::instance().entries();
        int copies = 0;
        for (const bq::JournalEntry &entry : entries) {
            if (entry.op == u"set") {
                QCOMPARE(entry.detail, name);
                ++copies;
            }
        }
        QCOMPARE(copies, 7); // greeting, questions 3, 12, 13, 15, 16 and the certificate
        const QStringList shown = driver.journal().filter(QRegularExpression("^show frmFrage"));
        QCOMPARE(shown.size(), 16);
        for (int q = 1; q <= 16; ++q)
            QCOMPARE(shown.at(q - 1), QStringLiteral("show frmFrage%1").arg(q));
    }

    // A wrong answer (after its scolding) or giving up, at every question.
    void lossOrGiveUpAtEachQuestionEndsOnTheAboutScreen()
    {
        for (int q = 1; q <= 16; ++q) {
            for (const bool giveUp : {false, true}) {
                driver.reset();
                playTo(q, giveUp ? QStringLiteral("Feigling") : QStringLiteral("Verlierer"));
                const bq::test::QuestionMoves &moves = questionMoves(q);
                QVERIFY(driver.click(moves.screen, giveUp ? moves.giveUpButton : moves.okButton));
                if (!giveUp) {
                    QCOMPARE(driver.visibleScreens(), QStringList{moves.scolding});
                    QVERIFY(driver.click(moves.scolding, "OKButton"));
                }
                QCOMPARE(driver.visibleScreens(), QStringList{"frmAbout"});
                QCOMPARE(driver.loadedScreens(), (QStringList{"DlgNamen_angeben", "frmAbout"}));
                QVERIFY(!driver.ended());
                QVERIFY(driver.click("frmAbout", "cmdExit"));
                QVERIFY(driver.ended());
            }
        }
    }

    void nameDialogStates()
    {
        driver.startGame();
        // Cancel loses the text; opening again shows an empty box.
        QVERIFY(driver.click("Brendelquiz", "cdmlos_gehts"));
        driver.type("DlgNamen_angeben", "txt_Name", "Erstens");
        QVERIFY(driver.click("DlgNamen_angeben", "CancelButton"));
        QCOMPARE(driver.visibleScreens(), QStringList{"Brendelquiz"});
        QVERIFY(driver.click("Brendelquiz", "cdmlos_gehts"));
        QCOMPARE(driver.text("DlgNamen_angeben", "txt_Name"), QString());
        // OK, then the welcome screen's button again: the name typed before is still there.
        driver.type("DlgNamen_angeben", "txt_Name", "Anna");
        QVERIFY(driver.click("DlgNamen_angeben", "OKButton"));
        QCOMPARE(driver.text("DlgNamen_anzeigen", "lblName_ist"), QStringLiteral("Anna"));
        // Hidden, the dialog gives back its window; shown again, it gets a new one.
        const QPointer<bq::Form> nameDialog = bq::FormRegistry::instance().loaded(bq::Screen::DlgNamen_angeben);
        QTRY_VERIFY(nameDialog && !nameDialog->testAttribute(Qt::WA_WState_Created));
        QVERIFY(driver.click("Brendelquiz", "cdmlos_gehts"));
        QVERIFY(QTest::qWaitForWindowExposed(nameDialog.data()));
        QCOMPARE(driver.text("DlgNamen_angeben", "txt_Name"), QStringLiteral("Anna"));
        driver.type("DlgNamen_angeben", "txt_Name", " Berta");
        const int mark = driver.journalMark();
        QVERIFY(driver.click("DlgNamen_angeben", "OKButton"));
        QCOMPARE(driver.text("DlgNamen_anzeigen", "lblName_ist"), QStringLiteral("Anna Berta"));
        QVERIFY(driver.journalSince(mark).contains(QStringLiteral("play danke")));
        QCOMPARE(driver.visibleScreens(), (QStringList{"Brendelquiz", "DlgNamen_anzeigen"}));
        // Reopen and cancel: the name is lost, and the game runs with an empty name.
        QVERIFY(driver.click("Brendelquiz", "cdmlos_gehts"));
        QVERIFY(driver.click("DlgNamen_angeben", "CancelButton"));
        QVERIFY(driver.click("DlgNamen_anzeigen", "OKButton"));
        answer(1, "opt3");
        QVERIFY(driver.click("frmFrage1", "cmdok"));
        QVERIFY(driver.click("DlgFrage1_richtig", "OKButton"));
        answer(2, "opt2");
        QVERIFY(driver.click("frmFrage2", "cmdok"));
        QVERIFY(driver.click("Dlgfrage2_richtig", "OKButton"));
        QCOMPARE(driver.text("frmFrage3", "lblTestername"), QString());
        // Reading the name loaded a fresh, hidden name dialog.
        QVERIFY(bq::FormRegistry::instance().isLoaded(bq::Screen::DlgNamen_angeben));
        QVERIFY(!bq::FormRegistry::instance().isVisible(bq::Screen::DlgNamen_angeben));
    }

    void emptyNameGivesEmptyLabels()
    {
        playTo(3, QString());
        QCOMPARE(driver.text("frmFrage3", "lblTestername"), QString());
        QVERIFY(bq::FormRegistry::instance().isLoaded(bq::Screen::DlgNamen_angeben));
    }

    void theWholeGameByKeyboard()
    {
        driver.setAnswerWithEnter(true);
        driver.startGame();
        QVERIFY(driver.pressKey("Brendelquiz", Qt::Key_Return)); // "Roger, los gehts" has the focus
        QCOMPARE(driver.visibleScreens(), (QStringList{"Brendelquiz", "DlgNamen_angeben"}));
        driver.type("DlgNamen_angeben", "txt_Name", QStringLiteral("Tastatur Tim"));
        QVERIFY(driver.pressKey("DlgNamen_angeben", Qt::Key_Return));
        QVERIFY(driver.pressKey("DlgNamen_anzeigen", Qt::Key_Return));
        for (int q = 1; q <= 16; ++q) {
            const QString screen = questionMoves(q).screen;
            QCOMPARE(driver.visibleScreens(), QStringList{screen});
            const QString given = questionMoves(q).rightAnswer;
            if (given.startsWith(QStringLiteral("opt"))) {
                // Arrows walk the options, Space chooses, Tab goes on to the buttons.
                for (int i = 1; i < given.mid(3).toInt(); ++i)
                    QVERIFY(driver.pressKey(screen, Qt::Key_Down));
                for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return})
                    QVERIFY(driver.pressKey(screen, key));
            } else {
                if (q == 9) // the options are one stop; the year box comes next
                    QVERIFY(driver.pressKey(screen, Qt::Key_Tab));
                QWidget *focus = bq::FormRegistry::instance().load(screenNamed(screen))->focusWidget();
                QCOMPARE(focus->objectName(), questionMoves(q).answerBox);
                bq::test::typeInto(focus, given);
                QVERIFY(driver.pressKey(screen, Qt::Key_Return));
            }
            if (q < 16) {
                QCOMPARE(driver.visibleScreens(), QStringList{questionMoves(q).praise});
                QVERIFY(driver.pressKey(questionMoves(q).praise, Qt::Key_Return));
            }
        }
        QCOMPARE(driver.visibleScreens(), QStringList{QStringLiteral("frmGlückwunsch")});
        QVERIFY(driver.boxes().size() == 1 && driver.boxes().first().title == u"wirklich letzte Frage!");
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
