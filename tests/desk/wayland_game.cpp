// SPDX-License-Identifier: GPL-3.0-or-later
// A won and a lost game, played in-process on a Wayland compositor (wayland.test.sh starts a
// private weston and runs this with QT_QPA_PLATFORM=wayland).
//
//   wayland_game
//
// Every window the game shows is written to standard output as "window<TAB>screen<TAB>title",
// so that the script can find each title in what the compositor was told. Exits 0 only when
// both games went as they should and nothing was left on display.
#include "driver/game_driver.h"
#include "driver/winning_path.h"
#include "platform/form_registry.h"
#include "platform/session_end.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include <cstdio>

namespace {

using bq::test::GameDriver;
using bq::test::screenNamed;

int failures = 0;

void check(bool ok, const QString &what)
{
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
        ++failures;
    }
}

// Writes down every window as it is shown, with the title it has at that moment.
class ShownWindows : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow()) {
            const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                                : widget->objectName();
            std::printf("window\t%s\t%s\n", qPrintable(name), qPrintable(widget->windowTitle()));
            std::fflush(stdout);
        }
        return false;
    }
};

// The screen is the only one on display, and the compositor has put it on the screen. (The
// script finds its title in what the compositor was told.)
void onDisplay(GameDriver &driver, const QString &screen)
{
    check(driver.visibleScreens() == QStringList{screen},
          QStringLiteral("on display: %1 instead of %2").arg(driver.visibleScreens().join(u", "), screen));
    QWidget *window = bq::FormRegistry::instance().loaded(screenNamed(screen));
    check(window && QTest::qWaitForWindowExposed(window, 5000),
          QStringLiteral("%1 was not on the screen within 5 s").arg(screen));
}

void click(GameDriver &driver, const QString &screen, const QString &control)
{
    check(driver.click(screen, control), QStringLiteral("cannot click %1.%2").arg(screen, control));
}

void endsCleanly(GameDriver &driver, const QString &game)
{
    check(driver.ended(), game + QStringLiteral(": \"Ende\" did not end the game"));
    check(driver.visibleScreens().isEmpty(),
          game + QStringLiteral(": still on display after the end: ") + driver.visibleScreens().join(u", "));
    const QStringList left = driver.finish();
    check(left.isEmpty(), game + QStringLiteral(": windows left behind: ") + left.join(u", "));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QStringLiteral("wayland")) {
        std::fprintf(stderr, "FAIL: running on \"%s\", not on Wayland\n", qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    ShownWindows shown;
    app.installEventFilter(&shown);
    GameDriver driver;

    // A won game: every question right, the certificate, then "Programm beenden" and "Ende".
    driver.reset();
    driver.startGame();
    onDisplay(driver, QStringLiteral("Brendelquiz"));
    check(driver.winGame(QStringLiteral("Jürgen Müller")),
          QStringLiteral("the won game did not reach the certificate"));
    onDisplay(driver, QStringLiteral("frmGlückwunsch"));
    click(driver, QStringLiteral("frmGlückwunsch"), QStringLiteral("cmdende"));
    onDisplay(driver, QStringLiteral("frmAbout"));
    click(driver, QStringLiteral("frmAbout"), QStringLiteral("cmdExit"));
    endsCleanly(driver, QStringLiteral("won game"));

    // A lost game: a wrong answer to question 12, the scolding, then "Ende".
    const bq::test::QuestionMoves &twelve = bq::test::questionMoves(12);
    driver.reset();
    check(driver.playTo(12, QStringLiteral("Erika Mustermann")),
          QStringLiteral("the lost game did not reach question 12"));
    onDisplay(driver, twelve.screen);
    check(driver.answer(12, QStringLiteral("Niemand")), QStringLiteral("cannot answer question 12"));
    click(driver, twelve.screen, twelve.okButton);
    onDisplay(driver, twelve.scolding);
    click(driver, twelve.scolding, QStringLiteral("OKButton"));
    onDisplay(driver, QStringLiteral("frmAbout"));
    click(driver, QStringLiteral("frmAbout"), QStringLiteral("cmdExit"));
    endsCleanly(driver, QStringLiteral("lost game"));

    app.removeEventFilter(&shown);
    // Ends as the game does on Wayland.
    return bq::endProcess(failures == 0 ? 0 : 1);
}
