// Paying, raise counting, closing seats and street ends.
#include "support/betting_fixture.h"

using namespace kestrin;
using kestrin::test::BettingTable;

using Street = BettingTable;

TEST_F(Street, APaymentIsCappedAtTheStackAndShowsAllIn) {
    freshStreet();
    s.currentbet = 100;
    s.players[4].prize = 50;
    s.players[4].totalbet = 20;
    s.players[4].bet = 80;
    t.pay_bet(4);
    EXPECT_EQ(s.players[4].bet, 50);
    EXPECT_EQ(s.players[4].prize, 0);
    EXPECT_EQ(s.players[4].totalbet, 70);
    EXPECT_TRUE(s.players[4].allin);
    EXPECT_EQ(t.Label16.caption, "All in");
    EXPECT_EQ(s.currentbet, 100);  // not above it: stays
    EXPECT_EQ(s.pot, 50);
    EXPECT_EQ(t.potlabel.caption, " 50");
}

TEST_F(Street, StackAndPotLabelsBeginWithABlankAndChipsFollowTheAmount) {
    freshStreet();
    s.players[1].bet = 20;
    t.pay_bet(1);
    EXPECT_EQ(t.Label13.caption, " 980");
    EXPECT_EQ(t.potlabel.caption, " 20");
    // The user's chips show for any amount, a computer seat's check shows none.
    s.players[1].bet = 0;
    t.pay_bet(1);
    EXPECT_TRUE(t.chiplabel1.visible);
    EXPECT_EQ(t.chiplabel1.caption, " 0");
    s.players[5].bet = 0;
    t.pay_bet(5);
    EXPECT_FALSE(t.chiplabel5.visible);
}

TEST_F(Street, AShortBlindNeverLowersTheBetAndNothingIsOwedBelowZero) {
    freshStreet();
    s.players[3].bet = 10;
    t.pay_bet(3, tables::BetForm::Blind);
    s.players[4].prize = 6;
    s.players[4].bet = 20;
    t.pay_bet(4, tables::BetForm::Blind);
    EXPECT_EQ(s.players[4].totalbet, 6);
    EXPECT_EQ(s.currentbet, 10);
    EXPECT_EQ(t.amount_owed(3), 0);
    EXPECT_EQ(t.amount_owed(5), 10);
    // A negative amount pays nothing.
    s.players[5].bet = -40;
    t.pay_bet(5);
    EXPECT_EQ(s.players[5].prize, 1000);
    EXPECT_EQ(s.pot, 16);
}

TEST_F(Street, RaisesAreCountedFourTimesBeforeTheFlopOnceOnTheRiver) {
    freshStreet();
    s.postblinds = true;
    s.postflop1 = s.postflop2 = s.postflop3 = false;
    for (int seat : {3, 4, 5, 6}) t.count_raise(seat);
    EXPECT_EQ(s.raiservalue, 4);
    EXPECT_EQ(s.flopshower, 5);
    t.count_raise(7);  // paid, but moves no closing seat
    EXPECT_EQ(s.flopshower, 5);
    EXPECT_TRUE(s.raiser);

    s.postflop1 = s.postflop2 = s.postflop3 = true;
    s.raiservalue = 0;
    t.count_raise(1);  // the user's raise: seat 10 closes every street begun
    EXPECT_EQ(s.raiservalue, 4);
    EXPECT_EQ(s.flopshower, 10);
    EXPECT_EQ(s.flopshower3, 10);
    t.count_raise(2);
    EXPECT_EQ(s.flopshower3, 10);
}

TEST_F(Street, WithoutARaiseTheSeatAfterTheBigBlindMakesItTheClosingSeat) {
    freshStreet();
    s.postblinds = true;
    s.postflop1 = s.postflop2 = s.postflop3 = false;
    for (int seat = 1; seat <= kSeats; ++seat)
        s.players[seat].dealer = static_cast<std::int16_t>((seat - 5 + kSeats) % kSeats + 1);
    ASSERT_EQ(s.players[5].dealer, 1);
    for (int seat : {9, 10, 1, 2, 3, 4, 5, 6, 7}) t.close_without_raise(seat);
    EXPECT_EQ(s.flopshower, 0);
    t.close_without_raise(8);
    EXPECT_EQ(s.flopshower, 7);
    s.raiser = true;
    s.flopshower = 0;
    t.close_without_raise(8);
    EXPECT_EQ(s.flopshower, 0);
}

TEST_F(Street, ASeatClosingTwoStreetsShowsTheFlopAgainThenTheTurnUnlessTheHandIsDecided) {
    freshStreet();
    s.postblinds = true;
    t.show_flop1();
    s.flopshower = s.flopshower1 = 4;
    s.pot = 300;
    s.players[4].totalbet = 50;
    s.currentbet = 50;
    s.gameover = true;
    t.street_end_check(4);
    EXPECT_FALSE(s.postflop2);
    EXPECT_EQ(s.currentbet, 50);
    s.gameover = false;
    t.street_end_check(4);
    EXPECT_TRUE(s.postflop2);
    EXPECT_FALSE(s.postflop3);
    EXPECT_TRUE(t.Picture35.visible);
    EXPECT_EQ(s.currentbet, 0);
    EXPECT_EQ(s.players[4].totalbet, 0);
    EXPECT_EQ(s.pot, 300);  // the bets are cleared, the pot stays
    EXPECT_EQ(s.raiservalue, 0);
}

TEST_F(Street, TheRiversClosingSeatRunsTheShowdown) {
    freshStreet();
    s.postblinds = s.postflop1 = s.postflop2 = s.postflop3 = true;
    s.flopshower3 = 6;
    places({2, 5, 5, 5, 5, 1, 5, 5, 5, 5});
    s.pot = 400;
    t.roundtimer.setEnabled(true);
    t.street_end_check(6);
    EXPECT_TRUE(s.gameover);
    EXPECT_FALSE(t.roundtimer.enabled());
    EXPECT_EQ(s.players[6].prize, 1400);
    EXPECT_TRUE(t.Timer1.enabled());
}

TEST_F(Street, AStreetThatNobodyClosesEndsAfterAWholeOrbit) {
    // The user all in against one caller after a pre-flop raise: no raise
    // on the flop, so the flop has no closing seat of its own.
    freshStreet();
    s.postblinds = s.postflop1 = true;
    s.raiser = true;
    s.flopshower = 9;
    s.flopshower3 = 1;
    for (int seat = 2; seat <= kSeats; ++seat) s.players[seat].fold = seat != 4;
    s.players[1].prize = 0;
    s.players[1].allin = true;
    places({1, 5, 5, 3, 5, 5, 5, 5, 5, 5});
    s.pot = 2000;
    s.focuser = 1;
    t.roundtimer.setEnabled(true);
    EXPECT_TRUE(game.app.runUntil([&] { return s.gameover; }, 100));
    EXPECT_TRUE(s.postflop3);
    EXPECT_EQ(s.players[1].prize, 2000);
}

TEST_F(Street, ADecidedHandMovesNoChipsOnAComputerTurn) {
    freshStreet();
    s.postblinds = false;
    s.gameover = true;
    for (int seat = 1; seat <= kSeats; ++seat)
        s.players[seat].dealer = static_cast<std::int16_t>((seat - 4 + kSeats) % kSeats + 1);
    s.players[5].fold = true;
    inHandler([&] { t.Picture6.setFocus(); });  // the small blind's seat
    EXPECT_EQ(s.pot, 0);
    EXPECT_EQ(s.players[5].prize, 1000);
    EXPECT_EQ(t.owner(), &t.Picture6);  // nothing handed on
    EXPECT_EQ(s.focuser, 5);
}

TEST_F(Street, TheUsersReopenedTurnCountsOnceTowardsTheOrbit) {
    freshStreet();
    s.postblinds = s.postflop1 = true;
    s.raiser = true;
    t.start_orbit();
    for (int seat = 2; seat <= 9; ++seat) t.note_turn(seat);
    // Tabbing away and back reopens the user's turn three times.
    for (int i = 0; i < 3; ++i) t.note_turn(1);
    EXPECT_EQ(s.flopshower1, 0);
    t.note_turn(10);
    EXPECT_EQ(s.flopshower1, 10);
}
