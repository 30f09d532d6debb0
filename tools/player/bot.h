// The headless player of the balance report and the player test: the herder and the session it plays
// through live in the game's library (src/herder.h, src/herding_game.h), which the editor's verdict shares.
#pragma once

#include "herding_game.h"
#include "quorvel.h"
