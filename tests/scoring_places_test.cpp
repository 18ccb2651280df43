// Places 1 to 5, the count of first places and the winner line.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "scoring/ultimate_winner.h"

namespace kestrin {
namespace {

using Ten = std::array<std::int16_t, kSeats>;

class Places : public ::testing::Test {
protected:
    TableState t;
    std::string label23;
    std::string winner;
    EvaluationContext ctx{t, label23, winner};

    Places() {
        for (int seat = 1; seat <= kSeats; ++seat) {
            t.players[seat].caption = "P" + std::to_string(seat);
            t.players[seat].handvalue = "hand" + std::to_string(seat);
        }
    }

    Ten place(const Ten& scores) {
        t.numberofwinners = 0;
        evaluate_ultimate_winner(ctx, scores);
        Ten places{};
        for (int seat = 1; seat <= kSeats; ++seat) places[static_cast<std::size_t>(seat - 1)] = t.players[seat].handrank;
        return places;
    }
};

TEST_F(Places, FourHighestScoresPlaceTheRestAreFifth) {
    EXPECT_EQ(place({101, 513, 212, 604, 109, 305, 110, 111, 112, 113}), (Ten{5, 2, 4, 1, 5, 3, 5, 5, 5, 5}));
    EXPECT_EQ(t.numberofwinners, 1);
    EXPECT_EQ(winner, "P4 hand4");
}

TEST_F(Places, EveryoneTiedIsFirst) {
    EXPECT_EQ(place({603, 603, 603, 603, 603, 603, 603, 603, 603, 603}), (Ten{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(t.numberofwinners, 10);
    EXPECT_EQ(winner, "P10 hand10");
}

TEST_F(Places, TiedWinnersGiveTheLineToTheHighestSeat) {
    EXPECT_EQ(place({909, 101, 102, 909, 103, 104, 105, 106, 107, 108}), (Ten{1, 5, 5, 1, 5, 5, 5, 4, 3, 2}));
    EXPECT_EQ(t.numberofwinners, 2);
    EXPECT_EQ(winner, "P4 hand4");
}

TEST_F(Places, EqualScoresBelowTheTopShareTheirPlace) {
    EXPECT_EQ(place({513, 412, 412, 305, 305, 210, 108, 108, 108, 108}), (Ten{1, 2, 2, 3, 3, 4, 5, 5, 5, 5}));
    EXPECT_EQ(t.numberofwinners, 1);
}

TEST_F(Places, TwoDistinctScoresGivePlacesOneAndTwoOnly) {
    EXPECT_EQ(place({101, 212, 101, 101, 212, 101, 101, 101, 101, 101}), (Ten{2, 1, 2, 2, 1, 2, 2, 2, 2, 2}));
}

TEST_F(Places, APlaceSetBeforeIsNotClearedForTheFifthPlace) {
    t.players[10].handrank = 7;
    const Ten places = place({800, 700, 600, 500, 100, 100, 100, 100, 100, 100});
    EXPECT_EQ(places[9], 7);
    EXPECT_EQ(places[8], 5);
}

}  // namespace
}  // namespace kestrin
