// The player records' starting values and their two resets.
#include <gtest/gtest.h>

#include "table/hand_resets.h"

using namespace kestrin;

TEST(PlayerRecords, ANewRecordIsActiveAndOtherwiseEmpty) {
    const PlayerRecord p;
    EXPECT_TRUE(p.Active);
    EXPECT_FALSE(p.sittingout || p.fold || p.allin || p.tosswinner);
    EXPECT_EQ(p.prize + p.bet + p.totalbet + p.cardone + p.cardtwo + p.dealer + p.handrank + p.handnumber, 0);
    EXPECT_TRUE(p.caption.empty() && p.cardtext1.empty() && p.flop5.empty() && p.handvaluetops.empty());
}

TEST(PlayerRecords, ClassResetEmptiesTheHandTextsAndTouchesNothingElse) {
    TableState t;
    PlayerRecord& p = t.players[6];
    p.handrank = 7;
    p.handnumber = 512;
    p.handvalue = "Pair K";
    p.handvaluestraight = " ";
    p.handvaluerflush = "royal flush hearts";
    p.caption = "x";
    p.prize = 300;
    p.flop1 = "3c";
    p.fold = p.tosswinner = true;
    p.dealer = 4;
    t.flopvalue = "pair";
    class_set_to_zero(t);
    EXPECT_EQ(p.handrank, 0);
    EXPECT_EQ(p.handnumber, 0);
    EXPECT_EQ(p.handvalue, "");
    EXPECT_EQ(p.handvaluestraight, "");  // empty, not a blank
    EXPECT_EQ(p.handvaluerflush, "");
    EXPECT_EQ(t.flopvalue, "");
    EXPECT_EQ(p.caption, "x");
    EXPECT_EQ(p.prize, 300);
    EXPECT_EQ(p.flop1, "3c");
    EXPECT_TRUE(p.fold && p.tosswinner);
    EXPECT_EQ(p.dealer, 4);
}

TEST(PlayerRecords, RemoveFoldsClearsEverySeatWhateverItsState) {
    TableState t;
    for (int seat = 1; seat <= kSeats; ++seat) {
        t.players[seat].fold = t.players[seat].allin = true;
        t.players[seat].Active = seat % 3 != 0;
        t.players[seat].sittingout = seat % 2 == 0;
        t.players[seat].handrank = 3;
    }
    remove_folds(t);
    for (int seat = 1; seat <= kSeats; ++seat) {
        EXPECT_FALSE(t.players[seat].fold || t.players[seat].allin);
        EXPECT_EQ(t.players[seat].Active, seat % 3 != 0);
        EXPECT_EQ(t.players[seat].handrank, 3);
    }
}
