#include "app/game.h"

#include "app/screen_catalogue.h"
#include "platform/art.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/forms.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <malloc.h>

namespace bq {

Game::Game(QApplication &app)
    : m_app(app)
{
}

Game::~Game() = default;

void Game::prepare()
{
    // Big buffers (each window's backing store, the certificate's PDF) get memory of their
    // own that goes back to the system when they are freed. By default the C library would
    // raise this threshold after the first such buffer and then carve them from the heap,
    // which creeps upwards with every game instead of being reused.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QApplication::setApplicationName(QStringLiteral("brendelquiz"));
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
    Forms::instance().show(QStringLiteral("Brendelquiz"));
}

void Game::shutdown()
{
    Forms::instance().reset();
}

} // namespace bq
