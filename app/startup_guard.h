#pragma once

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
};

} // namespace bq
