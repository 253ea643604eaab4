// SPDX-License-Identifier: GPL-3.0-or-later
// The game exactly as it starts for a player, except that it reports the end of its first
// paint ("first-paint <ns>") and quits: what the start-up benchmark times.
#include "app/game.h"
#include "bench/first_paint.h"

int main(int argc, char *argv[])
{
    return bq::Game::run(argc, argv, bq::reportFirstPaintAndQuit);
}
