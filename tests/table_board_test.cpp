// The board turned up street by street.
#include <gtest/gtest.h>

#include "support/open_table.h"

using namespace kestrin;

namespace {

struct Board : kestrin::test::OpenTable {
    std::vector<int> shown() {
        std::vector<int> cells;
        for (plat::PictureBox* p : {&t->Picture32, &t->Picture33, &t->Picture34, &t->Picture35, &t->Picture36})
            cells.push_back(p->visible ? p->picture.cell : 0);
        return cells;
    }
    int deck(int i) { return t->state.deck[static_cast<std::size_t>(i)]; }
};

}  // namespace

TEST_F(Board, TheStreetsTurnUpTheBoardLeftToRightAndMoveNoChips) {
    TableState& s = t->state;
    std::vector<std::int32_t> stacks;  // as the deal's blinds left them
    for (int seat = 1; seat <= kSeats; ++seat) stacks.push_back(s.players[seat].prize);
    s.pot = 60;
    s.currentbet = 20;
    s.players[4].bet = s.players[4].totalbet = 20;
    s.raiservalue = 4;
    t->Label2.visible = true;
    t->chips_player_show(20, 4);

    t->show_flop1();
    EXPECT_EQ(shown(), (std::vector<int>{deck(20), deck(21), deck(22), 0, 0}));
    EXPECT_TRUE(s.postflop1);
    EXPECT_FALSE(s.postflop2);
    EXPECT_EQ(s.raiservalue, 0);
    EXPECT_FALSE(t->Label2.visible);
    EXPECT_FALSE(t->chiplabel4.visible);
    EXPECT_TRUE(t->backchips[60].visible && t->backchips[75].visible && t->potlabel.visible);
    EXPECT_FALSE(t->backchips[76].visible);

    t->Label2.visible = true;  // only the flop hides the players-remaining line
    s.raiservalue = 2;
    t->show_flop2();
    EXPECT_EQ(shown(), (std::vector<int>{deck(20), deck(21), deck(22), deck(23), 0}));
    EXPECT_TRUE(s.postflop2);
    EXPECT_EQ(s.raiservalue, 0);
    EXPECT_TRUE(t->Label2.visible);
    t->show_flop3();
    EXPECT_EQ(shown(), (std::vector<int>{deck(20), deck(21), deck(22), deck(23), deck(24)}));
    EXPECT_TRUE(s.postflop1 && s.postflop2 && s.postflop3);
    for (int i = 60; i <= 90; ++i) EXPECT_TRUE(t->backchips[i].visible) << i;

    t->show_flop1();  // again: the same cards, nothing counted twice
    EXPECT_EQ(shown(), (std::vector<int>{deck(20), deck(21), deck(22), deck(23), deck(24)}));
    EXPECT_EQ(s.pot, 60);
    EXPECT_EQ(s.currentbet, 20);
    EXPECT_EQ(s.players[4].totalbet, 20);
    for (int seat = 1; seat <= kSeats; ++seat)
        EXPECT_EQ(s.players[seat].prize, stacks[static_cast<std::size_t>(seat - 1)]) << seat;
}

TEST_F(Board, ClearingTheTableHidesCardsAndBetsButNotTheButton) {
    t->show_flop1();
    t->chips_player_show(10, 9);
    t->clear_table();
    for (int n = 12; n <= 36; ++n) EXPECT_FALSE(t->find("Picture" + std::to_string(n))->visible) << n;
    for (int i = 0; i < 60; ++i) EXPECT_FALSE(t->backchips[i].visible);
    EXPECT_TRUE(t->Label1.visible);
    EXPECT_TRUE(t->backchips[60].visible);  // the pot pile stays until the showdown clears it
    t->clear_table();
    EXPECT_FALSE(t->Picture12.visible);
}
