// One scripted hand, turn by turn: the blinds, a raise, the user's call, the
// flop, and a raise on the flop. Every stack is 1000 and the limits 10.
#include "support/betting_fixture.h"

using namespace kestrin;
using kestrin::test::BettingTable;

namespace {

struct ScriptedHand : BettingTable {
    void SetUp() override {
        BettingTable::SetUp();
        freshStreet();
        s.limits = 10;
        // The button stands on seat 8; the deal moves it to seat 9, so seat 10
        // posts the small blind and the user the big blind.
        for (int seat = 1; seat <= kSeats; ++seat)
            s.players[seat].dealer = static_cast<std::int16_t>((seat - 8 + kSeats) % kSeats + 1);
        game.app.dispatch([&] {
            t.new_deal();
            places({2, 5, 5, 5, 5, 5, 5, 5, 5, 1});
        });
    }
    std::int64_t chips() const {
        std::int64_t sum = s.pot;
        for (int seat = 1; seat <= kSeats; ++seat) sum += s.players[seat].prize;
        return sum;
    }
};

}  // namespace

TEST_F(ScriptedHand, BlindsRaiseCallFlopAndARaiseOnTheFlop) {
    // The blinds, and seat 2's fold at once in the same hand-on.
    EXPECT_EQ(s.players[9].dealer, 1);
    EXPECT_EQ(s.players[10].totalbet, 10);
    EXPECT_EQ(t.Label22.caption, " 990");
    EXPECT_EQ(s.players[1].totalbet, 20);
    EXPECT_EQ(t.Label13.caption, " 980");
    EXPECT_EQ(s.currentbet, 20);
    EXPECT_EQ(s.pot, 30);
    EXPECT_TRUE(s.postblinds);
    EXPECT_TRUE(s.players[2].fold);
    EXPECT_FALSE(t.Picture14.visible);
    EXPECT_EQ(s.flopshower, 1);
    EXPECT_EQ(s.focuser, 2);

    // Seats 3 to 9 fold, one a tick.
    for (int seat = 3; seat <= 9; ++seat) {
        game.app.runNext();
        EXPECT_TRUE(s.players[seat].fold) << seat;
        EXPECT_EQ(s.focuser, seat);
    }

    // Seat 10 in first place raises 10 owed + 990 / 10.
    game.app.runNext();
    EXPECT_EQ(s.players[10].totalbet, 119);
    EXPECT_EQ(s.players[10].prize, 881);
    EXPECT_EQ(s.flopshower, 9);
    EXPECT_EQ(s.currentbet, 119);
    EXPECT_EQ(s.pot, 139);

    // The user's turn: the clock stops until the user acts.
    game.app.runNext();
    EXPECT_EQ(t.Command5.caption, " 99");
    EXPECT_EQ(t.Command6.caption, "119");
    EXPECT_FALSE(t.roundtimer.enabled());
    game.app.click(t.Command5);
    EXPECT_EQ(s.players[1].prize, 881);
    EXPECT_EQ(t.chiplabel1.caption, " 99");
    EXPECT_EQ(s.pot, 238);
    EXPECT_EQ(s.focuser, 1);

    // The folded seats hand on at once; seat 9 closes the pre-flop, the flop
    // turns up, and seat 10 raises 881 / 10 on it.
    game.app.runNext();
    EXPECT_TRUE(s.postflop1);
    EXPECT_TRUE(t.Picture32.visible);
    EXPECT_EQ(s.raiservalue, 2);
    EXPECT_EQ(s.flopshower1, 9);
    EXPECT_EQ(s.players[10].prize, 793);
    EXPECT_EQ(s.currentbet, 88);
    EXPECT_EQ(s.pot, 326);
    EXPECT_EQ(s.focuser, 10);
    EXPECT_EQ(chips(), 10000);

    game.app.runNext();
    EXPECT_EQ(t.Command5.caption, " 88");
    EXPECT_EQ(t.Command6.caption, "108");
}

TEST_F(ScriptedHand, WhenEveryoneFoldsToTheBigBlindTheUserTakesTheBlinds) {
    places({2, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    game.app.runUntil([&] { return s.gameover; }, 40);
    EXPECT_TRUE(s.gameover);
    EXPECT_EQ(s.players[1].prize, 1010);
    EXPECT_EQ(s.players[10].prize, 990);
}
