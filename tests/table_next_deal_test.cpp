// From one hand to the next: the next-hand timer, the reset of the hand, the
// user's sit-out, and the final table's antes.
#include <gtest/gtest.h>

#include "platform/numtext.h"
#include "support/open_table.h"

using namespace kestrin;

namespace {

struct NextDeal : kestrin::test::OpenTable {

    void finalTable() {
        t->field.players_out = 995;
        t->field.chips_out = 990000;
    }
};

}  // namespace

TEST_F(NextDeal, TheNextHandStartsThirteenSecondsAfterTheSignalAndTheTimerStopsAgain) {
    ASSERT_TRUE(game.playToShowdown());  // the showdown signals the hand's end
    ASSERT_TRUE(t->Timer1.enabled());
    const plat::Ms signalled = game.app.now();
    game.app.advanceTo(signalled + 6000);
    t->Command1_Click();  // a second signal before the tick changes nothing
    const std::int16_t before = t->field.players_out;
    game.app.advanceTo(signalled + 12999);
    EXPECT_EQ(t->field.players_out, before);
    game.app.advanceTo(signalled + 13000);
    EXPECT_GT(t->field.players_out, before);
    EXPECT_FALSE(t->Timer1.enabled());
    EXPECT_TRUE(t->roundtimer.enabled());
}

TEST_F(NextDeal, TheDealClearsEveryTraceOfTheLastHand) {
    ASSERT_TRUE(game.playToShowdown());
    // Every trace a hand can leave, on top of what this one left.
    TableState& s = t->state;
    for (int seat = 1; seat <= kSeats; ++seat) {
        s.players[seat].fold = true;
        s.players[seat].allin = true;
        s.players[seat].bet = 5;
        s.players[seat].totalbet = 7;
        t->stackLabel[seat].caption = "stale";
    }
    s.postblinds = s.postflop1 = s.postflop2 = s.postflop3 = true;
    s.flopshower = 3;
    s.flopshower3 = 1;
    s.raiservalue = 4;
    s.raiser = true;
    s.gameover = true;
    s.folder = 9;  // no turn draws this
    s.currentbet = 40;
    t->winnerlabel.visible = true;
    t->Command5.visible = true;
    t->Text2.text = "40";
    game.toNextDeal();
    // What is left is the new hand's: the blinds of the two seats after the
    // button, and the value that their turns drew for the decisions.
    const int small = game.seatNumbered(2), big = game.seatNumbered(3);
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& p = s.players[seat];
        const std::int32_t blind = seat == small ? 10 : seat == big ? 20 : 0;
        EXPECT_FALSE(p.fold || p.allin) << seat;
        EXPECT_EQ(p.bet, blind) << seat;
        EXPECT_EQ(p.totalbet, blind) << seat;
        EXPECT_GE(p.handrank, 1);
        EXPECT_EQ(t->stackLabel[seat].caption, plat::numText(p.prize)) << seat;
    }
    EXPECT_FALSE(s.postflop1 || s.postflop2 || s.postflop3 || s.raiser || s.gameover);
    EXPECT_EQ(s.postblinds, big == 1);  // only the user's big blind sets it before the clock does
    EXPECT_EQ(s.flopshower + s.flopshower1 + s.flopshower2 + s.flopshower3, 0);
    EXPECT_EQ(s.raiservalue, 0);
    EXPECT_GE(s.folder, 1);
    EXPECT_LE(s.folder, 3);
    EXPECT_EQ(s.currentbet, 20);
    EXPECT_EQ(s.pot, 30);
    EXPECT_GE(s.numberofwinners, 1);
    // The winner line holds the new deal's placing line, hidden: the name of
    // a seat in first place and its hand.
    EXPECT_FALSE(t->winnerlabel.visible);
    bool named = false;
    for (int seat = 1; seat <= kSeats; ++seat)
        named = named || (s.players[seat].handrank == 1 &&
                          t->winnerlabel.caption == s.players[seat].caption + " " + s.players[seat].handvalue);
    EXPECT_TRUE(named) << t->winnerlabel.caption;
    EXPECT_FALSE(t->Command5.visible);
    EXPECT_EQ(t->Text2.text, "");
    for (int n = 32; n <= 36; ++n) EXPECT_FALSE(t->find("Picture" + std::to_string(n))->visible);
}

TEST_F(NextDeal, WithCloserOneTheTickEndsTheProgram) {
    t->state.closer = 1;
    game.endHand(2);
    game.app.runNext();
    EXPECT_TRUE(game.app.ended());
}

TEST_F(NextDeal, AnyOtherCloserValueLeavesTheTableAsItIs) {
    t->state.closer = 2;
    const std::int16_t out = t->field.players_out;
    game.endHand(2);
    game.app.runNext();
    EXPECT_FALSE(game.app.ended());
    EXPECT_EQ(t->field.players_out, out);
    EXPECT_TRUE(t->Timer1.enabled());
}

TEST_F(NextDeal, AtTheFinalTableEverySeatStillInPaysTheAnte) {
    finalTable();
    ASSERT_TRUE(game.playToShowdown());
    // The stacks as the hand left them: seat 7 doubled up, seat 3 busted.
    for (int seat = 1; seat <= kSeats; ++seat) t->state.players[seat].prize = 1000;
    t->state.players[7].prize = 2000;
    t->state.players[3].prize = 0;  // empties this deal, pays nothing
    const std::int64_t before = game.chipsAtTable();
    game.toNextDeal();
    const TableState& s = t->state;
    EXPECT_EQ(s.pot, 9 * 10);
    EXPECT_EQ(s.currentbet, 10);
    EXPECT_EQ(game.chipsAtTable(), before);
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (seat == 3) {
            EXPECT_FALSE(t->chiplabel3.visible);
            continue;
        }
        EXPECT_EQ(t->stackLabel[seat].caption, seat == 7 ? " 1990" : " 990");
        EXPECT_TRUE(t->betLabel[seat].visible);
        EXPECT_EQ(t->betLabel[seat].caption, " 10");
        EXPECT_TRUE(t->backchips[6 * seat - 1].visible);
        EXPECT_EQ(s.players[seat].bet, 0);
        EXPECT_EQ(s.players[seat].totalbet, 0);
        EXPECT_FALSE(s.players[seat].allin);
    }
}

TEST_F(NextDeal, AnAnteLargerThanTheStackTakesTheStackAndLeavesTheSeatAllIn) {
    finalTable();
    ASSERT_TRUE(game.playToShowdown());
    t->state.limits = 25;
    for (int seat = 1; seat <= kSeats; ++seat) t->state.players[seat].prize = 1000;
    t->state.players[2].prize = 4;
    t->state.players[9].prize = 25;
    const std::int64_t before = game.chipsAtTable();
    game.toNextDeal();
    const TableState& s = t->state;
    EXPECT_EQ(s.players[2].prize, 0);
    EXPECT_TRUE(s.players[2].allin);
    EXPECT_EQ(t->Label14.caption, "All in");
    EXPECT_EQ(t->chiplabel2.caption, " 4");
    EXPECT_EQ(s.players[9].prize, 0);
    EXPECT_TRUE(s.players[9].allin);
    EXPECT_EQ(t->Label21.caption, "All in");
    EXPECT_EQ(s.pot, 8 * 25 + 4 + 25);
    EXPECT_EQ(s.currentbet, 25);
    EXPECT_EQ(game.chipsAtTable(), before);
    EXPECT_TRUE(s.players[2].Active);  // still in until a showdown takes the last chip
}

TEST_F(NextDeal, SitOutIsAskedTwiceThenAppliedThenTakenBack) {
    game.app.click(t->Command3);
    game.app.click(t->Command3);
    EXPECT_EQ(t->Command3.back, 255u);
    EXPECT_EQ(t->state.sitter, 1);
    EXPECT_FALSE(t->state.players[1].sittingout);
    game.nextHand();
    EXPECT_TRUE(t->state.players[1].sittingout);
    EXPECT_FALSE(t->Picture12.visible);
    EXPECT_FALSE(t->Picture13.visible);
    game.app.click(t->Command3);
    EXPECT_EQ(t->Command3.back, 65535u);
    EXPECT_EQ(t->state.sitter, 0);
    game.nextHand();
    EXPECT_FALSE(t->state.players[1].sittingout);
    EXPECT_TRUE(t->Picture12.visible);
    EXPECT_TRUE(t->Picture13.visible);
}

TEST_F(NextDeal, SittingOutOnTheButtonCostsTwiceTheLimitsAndTheButtonMovesOn) {
    game.app.click(t->Command3);
    game.nextHand();
    ASSERT_TRUE(t->state.players[1].sittingout);
    ASSERT_TRUE(game.playToShowdown());
    game.buttonAt(1);  // the user held the button in the hand just played
    const std::int32_t stack = t->state.players[1].prize;
    const std::int64_t before = game.chipsAtTable();
    const std::int64_t seated = t->field.chips_seated, charged = t->field.chips_charged;
    game.toNextDeal();
    EXPECT_EQ(t->state.players[1].prize, stack - 20);
    EXPECT_EQ(t->Label13.caption, plat::numText(stack - 20));
    // These chips leave the game; only newcomers bring chips in.
    EXPECT_EQ(t->field.chips_charged - charged, 20);
    EXPECT_EQ(game.chipsAtTable(), before - 20 + (t->field.chips_seated - seated));
    EXPECT_EQ(t->state.players[2].dealer, 1);
    // The pot holds the blinds of seats 3 and 4 and nothing of the charge.
    EXPECT_EQ(t->state.players[1].totalbet, 0);
    EXPECT_EQ(t->state.players[3].totalbet + t->state.players[4].totalbet, 30);
    EXPECT_EQ(t->state.pot, 30);
}

TEST_F(NextDeal, TheSitOutChargeNeverTakesTheStackBelowNothing) {
    game.app.click(t->Command3);
    game.nextHand();
    ASSERT_TRUE(game.playToShowdown());
    game.buttonAt(1);
    t->state.players[2].prize += t->state.players[1].prize - 15;
    t->state.players[1].prize = 15;
    const std::int64_t before = game.chipsAtTable();
    const std::int64_t seated = t->field.chips_seated, charged = t->field.chips_charged;
    game.toNextDeal();
    EXPECT_EQ(t->state.players[1].prize, 0);
    EXPECT_EQ(t->Label13.caption, "All in");
    EXPECT_EQ(t->field.chips_charged - charged, 15);
    EXPECT_EQ(game.chipsAtTable(), before - 15 + (t->field.chips_seated - seated));
}

TEST_F(NextDeal, FromTheFinalTableOnTheUserIsDealtInAndSitOutDoesNothing) {
    game.app.click(t->Command3);
    game.nextHand();
    ASSERT_TRUE(t->state.players[1].sittingout);
    t->field.players_out = 990;
    t->field.chips_out = 990000;
    // Sitting out, a click would ask to play again: here it does nothing.
    game.app.click(t->Command3);
    EXPECT_EQ(t->Command3.back, 255u);
    EXPECT_EQ(t->state.sitter, 1);
    // The sit-out still asked for is not applied.
    game.nextHand();
    EXPECT_FALSE(t->state.players[1].sittingout);
    EXPECT_TRUE(t->Picture12.visible);
}
