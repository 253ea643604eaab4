// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace bq {

// Guards the making of the application object. Without a display Qt would abort with a
// core dump; the player gets one plain German line and a failure status instead. Qt's other
// remarks made meanwhile are held back and passed on once the application stands.
class StartupGuard {
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard &) = delete;
    StartupGuard &operator=(const StartupGuard &) = delete;

    // Before anything else: false, after saying so, when no display is named at all.
    static bool displayNamed();

    // On a Wayland session without Qt's Wayland plugin (Debian's qt6-wayland), Qt says it
    // cannot find the plugin and then runs the game over X11 anyway: choose X11 before Qt
    // tries, so that the player sees no alarming line. The plugin is looked for where Qt
    // looks: QT_QPA_PLATFORM_PLUGIN_PATH and the platforms folder of each plugin root. A
    // platform named in QT_QPA_PLATFORM is left alone. True when X11 was chosen.
    static bool preferX11WithoutWaylandPlugin(const QStringList &pluginRoots);
};

} // namespace bq
