// The computer seats' turns and decisions.
#include "support/betting_fixture.h"

using namespace kestrin;
using kestrin::test::BettingTable;

namespace {

struct Computer : BettingTable {
    void flop() {
        freshStreet();
        s.postblinds = s.postflop1 = true;
        s.postflop2 = s.postflop3 = false;
        s.folder = 1;
    }
};

}  // namespace

TEST_F(Computer, AFirstPlaceRaisesOwedPlusItsShareRoundedHalfToEven) {
    struct Case {
        int seat;
        std::int32_t stack, owed, paid;
    };
    // Seat 2 divides by 10 at first place and 20 at second; seat 5 by 20.
    for (const Case& c : {Case{2, 1000, 20, 120}, Case{2, 985, 0, 98}, Case{2, 995, 0, 100},
                          Case{5, 1030, 10, 62}, Case{5, 990, 10, 60}, Case{2, 50, 100, 50}}) {
        flop();
        places({5, 1, 5, 5, 1, 5, 5, 5, 5, 5});
        s.players[c.seat].prize = c.stack;
        s.currentbet = c.owed;
        t.computer_player_decide(c.seat);
        EXPECT_EQ(s.players[c.seat].totalbet, c.paid) << c.seat << " " << c.stack;
        EXPECT_TRUE(s.raiser);
        EXPECT_EQ(s.players[c.seat].allin, c.paid == c.stack);
    }
}

TEST_F(Computer, MiddlePlacesRaiseBeforeTheRiverAndFoldOnIt) {
    flop();
    places({5, 3, 5, 5, 5, 5, 5, 5, 5, 5});
    t.computer_player_decide(2);
    EXPECT_EQ(s.players[2].totalbet, 50);  // 1000 / 20
    flop();
    places({5, 3, 5, 5, 5, 5, 5, 5, 5, 5});
    s.postflop2 = s.postflop3 = true;
    t.Picture14.visible = true;
    t.computer_player_decide(2);
    EXPECT_TRUE(s.players[2].fold);
    EXPECT_FALSE(t.Picture14.visible);
    EXPECT_EQ(s.pot, 0);
}

TEST_F(Computer, LastPlacesFoldAndPlaceZeroNeitherPaysNorFolds) {
    flop();
    places({5, 5, 0, 5, 5, 5, 5, 5, 5, 5});
    t.computer_player_decide(2);
    EXPECT_TRUE(s.players[2].fold);
    t.computer_player_decide(3);
    EXPECT_FALSE(s.players[3].fold);
    EXPECT_EQ(s.pot, 0);
}

TEST_F(Computer, AloneAtTheTopSeatsTwoToFourCallTheOthersCheck) {
    flop();
    places({5, 1, 5, 5, 5, 1, 5, 5, 5, 5});
    for (int seat = 1; seat <= kSeats; ++seat) s.players[seat].fold = seat != 2 && seat != 6;
    s.players[6].allin = true;
    s.currentbet = 40;
    t.computer_player_decide(2);
    EXPECT_EQ(s.players[2].totalbet, 40);
    EXPECT_FALSE(s.raiser);
    s.players[6].allin = false;
    s.players[2].allin = true;
    t.computer_player_decide(6);
    EXPECT_EQ(s.players[6].totalbet, 0);
}

TEST_F(Computer, FolderIsOneTwoOrThreeAtEveryTurn) {
    int seen[4] = {};
    for (int i = 0; i < 300; ++i) {
        t.folder_value();
        ASSERT_GE(s.folder, 1);
        ASSERT_LE(s.folder, 3);
        ++seen[s.folder];
    }
    EXPECT_GT(seen[1], 50);
    EXPECT_GT(seen[2], 50);
    EXPECT_GT(seen[3], 50);
}

TEST_F(Computer, SeatTensAllInSmallBlindHandsTheTurnOnOnce) {
    freshStreet();
    s.postblinds = s.postflop1 = s.postflop2 = s.postflop3 = false;
    for (int seat = 1; seat <= kSeats; ++seat) s.players[seat].dealer = static_cast<std::int16_t>((seat - 9 + kSeats) % kSeats + 1);
    s.players[10].prize = 5;
    s.limits = 10;
    places({5, 5, 5, 5, 5, 5, 5, 5, 5, 5});  // seat 2, next, folds
    t.Label24.visible = false;
    inHandler([&] { t.Picture11.setFocus(); });
    EXPECT_TRUE(s.players[10].allin);
    // The user's seat posted the big blind; no user's turn was opened.
    EXPECT_EQ(s.players[1].totalbet, 20);
    EXPECT_FALSE(game.panelUp());
    EXPECT_EQ(s.currentbet, 20);
    EXPECT_EQ(s.pot, 25);
}

TEST_F(Computer, AnInactiveSeatAfterTheButtonFoldsAndNoSmallBlindIsPosted) {
    freshStreet();
    s.postblinds = false;
    for (int seat = 1; seat <= kSeats; ++seat) s.players[seat].dealer = static_cast<std::int16_t>((seat - 4 + kSeats) % kSeats + 1);
    s.players[5].Active = false;
    places({5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    inHandler([&] { t.Picture6.setFocus(); });
    EXPECT_TRUE(s.players[5].fold);
    EXPECT_EQ(s.players[5].totalbet, 0);
    EXPECT_EQ(s.players[6].totalbet, 20);  // seat 6's turn followed at once
    EXPECT_EQ(s.pot, 20);
    EXPECT_EQ(s.focuser, 6);
}
