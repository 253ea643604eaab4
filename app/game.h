// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;
class QTranslator;

namespace bq {

// Start-up and shutdown of the whole game around the one welcome screen.
class Game {
public:
    explicit Game(QApplication &app);
    ~Game();
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // The whole program: the application, the welcome screen, the game until it ends.
    static int run(int argc, char *argv[]);

    // Everything the screens need, without showing anything; tests call this too.
    static void prepare();
    void start();
    void shutdown();

private:
    QApplication &m_app;
    QTranslator *m_qtTranslator = nullptr;
};

} // namespace bq
