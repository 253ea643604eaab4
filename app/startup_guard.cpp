// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup_guard.h"

#include <QByteArrayList>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace bq {
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

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "brendelquiz: Kein Bildschirm erreichbar (%s).\n", wantedDisplay().constData());
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages().append({type, QByteArray(context.category), text});
}

} // namespace

StartupGuard::StartupGuard()
{
    qInstallMessageHandler(holdMessage);
}

StartupGuard::~StartupGuard()
{
    qInstallMessageHandler(nullptr);
    for (const HeldMessage &held : std::as_const(heldMessages())) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
    heldMessages().clear();
}

bool StartupGuard::displayNamed()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("brendelquiz: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n", stderr);
        return false;
    }
    return true;
}

bool StartupGuard::preferX11WithoutWaylandPlugin(const QStringList &pluginRoots)
{
    const bool waylandSession =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (!waylandSession || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    QStringList folders{qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (const QString &root : pluginRoots)
        folders.append(root + QStringLiteral("/platforms"));
    for (const QString &folder : std::as_const(folders)) {
        if (!folder.isEmpty() && QFileInfo::exists(folder + QStringLiteral("/libqwayland-generic.so")))
            return false;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

} // namespace bq
