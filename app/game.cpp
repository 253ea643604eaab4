// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

#include "app/course.h"
#include "app/fonts.h"
#include "app/screen_catalogue.h"
#include "app/startup_guard.h"
#include "platform/art.h"
#include "platform/background_work.h"
#include "platform/form.h"
#include "platform/forms.h"
#include "platform/idle_work.h"
#include "platform/session_end.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <memory>

namespace bq {

Game::Game(QApplication &app)
    : m_app(app)
{
}

Game::~Game() = default;

int Game::run(int argc, char *argv[], void (*afterStart)())
{
    if (!StartupGuard::displayNamed())
        return EXIT_FAILURE;
    StartupGuard::preferX11WithoutWaylandPlugin(QCoreApplication::libraryPaths());
    auto guard = std::make_unique<StartupGuard>();
    QApplication app(argc, argv);
    guard.reset();

    Game game(app);
    endWithTheSession();
    game.start();
    if (afterStart)
        afterStart();
    const int status = app.exec();
    game.shutdown();
    return endProcess(status);
}

void Game::prepare()
{
    // The title of message boxes that name none of their own, and the name the game gives
    // itself towards the desktop's sound and print systems.
    QApplication::setApplicationName(QStringLiteral("Brendelquiz"));
    // No display name: on X11 Qt would append it to every window title it hands to the
    // window manager ("Stimmt — Brendelquiz"), and each screen's caption must stand alone.
    QApplication::setApplicationVersion(QStringLiteral(BQ_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("brendelquiz"));
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    // One face for every text that names none of its own, message boxes included.
    QApplication::setFont(screenFont("MS Sans Serif", 9));
    loadArt();
    Forms::instance().setFactory(createScreen);
    Forms::instance().setEventHandler(course::handle);
}

void Game::start()
{
    prepare();
    QApplication::setWindowIcon(artIcon(QStringLiteral("app-icon")));
    // Qt's own buttons and menus speak German like the rest of the game.
    m_qtTranslator = new QTranslator(&m_app);
    if (m_qtTranslator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                             QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(m_qtTranslator);

    QObject::connect(&Forms::instance(), &Forms::ended, &m_app, &QApplication::quit, Qt::QueuedConnection);
    Forms::instance().show(screenName(Screen::Brendelquiz));
    // While the player reads the welcome screen.
    afterFirstPaint(Forms::instance().form(screenName(Screen::Brendelquiz)), loadLaterFacesWhenIdle);
}

void Game::shutdown()
{
    // The windows first, while the display is still there; then the worker's page, before
    // the application takes down the fonts it draws with.
    Forms::instance().reset();
    finishBackgroundWork();
}

} // namespace bq
