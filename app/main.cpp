#include "app/game.h"

int main(int argc, char *argv[])
{
    return bq::Game::run(argc, argv);
}
