// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

#include "app/course.h"
#include "app/fonts.h"
#include "app/screen_factory.h"
#include "app/startup_guard.h"
#include "catalogue/screen_catalogue.h"
#include "platform/art.h"
#include "platform/background_work.h"
#include "platform/faces.h"
#include "platform/form.h"
#include "platform/form_registry.h"
#include "platform/idle_work.h"
#include "platform/session_end.h"
#include "platform/sound.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QTranslator>

#include <malloc.h>

#include <cstdlib>
#include <memory>

// The pictures (resources/art) and their bitmaps made at build time are compiled into the
// game's library; the linker needs to be told.
static void initArtResources()
{
    Q_INIT_RESOURCE(art);
    Q_INIT_RESOURCE(art_bitmaps);
    Q_INIT_RESOURCE(art_bitmaps_2x);
}

namespace bq {

Game::Game(QApplication &app) : m_app(app) {}

Game::~Game() = default;

int Game::run(int argc, char *argv[])
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
    const int status = app.exec();
    game.shutdown();
    return endProcess(status);
}

void Game::prepare()
{
    // The title of message boxes that name none of their own, and the name the game gives
    // itself towards the desktop's sound and print systems.
    QApplication::setApplicationName(QStringLiteral("Brendelquiz"));
    // The game sets no application display name: on X11 Qt would append it to every window
    // title it hands to the window manager ("Stimmt — Brendelquiz"), and each screen's
    // caption must stand alone.
    QApplication::setApplicationVersion(QStringLiteral(BQ_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("brendelquiz"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Window backing stores and pictures are large and short-lived: each gets a mapping of
    // its own, given back when the screen goes. Left to itself, the C library raises this
    // threshold after the first such buffer is freed and puts the later ones in the heap,
    // whose holes then stay resident for the rest of the game.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // The style keeps its drawings of buttons for reuse, by default up to 10 MiB of them: a
    // screen's few buttons need a fraction of what is kept here.
    QPixmapCache::setCacheLimit(128);
    resolveInstalledFaces();
    // One face for every text that names none of its own, message boxes included.
    QApplication::setFont(screenFont("MS Sans Serif", 9));
    static const bool artLoaded = [] {
        initArtResources();
        return true;
    }();
    Q_UNUSED(artLoaded);
    setArtFolder(QStringLiteral(":/art"));
    SoundLocator::setInstalledFolder(QStringLiteral("brendelquiz/sounds"));
    FormRegistry::instance().setCatalogue({createScreen, [](int id) { return screenName(Screen(id)); }});
    FormRegistry::instance().setEventHandler(course::handle);
}

void Game::start()
{
    prepare();
    QApplication::setWindowIcon(artIcon(QStringLiteral("app-icon")));
    // Qt's own buttons and menus speak German like the rest of the game.
    m_qtTranslator = new QTranslator(&m_app);
    if (m_qtTranslator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(m_qtTranslator);

    QObject::connect(&FormRegistry::instance(), &FormRegistry::ended, &m_app, &QApplication::quit,
                     Qt::QueuedConnection);
    FormRegistry::instance().show(Screen::Brendelquiz);
    // While the player reads the welcome screen.
    afterFirstPaint(FormRegistry::instance().load(Screen::Brendelquiz), loadLaterFacesWhenIdle);
}

void Game::shutdown()
{
    // The windows first, while the display is still there; then the worker's page, before
    // the application takes down the fonts it draws with.
    FormRegistry::instance().reset();
    finishBackgroundWork();
}

} // namespace bq
