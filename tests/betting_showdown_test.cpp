// The showdown: who wins, how the pot is shared, and the end of the
// tournament for the user.
#include "support/betting_fixture.h"

using namespace kestrin;
using kestrin::test::BettingTable;

using Showdown = BettingTable;

namespace {
std::int64_t stacks(const TableState& s) {
    std::int64_t sum = 0;
    for (int seat = 1; seat <= kSeats; ++seat) sum += s.players[seat].prize;
    return sum;
}
}  // namespace

TEST_F(Showdown, ASoleSurvivorTakesTheWholePotAndOnlyItsCardsTurnUp) {
    freshStreet();
    for (int seat = 1; seat <= kSeats; ++seat) s.players[seat].fold = seat != 7;
    places({1, 2, 3, 4, 5, 5, 5, 5, 5, 5});
    s.pot = 250;
    s.players[7].caption = "rotten kid";
    s.players[7].handvalue = "Pair 9";
    t.evaluate_winner();
    EXPECT_EQ(s.players[7].prize, 1250);
    EXPECT_EQ(s.players[7].handrank, 1);
    EXPECT_EQ(s.players[1].handrank, 10);
    EXPECT_EQ(t.winnerlabel.caption, "rotten kid Pair 9");
    EXPECT_TRUE(t.winnerlabel.visible);
    EXPECT_EQ(t.Picture24.picture.cell, s.players[7].cardone);
    EXPECT_NE(t.Picture14.picture.cell, s.players[2].cardone);  // still the back
}

TEST_F(Showdown, APotThatDoesNotDivideIsPaidOutToTheLastChip) {
    freshStreet();
    for (int seat = 4; seat <= kSeats; ++seat) s.players[seat].fold = true;
    places({1, 1, 1, 5, 5, 5, 5, 5, 5, 5});
    s.pot = 100;
    const auto before = stacks(s);
    t.evaluate_winner();
    EXPECT_EQ(s.players[1].prize, 1034);
    EXPECT_EQ(s.players[2].prize, 1033);
    EXPECT_EQ(s.players[3].prize, 1033);
    EXPECT_EQ(stacks(s), before + 100);
    EXPECT_EQ(s.numberofwinners, 3);
}

TEST_F(Showdown, OnlyTheSeatsTiedForTheBestPlaceStillInShareThePot) {
    freshStreet();
    s.players[1].fold = true;  // first place folded
    places({1, 2, 2, 4, 5, 5, 5, 5, 5, 5});
    for (int seat = 5; seat <= kSeats; ++seat) s.players[seat].fold = true;
    s.pot = 101;
    t.evaluate_winner();
    EXPECT_EQ(s.players[2].prize, 1051);
    EXPECT_EQ(s.players[3].prize, 1050);
    EXPECT_EQ(s.players[4].prize, 1000);
    EXPECT_EQ(s.players[4].handrank, 4);
}

TEST_F(Showdown, ASingleBestPlaceWinsAloneAndIsRaisedToFirst) {
    freshStreet();
    s.players[1].fold = true;
    places({1, 2, 3, 3, 5, 5, 5, 5, 5, 5});
    s.pot = 90;
    t.evaluate_winner();
    EXPECT_EQ(s.players[2].prize, 1090);
    EXPECT_EQ(s.players[2].handrank, 1);
    EXPECT_EQ(s.numberofwinners, 1);
}

TEST_F(Showdown, TheHandIsPaidOnceWhateverCallsTheShowdownAgain) {
    freshStreet();
    places({1, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    s.pot = 60;
    t.evaluate_winner();
    t.evaluate_winner();
    EXPECT_EQ(s.players[1].prize, 1060);
}

TEST_F(Showdown, WithEveryoneFoldedNobodyIsPaidAndTheNextHandStillComes) {
    freshStreet();
    for (int seat = 1; seat <= kSeats; ++seat) s.players[seat].fold = true;
    t.winnerlabel.caption = "kept";
    s.pot = 30;
    t.evaluate_winner();
    EXPECT_EQ(stacks(s), 10000);
    EXPECT_EQ(t.winnerlabel.caption, "kept");
    EXPECT_TRUE(t.Timer1.enabled());
}

TEST_F(Showdown, TheUsersFinishingLineCountsThePlayersStillIn) {
    struct Case {
        std::int16_t out;
        int activeOpponents;
        const char* text;
    };
    for (const Case& c : {Case{600, 9, "Your Finished With  400 Players Still in Tournament"},
                          Case{995, 3, "Your Finished With  3 Players Still in Tournament"},
                          Case{990, 9, "Your Finished With  10 Players Still in Tournament"}}) {
        freshStreet();
        s.closer = 0;
        t.field.players_out = c.out;
        for (int seat = 2; seat <= kSeats; ++seat) s.players[seat].Active = seat - 1 <= c.activeOpponents;
        s.players[1].prize = 0;
        s.players[1].fold = true;
        places({5, 1, 5, 5, 5, 5, 5, 5, 5, 5});
        t.evaluate_winner();
        EXPECT_EQ(t.Label24.caption, c.text);
        EXPECT_TRUE(t.Label24.visible);
        EXPECT_EQ(s.closer, 1);
        quiet();
    }
}

TEST_F(Showdown, AStackOfOneChipIsStillIn) {
    freshStreet();
    s.players[1].prize = 1;
    places({5, 1, 5, 5, 5, 5, 5, 5, 5, 5});
    t.evaluate_winner();
    EXPECT_EQ(s.closer, 0);
    EXPECT_FALSE(t.Label24.visible && t.Label24.caption.rfind("Your", 0) == 0);
}

TEST_F(Showdown, NoOpponentLeftWinsTheTournamentAndTheEndComesAfterThePause) {
    freshStreet();
    for (int seat = 2; seat <= kSeats; ++seat) s.players[seat].Active = false;
    places({1, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    t.evaluate_winner();
    EXPECT_EQ(t.Label24.caption, "Congratulations You Won The Tournament");
    EXPECT_TRUE(t.Label24.opaque);
    EXPECT_EQ(t.Label24.back, 255u);
    EXPECT_EQ(t.Label24.fore, 65535u);
    EXPECT_EQ(t.Label24.font.points, 14);
    EXPECT_EQ(s.closer, 1);
    EXPECT_TRUE(game.app.runNext());
    EXPECT_TRUE(game.app.ended());
}
