// The game parks the focus on "Exit" at every hand's end; while the
// tournament goes on a key presses it only where the user put the focus.
#include <gtest/gtest.h>

#include "support/play_until.h"

using namespace kestrin;
using kestrin::test::GameDriver;
using kestrin::test::playUntil;

namespace {

// Between two hands of a tournament still going on; with clockOn, after a
// hand decided on a computer seat's turn, so the turn clock still ticks.
bool reachHandsEnd(GameDriver& game, bool clockOn = false) {
    const tables& t = game.table;
    return playUntil(game, test::Owed::Fold, [&] {
        return t.state.gameover && t.state.closer == 0 && t.Timer1.enabled() &&
               (!clockOn || t.roundtimer.enabled());
    });
}

void space(GameDriver& game) { game.app.key(game.table, plat::keys::Space, 0, ' '); }

}  // namespace

TEST(ExitKey, SpaceBetweenHandsGoesOnToTheNextHand) {
    GameDriver game(21);
    tables& t = game.table;
    for (int hand = 0; hand < 3; ++hand) {
        ASSERT_TRUE(reachHandsEnd(game));
        ASSERT_EQ(t.owner(), &t.Command2);
        game.app.advanceTo(game.app.now() + 5000);  // the clock, if on, parks it again
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
             Way{"Tab round to Exit, two ticks of the clock, Space",
                 [](GameDriver& g) {
                     tables& t = g.table;
                     ASSERT_TRUE(reachHandsEnd(g, true));
                     for (int i = 0; i < 20; ++i) {
                         g.app.key(t, plat::keys::Tab);
                         if (t.owner() == &t.Command2) break;
                     }
                     ASSERT_EQ(t.owner(), &t.Command2);
                     // Each tick hands the focus to the next seat and asks
                     // for it on "Exit" again.
                     g.app.advanceTo(g.app.now() + 5000);
                     ASSERT_TRUE(t.state.gameover);  // not dealt yet
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
        EXPECT_EQ(game.chipsHeld(), game.chipsOwed()) << way.name;
    }
}
