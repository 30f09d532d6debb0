// Entry point, kept apart so that everything else links into the tests.
#include "quorvel.h"

int main(int ArgC, char** ArgV)
{
    return run_game(ArgC, ArgV);
}
