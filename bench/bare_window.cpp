// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's figures: the least a Qt Widgets program does to put a
// window on the display. One window with one label.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Brendelquiz"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Herzlich Willkommen"), &window));
    window.show();
    return app.exec();
}
