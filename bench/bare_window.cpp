// The yardstick for the game's figures: the least a Qt Widgets program does to put a
// window on the display. One window with one label; it reports and quits after its
// first paint, the way the game does when BQ_BENCH_FIRST_PAINT is set.
#include "app/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    bq::reportFirstPaintAndQuit();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Brendelquiz"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Herzlich Willkommen"), &window));
    window.show();
    return app.exec();
}
