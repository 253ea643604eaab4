#include "app/first_paint.h"
#include "app/game.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a core dump; say so plainly instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("brendelquiz: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("BQ_BENCH_FIRST_PAINT"))
        bq::reportFirstPaintAndQuit();
    bq::Game game(app);
    game.start();
    const int status = app.exec();
    game.shutdown();
    return status;
}
