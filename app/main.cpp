#include "app/first_paint.h"
#include "app/game.h"

#include <QApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage> &heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

// The display the program tried to reach, for the one line that says it could not.
QByteArray wantedDisplay()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return "QT_QPA_PLATFORM=" + qgetenv("QT_QPA_PLATFORM");
    QByteArrayList names;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        names << "WAYLAND_DISPLAY=" + qgetenv("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        names << "DISPLAY=" + qgetenv("DISPLAY");
    return names.join(", ");
}

// While the application object is being made, Qt's remarks are held back. When no display
// can be reached Qt gives up with a fatal message and would abort with a core dump; the
// player gets one plain line and a failure status instead.
void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "brendelquiz: Kein Bildschirm erreichbar (%s).\n", wantedDisplay().constData());
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages().append({type, QByteArray(context.category), text});
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a core dump; say so plainly instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("brendelquiz: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    qInstallMessageHandler(startupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const HeldMessage &held : std::as_const(heldMessages())) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
    heldMessages().clear();
    if (qEnvironmentVariableIsSet("BQ_BENCH_FIRST_PAINT"))
        bq::reportFirstPaintAndQuit();
    bq::Game game(app);
    game.start();
    const int status = app.exec();
    game.shutdown();
    return status;
}
