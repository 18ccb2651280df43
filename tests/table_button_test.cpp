// The dealer button passing round the table, also over empty seats.
#include <gtest/gtest.h>

#include <vector>

#include "support/open_table.h"
#include "table/seat_map.h"

using namespace kestrin;

namespace {

struct Button : kestrin::test::OpenTable {

    void setDealers(std::vector<int> d) {
        for (int seat = 1; seat <= kSeats; ++seat)
            t->state.players[seat].dealer = static_cast<std::int16_t>(d[static_cast<std::size_t>(seat - 1)]);
    }
    void buttonAt(int b) { game.buttonAt(b); }
    std::vector<int> dealers() { return game.dealers(); }
    int button() const {
        for (int seat = 1; seat <= kSeats; ++seat)
            if (t->state.players[seat].dealer == 1) return seat;
        return 0;
    }
    void empty(int seat) {
        t->state.players[seat].prize = 0;
        t->state.players[seat].Active = false;
    }
};

}  // namespace

TEST_F(Button, EveryMoveRenumbersFromTheNextSeatAndMovesTheMarker) {
    for (int from = 1; from <= kSeats; ++from) {
        buttonAt(from);
        t->state.focuser = 77;
        t->state.postblinds = true;
        t->Label1.visible = false;  // as a user sitting out on the button left it
        t->next_dealer();
        const int to = next_seat(from);
        ASSERT_EQ(button(), to);
        for (int seat = 1; seat <= kSeats; ++seat)
            EXPECT_EQ(t->state.players[seat].dealer, (seat - to + 10) % 10 + 1);
        EXPECT_EQ(t->Label1.left, t->firstCard[to].left + 500);
        EXPECT_EQ(t->Label1.top, t->firstCard[to].top + 500);
        EXPECT_TRUE(t->Label1.visible);
        EXPECT_EQ(t->state.focuser, to == 1 ? 77 : to - 1);
        EXPECT_FALSE(t->state.postblinds);
    }
}

TEST_F(Button, TwoSeatsOnTheButtonTheLowerCountsAndNoneMovesNothing) {
    setDealers({1, 1, 3, 4, 5, 6, 7, 8, 9, 10});
    t->next_dealer();
    EXPECT_EQ(dealers(), (std::vector<int>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    setDealers({2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    t->Label1.left = 123;
    t->state.postblinds = true;
    t->next_dealer();
    EXPECT_EQ(dealers(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(t->Label1.left, 123);
    EXPECT_FALSE(t->state.postblinds);
}

TEST_F(Button, TenMovesVisitEverySeatOnceAndComeBack) {
    buttonAt(3);
    std::vector<int> visited;
    for (int i = 0; i < 10; ++i) {
        t->next_dealer();
        visited.push_back(button());
    }
    EXPECT_EQ(visited, (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 1, 2, 3}));
}

TEST_F(Button, TheNextDealPassesTheButtonOverEmptySeats) {
    game.table().field.players_out = 995;
    buttonAt(8);
    empty(10);
    // The user takes the pots, so no other seat empties meanwhile.
    game.nextHandWonBy(1);  // 8 to 9
    EXPECT_EQ(button(), 9);
    game.nextHandWonBy(1);  // 9 to 10, empty, on to 1
    EXPECT_EQ(button(), 1);
    EXPECT_EQ(dealers(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(t->Label1.left, t->Picture12.left + 500);
}

TEST_F(Button, ARunOfEmptySeatsIsCrossedInOneDeal) {
    game.table().field.players_out = 995;
    buttonAt(4);
    empty(5);
    empty(6);
    game.nextHandWonBy(1);
    EXPECT_EQ(button(), 7);
    EXPECT_EQ(dealers(), (std::vector<int>{5, 6, 7, 8, 9, 10, 1, 2, 3, 4}));
    // Seat 8 takes the first turn; at the final table it posts no blind and
    // keeps the focus until the clock's first tick.
    EXPECT_EQ(t->owner(), &t->Picture9);
    // Empty seats get no cards shown.
    for (int seat : {5, 6}) {
        EXPECT_FALSE(t->firstCard[seat].visible);
        EXPECT_FALSE(t->secondCard[seat].visible);
        EXPECT_TRUE(t->state.players[seat].sittingout);
    }
}
