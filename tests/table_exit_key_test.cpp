// The game parks the focus on "Exit" at every hand's end; while the
// tournament goes on a key presses it only where the user put the focus.
#include <gtest/gtest.h>

#include "support/play_until.h"

using namespace kestrin;
using kestrin::test::GameDriver;
using kestrin::test::playUntil;

namespace {

// Between two hands of a tournament still going on.
bool reachHandsEnd(GameDriver& game) {
    const tables& t = game.table;
    return playUntil(game, test::Owed::Fold,
                     [&] { return t.state.gameover && t.state.closer == 0 && t.Timer1.enabled(); });
}

void space(GameDriver& game) { game.app.key(game.table, plat::keys::Space, 0, ' '); }

}  // namespace

TEST(ExitKey, SpaceBetweenHandsGoesOnToTheNextHand) {
    GameDriver game(21);
    tables& t = game.table;
    for (int hand = 0; hand < 3; ++hand) {
        ASSERT_TRUE(reachHandsEnd(game));
        ASSERT_EQ(t.owner(), &t.Command2);
        space(game);
        EXPECT_FALSE(game.app.ended());
        ASSERT_TRUE(playUntil(game, test::Owed::Fold, [&] { return !t.state.gameover; }));  // dealt
    }
}

TEST(ExitKey, ExitEndsTheGameOnAClickOnSpaceAfterTabOrOnceTheTournamentIsOver) {
    struct Way {
        const char* name;
        void (*press)(GameDriver&);
    };
    for (const Way& way : {
             Way{"Tab and back, Space",
                 [](GameDriver& g) {
                     g.app.key(g.table, plat::keys::Tab);
                     g.app.key(g.table, plat::keys::Tab, plat::keys::ShiftMask);
                     space(g);
                 }},
             Way{"click", [](GameDriver& g) { g.app.click(g.table.Command2); }},
             Way{"Space once over",
                 [](GameDriver& g) {
                     g.table.state.closer = 1;
                     space(g);
                 }},
         }) {
        GameDriver game(22);
        ASSERT_TRUE(reachHandsEnd(game));
        way.press(game);
        EXPECT_TRUE(game.app.ended()) << way.name;
    }
}
