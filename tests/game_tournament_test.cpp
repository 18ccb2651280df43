// Whole tournaments played headless, from the welcome screen to the end.
#include <gtest/gtest.h>

#include "support/game_driver.h"

using namespace kestrin;
using kestrin::test::GameDriver;
using kestrin::test::RandomUser;

namespace {

enum class Policy { CallOrCheck, CheckOrFold, Random };

struct Outcome {
    bool won = false;
    bool finished = false;
    int hands = 0;
};

// Plays until the program ends; every dispatch is audited for chips.
// A tournament may start with the field already down to `playersOut`.
Outcome play(std::uint64_t seed, Policy policy, std::int16_t playersOut = 0, int maxDispatches = 3000000) {
    GameDriver game(seed);
    RandomUser user(seed * 7919 + 1);
    tables& t = game.table;
    t.field.players_out = playersOut;
    Outcome out;
    bool lastGameover = false;
    for (int i = 0; i < maxDispatches && !game.app.ended(); ++i) {
        // Won at the user's own turn: the game waits for "Exit".
        if (t.state.closer == 1 && !t.Timer1.enabled()) {
            game.app.click(t.Command2);
            break;
        }
        if (policy == Policy::Random && game.panelUp() ? (i % 3 == 0) : false) {
            user.act(game);
        } else if (game.waiting()) {
            if (policy == Policy::Random) {
                user.act(game);
            } else if (t.Command7.visible) {
                game.app.click(t.Command7);
            } else if (!game.app.click(policy == Policy::CheckOrFold ? t.Command8 : t.Command5)) {
                ADD_FAILURE() << "seed " << seed << ": the game waits, but the user has nothing to press";
                break;
            }
        } else {
            game.app.runNext();
        }
        if (game.app.ended()) break;
        if (t.state.gameover && !lastGameover) ++out.hands;
        lastGameover = t.state.gameover;
        if (game.chipsHeld() != game.chipsOwed()) {
            ADD_FAILURE() << "seed " << seed << ": chips held " << game.chipsHeld() << ", owed "
                          << game.chipsOwed() << " after " << out.hands << " hands";
            break;
        }
    }
    EXPECT_TRUE(game.app.ended()) << "seed " << seed << " did not end";
    EXPECT_TRUE(game.app.diagnostics().empty()) << game.app.diagnostics().front();
    out.won = t.Label24.caption == "Congratulations You Won The Tournament";
    out.finished = t.Label24.caption.rfind("Your Finished With ", 0) == 0;
    return out;
}

}  // namespace

TEST(Tournament, AUserWhoAlwaysCallsGoesOutAndIsToldItsPlace) {
    for (std::uint64_t seed : {1, 2, 3}) {
        const Outcome o = play(seed, Policy::CallOrCheck);
        EXPECT_TRUE(o.finished && !o.won) << "seed " << seed;
        EXPECT_GT(o.hands, 0);
    }
}

TEST(Tournament, AUserWhoNeverBetsLastsManyHandsBeforeTheBlindsTakeItsStack) {
    for (std::uint64_t seed : {4, 5}) {
        const Outcome o = play(seed, Policy::CheckOrFold);
        EXPECT_TRUE(o.finished && !o.won) << "seed " << seed;
        EXPECT_GT(o.hands, 30) << "seed " << seed;
    }
}

// Every other tournament starts with the field near the final table, so the
// antes, the empty seats and the tournament's win come round too.
TEST(Tournament, SoakOfRandomUsersEndsEveryGameAndOftenWinsNearTheFinalTable) {
    int won = 0, finished = 0, wonNearFinal = 0;
    for (std::uint64_t seed = 100; seed < 300; ++seed) {
        const bool nearFinal = seed % 2 == 0;
        const auto playersOut = static_cast<std::int16_t>(nearFinal ? 960 + seed % 40 : 0);
        const Outcome o = play(seed, Policy::Random, playersOut);
        won += o.won;
        finished += o.finished;
        wonNearFinal += nearFinal && o.won;
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_EQ(won + finished, 200);
    // About one in five of the tournaments begun near the final table is won;
    // a win by a lucky seed or two would leave the win barely played.
    EXPECT_GE(wonNearFinal, 10);
}
