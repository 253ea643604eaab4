// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every screen of the game, for people to look at: the welcome, info, quit,
// coward and about screens, the name dialogs, all sixteen question screens with an answer
// filled in, every praise and scolding dialog, the congratulations screen and message boxes.
//
//   screenshots OUTPUT_DIRECTORY
//   BQ_SCREENSHOT_THEME=dark screenshots OUTPUT_DIRECTORY   (as a dark desktop shows them)
//
// Plays the game in-process (silently) on the real display platform and saves each window
// as NN-<screen>.png. Exits non-zero when a screen could not be reached.
#include "driver/desktop_palettes.h"
#include "driver/game_driver.h"
#include "driver/winning_path.h"
#include "platform/form.h"
#include "platform/form_registry.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

using bq::test::GameDriver;
using bq::test::screenNamed;

class Photographer {
public:
    Photographer(GameDriver &driver, const QDir &out) : m_driver(driver), m_out(out) {}

    int failures() const { return m_failures; }

    void fail(const QString &what)
    {
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(what));
        ++m_failures;
    }

    void save(QWidget *window, const QString &label)
    {
        if (!QTest::qWaitForWindowExposed(window, 3000))
            fail(QStringLiteral("%1 was not on display within 3 s").arg(label));
        QCoreApplication::processEvents();
        const QPixmap picture = window->grab();
        const QString file = m_out.filePath(QStringLiteral("%1-%2.png").arg(++m_count, 2, 10, QChar(u'0')).arg(label));
        if (picture.isNull() || !picture.save(file))
            fail(QStringLiteral("could not save %1").arg(file));
        else
            std::printf("%s\n", qPrintable(file));
    }

    // A picture of a screen that should be on display now; then a click on its control, if one is named.
    void shoot(const QString &screen, const QString &thenClick = {})
    {
        bq::Form *form = bq::FormRegistry::instance().loaded(screenNamed(screen));
        if (form && form->isVisible())
            save(form, screen);
        else
            fail(QStringLiteral("%1 is not on display (on display: %2)")
                     .arg(screen, m_driver.visibleScreens().join(u", ")));
        if (!thenClick.isEmpty())
            click(screen, thenClick);
    }

    // Does what opens a message box, takes its picture and answers it.
    void shootBox(const QString &label, const std::function<void()> &open)
    {
        bool seen = false;
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || seen)
                return;
            seen = true;
            watch.stop();
            save(box, label);
            box->button(QMessageBox::Ok)->click();
        });
        m_driver.setAnswerBoxes(false);
        watch.start();
        open();
        watch.stop();
        m_driver.setAnswerBoxes(true);
        if (!seen)
            fail(QStringLiteral("no message box for %1").arg(label));
    }

    void click(const QString &screen, const QString &control)
    {
        if (!m_driver.click(screen, control))
            fail(QStringLiteral("cannot click %1.%2").arg(screen, control));
    }

    void type(const QString &screen, const QString &control, const QString &text)
    {
        if (!m_driver.type(screen, control, text))
            fail(QStringLiteral("cannot type into %1.%2").arg(screen, control));
    }

private:
    GameDriver &m_driver;
    QDir m_out;
    int m_count = 0;
    int m_failures = 0;
};

using bq::test::questionMoves;

// Fills in the right answer (the first spelling the game takes, which earns no remark), or a
// wrong one.
void answer(Photographer &camera, int question, bool right)
{
    const bq::test::QuestionMoves &moves = questionMoves(question);
    if (!moves.answerBox.isEmpty()) {
        camera.type(moves.screen, moves.answerBox, right ? moves.accepted.first() : QStringLiteral("keine Ahnung"));
    } else {
        const QString other =
            moves.correctOption == u"optAntwort1" ? QStringLiteral("optAntwort2") : QStringLiteral("optAntwort1");
        camera.click(moves.screen, right ? moves.correctOption : other);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariable("BQ_SCREENSHOT_THEME") == u"dark")
        QApplication::setPalette(bq::test::darkDesktopPalette());
    if (argc != 2) {
        std::fputs("usage: screenshots OUTPUT_DIRECTORY\n", stderr);
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 2;
    for (const QString &old : out.entryList({QStringLiteral("*.png")}, QDir::Files))
        out.remove(old);

    GameDriver driver;
    Photographer camera(driver, out);

    // The welcome screen and everything reached from it without playing.
    driver.reset();
    driver.startGame();
    camera.shoot(QStringLiteral("Brendelquiz"), QStringLiteral("CmdProgramminfo"));
    camera.shoot(QStringLiteral("frmwieso"), QStringLiteral("cmdok"));
    camera.click(QStringLiteral("Brendelquiz"), QStringLiteral("Cmdbessernicht"));
    camera.shoot(QStringLiteral("dlgbeenden"));
    camera.shootBox(QStringLiteral("msgbox-oh-naeae"),
                    [&] { camera.click(QStringLiteral("dlgbeenden"), QStringLiteral("CancelButton")); });
    camera.click(QStringLiteral("Brendelquiz"), QStringLiteral("Cmdbessernicht"));
    camera.click(QStringLiteral("dlgbeenden"), QStringLiteral("OKButton"));
    camera.shoot(QStringLiteral("Dlgfeigling"), QStringLiteral("OKButton"));
    camera.shoot(QStringLiteral("frmAbout"));

    // A whole game answered rightly, with the name dialogs, a help box and a remark box.
    driver.reset();
    driver.startGame();
    camera.click(QStringLiteral("Brendelquiz"), QStringLiteral("cdmlos_gehts"));
    camera.type(QStringLiteral("DlgNamen_angeben"), QStringLiteral("txt_Name"), QStringLiteral("Jürgen Müller"));
    camera.shoot(QStringLiteral("DlgNamen_angeben"), QStringLiteral("OKButton"));
    camera.shoot(QStringLiteral("DlgNamen_anzeigen"), QStringLiteral("OKButton"));
    for (int q = 1; q <= 16; ++q) {
        const bq::test::QuestionMoves &moves = questionMoves(q);
        if (q == 1)
            camera.shootBox(QStringLiteral("msgbox-hilfe"),
                            [&] { camera.click(moves.screen, QStringLiteral("cmdHilfe")); });
        if (q == 8) {
            // A spelling the game takes with a teasing remark.
            camera.type(moves.screen, moves.answerBox, moves.accepted.at(1));
            camera.shoot(moves.screen);
            camera.shootBox(QStringLiteral("msgbox-bemerkung"), [&] { camera.click(moves.screen, moves.okButton); });
        } else {
            answer(camera, q, true);
            camera.shoot(moves.screen, moves.okButton);
        }
        if (q < 16) {
            camera.shoot(moves.praise, QStringLiteral("OKButton"));
        }
    }
    camera.shoot(QStringLiteral("frmGlückwunsch"));

    // Every scolding.
    for (int q = 1; q <= 16; ++q) {
        driver.reset();
        if (!driver.playTo(q, QStringLiteral("Jürgen Müller")))
            camera.fail(QStringLiteral("cannot play to question %1").arg(q));
        answer(camera, q, false);
        camera.click(questionMoves(q).screen, questionMoves(q).okButton);
        camera.shoot(questionMoves(q).scolding);
    }

    const QStringList left = driver.finish();
    if (!left.isEmpty())
        camera.fail(QStringLiteral("windows left behind: %1").arg(left.join(u", ")));
    return camera.failures() == 0 ? 0 : 1;
}
