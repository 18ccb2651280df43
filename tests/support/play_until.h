// Plays a whole game on until a moment a test wants: the clocks run, and
// whenever the game waits for the user, the user checks, or else calls or
// folds as the test asks (a user who calls sees the flop and its "Check"
// turns; one who folds lasts many hands).
#pragma once

#include <gtest/gtest.h>

#include "support/game_driver.h"

namespace kestrin::test {

enum class Owed { Call, Fold };

// False, with a failure, if the moment never comes or a step creates or
// destroys chips.
template <class Pred>
bool playUntil(GameDriver& game, Owed owed, Pred pred, int maxSteps = 100000) {
    tables& t = game.table;
    for (int step = 0; step < maxSteps && !game.app.ended(); ++step) {
        if (game.chipsHeld() != game.chipsOwed()) {
            ADD_FAILURE() << "chips held " << game.chipsHeld() << ", owed " << game.chipsOwed();
            return false;
        }
        if (pred()) return true;
        if (!game.waiting()) {
            game.app.runNext();
            continue;
        }
        plat::CommandButton& act = t.Command7.visible ? t.Command7 : owed == Owed::Call ? t.Command5 : t.Command8;
        if (!game.app.click(act)) break;
    }
    ADD_FAILURE() << "the moment never came" << (game.app.ended() ? ": the program ended" : "");
    return false;
}

}  // namespace kestrin::test
