// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

int main(int argc, char *argv[])
{
    return bq::Game::run(argc, argv);
}
