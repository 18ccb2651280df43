// The table window as it opens: its controls, the starting state, the
// window's own keys and buttons, and the welcome screen's choices.
#include <gtest/gtest.h>

#include "support/table_driver.h"
#include "table/seat_map.h"

using namespace kestrin;
using kestrin::test::TableDriver;

namespace {

struct TableSetup : ::testing::Test {
    TableDriver game;
    void TearDown() override { EXPECT_TRUE(game.app.diagnostics().empty()); }
};

}  // namespace

TEST_F(TableSetup, LoadSetsTheStartingStateAndDealsTheFirstHand) {
    tables& t = game.open("Ann");
    const TableState& s = t.state;
    EXPECT_EQ(s.limits, 10);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.limittimersetting, 300);
    EXPECT_EQ(s.tossdone, 1);
    // The first hand is dealt and its first two turns have posted the
    // blinds: 10 from the seat after the button, 20 from the next one.
    const int small = game.seatNumbered(2), big = game.seatNumbered(3);
    ASSERT_NE(small, 0);
    ASSERT_NE(big, 0);
    EXPECT_EQ(s.pot, 30);
    EXPECT_EQ(s.currentbet, 20);
    EXPECT_FALSE(s.postflop1 || s.postflop2 || s.postflop3 || s.gameover || s.raiser);
    // Only the user's big blind marks the blinds in at once; after a
    // computer's, the turn clock does so at its first tick.
    EXPECT_EQ(s.postblinds, big == 1);
    EXPECT_EQ(s.closer, 0);
    EXPECT_GE(s.numberofwinners, 1);

    const char* names[] = {"Ann",        "boulder man", "river rat",       "bad beat luck", "poker man",
                           "chips chips", "rotten kid", "juggle card man", "texas route",   "kestrin kid"};
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& p = s.players[seat];
        EXPECT_EQ(p.caption, names[seat - 1]);
        EXPECT_EQ(t.nameLabel[seat].caption, names[seat - 1]);
        const std::int32_t blind = seat == small ? 10 : seat == big ? 20 : 0;
        EXPECT_EQ(p.prize, 1000 - blind);
        EXPECT_EQ(p.totalbet, blind);
        EXPECT_EQ(t.stackLabel[seat].caption, seat == small ? " 990" : seat == big ? " 980" : " 1000");
        EXPECT_TRUE(p.Active);
        EXPECT_FALSE(p.sittingout || p.fold || p.allin);
        EXPECT_EQ(p.tournament_position, 0);
        EXPECT_EQ(p.table_position, 0);
        EXPECT_GE(p.handrank, 1);
        EXPECT_LE(p.handrank, 5);
    }
    EXPECT_EQ(t.limitslabel.caption, "Limits Go Up in Every 10 mins");
    EXPECT_EQ(t.limitsdisplay.caption, "Limits    10  -   20");
    EXPECT_EQ(t.field.players_out, 0);
    EXPECT_EQ(t.Shape1.fillColour, 0x008000u);
    EXPECT_TRUE(t.visible());
    EXPECT_TRUE(t.roundtimer.enabled());
    EXPECT_FALSE(t.Timer1.enabled());
    EXPECT_FALSE(t.Command5.visible);
    EXPECT_FALSE(t.Label2.visible);
}

TEST_F(TableSetup, EachSeatOwnsItsNumberedControls) {
    tables& t = game.open();
    const int outlines[] = {7, 6, 5, 4, 3, 2, 11, 10, 9, 8};
    for (int k = 1; k <= kSeats; ++k) {
        const std::string n = std::to_string(k);
        EXPECT_EQ(t.turnPicture[k].name(), "Picture" + std::to_string(k + 1));
        EXPECT_EQ(t.firstCard[k].name(), "Picture" + std::to_string(10 + 2 * k));
        EXPECT_EQ(t.secondCard[k].name(), "Picture" + std::to_string(11 + 2 * k));
        EXPECT_EQ(t.nameLabel[k].name(), "Label" + std::to_string(k + 2));
        EXPECT_EQ(t.stackLabel[k].name(), "Label" + std::to_string(k + 12));
        EXPECT_EQ(t.betLabel[k].name(), "chiplabel" + n);
        EXPECT_EQ(t.outline[k].name(), "Shape" + std::to_string(outlines[k - 1]));
    }
    EXPECT_EQ(&t.firstCard[4], &t.Picture18);
    EXPECT_EQ(&t.outline[7], &t.Shape11);
    EXPECT_EQ(t.Shape11.left, 6768);
    EXPECT_EQ(t.Label10.top, 4128);
    EXPECT_EQ(t.find("Picture36"), &t.Picture36);
    EXPECT_EQ(t.find("backchips", 90), &t.backchips[90]);
    EXPECT_EQ(t.Picture2.width, 372);
    EXPECT_EQ(t.Picture2.back, 128u);
    EXPECT_EQ(t.Picture34.left, 4764);
    EXPECT_EQ(t.Picture34.top, 4920);
    EXPECT_EQ(t.clientWidth, 12288);
    EXPECT_EQ(t.clientHeight, 8880);
    EXPECT_EQ(t.caption, "Kestrin Holdem");
    EXPECT_EQ(t.winnerlabel.top, -36);
}

TEST_F(TableSetup, TabWalksTheButtonsInTheirOrderAndNeverASeat) {
    tables& t = game.open();
    ASSERT_NE(t.owner(), nullptr);
    ASSERT_EQ(t.owner()->name().rfind("Picture", 0), 0u);  // a seat's turn picture has the focus
    // Reaching "Call" opens the user's turn, which offers "Call" or "Check",
    // never both: here the user owes the blinds, so "Check" drops out.
    ASSERT_GT(t.amount_owed(1), 0);
    for (auto* c : {&t.Command5, &t.Command6, &t.Command7, &t.Command8, &t.Command11}) c->visible = true;
    t.Text2.visible = true;
    auto walk = [&](int steps) {
        std::vector<std::string> order;
        for (int i = 0; i < steps; ++i) {
            game.app.key(t, plat::keys::Tab);
            order.push_back(t.owner() ? t.owner()->name() : "");
        }
        return order;
    };
    EXPECT_EQ(walk(8), (std::vector<std::string>{"Command2", "Command3", "Command5", "Command6", "Command8", "Text2",
                                                 "Command11", "Command2"}));
    // With "Check" offered instead of "Call", it stands between "Raise" and "Fold".
    t.Command5.visible = false;
    t.Command7.visible = true;
    EXPECT_EQ(walk(7), (std::vector<std::string>{"Command3", "Command6", "Command7", "Command8", "Text2",
                                                 "Command11", "Command2"}));
}

TEST_F(TableSetup, TheFirstTurnGoesToTheSeatAfterTheButton) {
    tables& t = game.open();
    const int button = game.seatNumbered(1);
    ASSERT_NE(button, 0);
    const int small = next_seat(button), big = next_seat(small);
    ASSERT_NE(big, 1) << "the user's big blind would hand the turn straight on to seat 2";
    // The seat after the button took the first turn: it posted the small
    // blind and handed the turn to the next seat, which posted the big blind
    // and keeps the focus until the clock's first tick.
    EXPECT_EQ(t.state.players[small].totalbet, 10);
    EXPECT_EQ(t.state.players[big].totalbet, 20);
    EXPECT_EQ(t.owner(), &t.turnPicture[big]);
    EXPECT_EQ(t.state.focuser, big);
    EXPECT_TRUE(t.roundtimer.enabled());
}

TEST_F(TableSetup, NameAndColourAreTakenAtLoadOnly) {
    game.app.click(game.welcome().Label5);  // brown table
    game.app.type(game.welcome(), "Bo");
    game.app.click(game.welcome().Image2);  // a room loads the table at once
    tables& t = game.table();
    EXPECT_EQ(t.state.players[1].caption, "Bo");
    EXPECT_EQ(t.Shape1.fillColour, 0x004080u);
    EXPECT_EQ(t.picture.res, 102);
    game.app.type(game.welcome(), "b");
    game.app.click(game.welcome().Label6);
    game.app.click(game.welcome().Command1);
    EXPECT_EQ(t.state.players[1].caption, "Bo");
    EXPECT_EQ(t.Label3.caption, "Bo");
    EXPECT_EQ(t.Shape1.fillColour, 0x004080u);
}

TEST_F(TableSetup, AnEmptyNameGivesAnEmptyNameLabel) {
    tables& t = game.open("");
    EXPECT_EQ(t.Label3.caption, "");
}

TEST_F(TableSetup, ACardBackChosenAfterTheTableOpenedShowsFromTheNextDeal) {
    game.app.click(game.welcome().Image3);
    tables& t = game.table();
    game.app.click(game.welcome().Image6);  // the teal back
    for (int seat = 2; seat <= kSeats; ++seat) EXPECT_EQ(t.firstCard[seat].picture.cell, 0);
    game.nextHand();  // its showdown turns up the hands still in; the next deal deals backs again
    for (int seat = 2; seat <= kSeats; ++seat) {
        EXPECT_EQ(t.firstCard[seat].picture.cell, 53);
        EXPECT_EQ(t.secondCard[seat].picture.cell, 53);
    }
    EXPECT_EQ(t.Picture12.picture.cell, t.state.players[1].cardone);
    EXPECT_EQ(t.Picture13.picture.cell, t.state.players[1].cardtwo);
}

TEST_F(TableSetup, F10ShowsTheWinnerLineOfTheDealAndF9HidesIt) {
    tables& t = game.open();
    EXPECT_FALSE(t.winnerlabel.visible);
    EXPECT_NE(t.winnerlabel.caption, " ");  // the placing's line, hidden
    game.app.key(t, plat::keys::F10);
    EXPECT_TRUE(t.winnerlabel.visible);
    game.app.key(t, plat::keys::F10, plat::keys::ShiftMask);
    EXPECT_TRUE(t.winnerlabel.visible);
    game.app.key(t, plat::keys::F9, plat::keys::ShiftMask);
    EXPECT_FALSE(t.winnerlabel.visible);
    game.app.key(t, 'A', 0, 'a');
    EXPECT_FALSE(t.winnerlabel.visible);
}

TEST_F(TableSetup, ExitAndClosingTheWindowEndTheProgram) {
    tables& t = game.open();
    game.app.click(t.Command2);
    EXPECT_TRUE(game.app.ended());
    EXPECT_FALSE(game.app.nextDue().has_value());

    TableDriver other;
    other.open();
    other.app.close(other.table());
    EXPECT_TRUE(other.app.ended());
}

TEST_F(TableSetup, PotChipPlacesAreSavedOnePerChip) {
    tables& t = game.open();
    for (int i = 60; i <= 70; ++i) {
        EXPECT_EQ(t.state.potchiptop[static_cast<std::size_t>(i - 60)], static_cast<float>(t.backchips[i].top));
        EXPECT_EQ(t.state.potchipleft[static_cast<std::size_t>(i - 60)], t.backchips[i].left);
    }
    EXPECT_EQ(t.state.potchipleft[0], 4476);  // chip 60's own place, not chip 70's
    EXPECT_EQ(t.state.potchipleft[10], 4404);
}
