// The chips drawn for bets and the pot, the bet panel, and the street's
// bets cleared.
#include <gtest/gtest.h>

#include "betting/chip_layout.h"
#include "support/open_table.h"

using namespace kestrin;

namespace {

struct Chips : kestrin::test::OpenTable {
    void SetUp() override {
        OpenTable::SetUp();
        // The deal's blinds put chips before two seats: each test starts
        // from a table without any.
        for (std::int16_t seat = 1; seat <= kSeats; ++seat) t->chips_player_hide(seat);
        ASSERT_EQ(shownChips(0, 90), 0);
    }
    int shownChips(int first, int last) {
        int n = 0;
        for (int i = first; i <= last; ++i) n += t->backchips[i].visible;
        return n;
    }
};

}  // namespace

TEST_F(Chips, ASeatsBetShowsItsSixChipsAndTheAmount) {
    t->chips_player_show(20, 3);
    EXPECT_EQ(t->chiplabel3.caption, " 20");
    EXPECT_TRUE(t->chiplabel3.visible);
    EXPECT_EQ(shownChips(12, 17), 6);
    EXPECT_EQ(shownChips(0, 90), 6);
    t->chips_player_show(0, 3);
    EXPECT_EQ(t->chiplabel3.caption, " 0");
    t->chips_player_hide(3);
    EXPECT_EQ(shownChips(0, 90), 0);
    EXPECT_FALSE(t->chiplabel3.visible);
}

TEST_F(Chips, SeatNumbersOutsideTheTableDoNothing) {
    for (std::int16_t seat : {0, 11, -1}) {
        t->chips_player_show(50, seat);
        t->chips_player_hide(seat);
    }
    EXPECT_EQ(shownChips(0, 90), 0);
}

TEST_F(Chips, TheUsersChipsAlwaysGoToTheirFixedSpots) {
    t->backchips[1].top = 1;
    t->backchips[4].left = 9999;
    t->chips_player_show(10, 1);
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(t->backchips[j].left, kUserChipSpots[static_cast<std::size_t>(j)].left);
        EXPECT_EQ(t->backchips[j].top, kUserChipSpots[static_cast<std::size_t>(j)].top);
    }
    EXPECT_EQ(t->backchips[1].top, 6660);
}

TEST_F(Chips, EachStreetAddsItsPileAndClearsTheSeats) {
    t->chips_player_show(10, 2);
    t->chips_to_pot(2);
    EXPECT_EQ(shownChips(0, 59), 0);
    EXPECT_EQ(shownChips(60, 75), 0);
    EXPECT_EQ(shownChips(76, 83), 8);
    EXPECT_TRUE(t->potlabel.visible);

    t->potlabel.visible = false;
    t->chips_player_show(10, 2);
    t->chips_to_pot(4);
    EXPECT_EQ(shownChips(0, 59), 0);
    EXPECT_EQ(shownChips(76, 83), 8);
    EXPECT_FALSE(t->potlabel.visible);
    t->chips_to_pot(1);
    t->chips_to_pot(3);
    EXPECT_EQ(shownChips(60, 90), 31);
}

TEST_F(Chips, ThePotGoesToTheWinnerAndEveryChipReturnsToItsOwnPlace) {
    for (std::int16_t one : {4, 11, 0, 12, 1}) {
        t->chips_to_pot(1);
        t->chips_to_pot(2);
        t->chips_to_pot(3);
        t->chips_player_show(30, 1);
        t->pot_to_winner(one);
        EXPECT_EQ(shownChips(60, 90), 0) << one;
        EXPECT_FALSE(t->potlabel.visible);
        for (int i = 60; i <= 90; ++i) {
            EXPECT_EQ(t->backchips[i].left, chip_designs()[static_cast<std::size_t>(i)].left) << i;
            EXPECT_EQ(t->backchips[i].top, chip_designs()[static_cast<std::size_t>(i)].top) << i;
        }
        // The seat chips stay as they were, the user's included.
        EXPECT_EQ(shownChips(0, 5), 6);
        EXPECT_EQ(t->backchips[4].left, kUserChipSpots[4].left);
        EXPECT_EQ(t->backchips[4].top, kUserChipSpots[4].top);
    }
}

TEST_F(Chips, TheBetPanelHidesAndLosesTheTypedAmount) {
    for (auto* c : {&t->Command5, &t->Command6, &t->Command7, &t->Command8, &t->Command11}) c->visible = true;
    t->Text2.visible = true;
    t->Shape12.visible = true;
    t->Text2.text = "75";
    t->bet_panel_hide();
    t->bet_panel_hide();
    for (auto* c : {&t->Command5, &t->Command6, &t->Command7, &t->Command8, &t->Command11})
        EXPECT_FALSE(c->visible);
    EXPECT_FALSE(t->Text2.visible);
    EXPECT_FALSE(t->Shape12.visible);
    EXPECT_EQ(t->Text2.text, "");
}
