// The turn clock's tick and the limits schedule.
#include "support/betting_fixture.h"
#include "table/table_texts.h"

using namespace kestrin;
using kestrin::test::BettingTable;

using TurnClock = BettingTable;

TEST_F(TurnClock, LimitsRiseAtEvery299thTickAndShowOneTickLater) {
    s.focuser = 0;  // no seat to hand the turn to: only the countdown runs
    s.limittimersetting = 300;
    s.limits = 10;
    s.level = 1;
    t.Label24.visible = false;
    for (int tick = 1; tick < 299; ++tick) t.roundtimer_Timer();
    EXPECT_EQ(s.limits, 10);
    t.roundtimer_Timer();
    EXPECT_EQ(s.limits, 25);
    EXPECT_EQ(s.level, 2);
    EXPECT_EQ(s.limittimersetting, 300);
    EXPECT_TRUE(t.Label24.visible);
    EXPECT_EQ(t.Label24.caption, "Limits Are Going Up");
    EXPECT_EQ(t.limitsdisplay.caption, "Limits    10  -   20");
    t.roundtimer_Timer();
    EXPECT_EQ(t.limitsdisplay.caption, "Limits    25  -   50");
    EXPECT_EQ(t.limitslabel.caption, "Limits Go Up in Every 10 mins");
}

TEST_F(TurnClock, LimitsGoingUpLeaveTheUsersFinishingMessageUp) {
    s.focuser = 0;
    s.limits = 10;  // the rise to 25 is announced
    s.limittimersetting = 2;
    s.closer = 1;
    t.Label24.visible = true;
    t.Label24.caption = finishing_line(40);
    t.roundtimer_Timer();
    EXPECT_EQ(s.limits, 25);
    EXPECT_EQ(t.Label24.caption, finishing_line(40));
}

TEST_F(TurnClock, TheScheduleEndsAt100000WithoutAWord) {
    s.focuser = 0;
    const std::int32_t expected[] = {25, 50, 100, 500, 1000, 2000, 5000, 10000, 20000, 25000, 50000, 100000};
    for (std::int32_t limits : expected) {
        t.Label24.visible = false;
        s.limittimersetting = 2;
        t.roundtimer_Timer();
        EXPECT_EQ(s.limits, limits);
        EXPECT_EQ(t.Label24.visible, limits != 100000) << limits;
    }
    EXPECT_EQ(s.level, 13);
    s.limittimersetting = 2;
    t.roundtimer_Timer();
    EXPECT_EQ(s.limits, 100000);
    EXPECT_EQ(s.level, 13);
    EXPECT_EQ(s.limittimersetting, 300);
}

TEST_F(TurnClock, ANewStreetWithNothingBetGivesTheUserTheTurn) {
    freshStreet();
    s.postblinds = s.postflop1 = true;
    s.focuser = 6;
    game.app.dispatch([&] { t.roundtimer_Timer(); });
    EXPECT_EQ(s.flopshower3, 1);
    EXPECT_TRUE(game.panelUp());
    EXPECT_TRUE(t.Command7.visible);  // nothing to call: "Check" stands in for "Call"
    EXPECT_FALSE(t.Command5.visible);
}

TEST_F(TurnClock, BeforeTheFlopEveryHandOnMarksTheBlindsIn) {
    freshStreet();
    s.postblinds = s.postflop1 = s.postflop2 = s.postflop3 = false;
    s.currentbet = 20;
    s.focuser = 4;
    game.app.dispatch([&] { t.roundtimer_Timer(); });
    EXPECT_TRUE(s.postblinds);
    EXPECT_EQ(s.focuser, 5);  // seat 5 took its turn
}

TEST_F(TurnClock, OnceTheHandIsDecidedEveryTickGoesToExit) {
    freshStreet();
    s.gameover = true;
    s.focuser = 10;
    s.currentbet = 5;
    game.app.dispatch([&] { t.roundtimer_Timer(); });
    EXPECT_EQ(t.owner(), &t.Command2);
    EXPECT_FALSE(t.Command5.visible);
    s.focuser = 4;
    const auto pot = s.pot;
    game.app.dispatch([&] { t.roundtimer_Timer(); });
    EXPECT_EQ(t.owner(), &t.Command2);
    EXPECT_EQ(s.pot, pot);
}
