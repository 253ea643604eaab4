#include "app/first_paint.h"
#include "app/game.h"
#include "app/startup_guard.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    if (!bq::StartupGuard::displayNamed())
        return EXIT_FAILURE;
    bq::StartupGuard::preferX11WithoutWaylandPlugin(QCoreApplication::libraryPaths());
    auto guard = std::make_unique<bq::StartupGuard>();
    QApplication app(argc, argv);
    guard.reset();

    if (qEnvironmentVariableIsSet("BQ_BENCH_FIRST_PAINT"))
        bq::reportFirstPaintAndQuit();
    bq::Game game(app);
    game.start();
    const int status = app.exec();
    game.shutdown();
    return status;
}
