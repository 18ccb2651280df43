// High hole card, flush and straight detectors, each fed seven card texts:
// two hole cards, then the board.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "evaluation/detectors.h"

namespace kestrin {
namespace {

using Seven = std::array<std::string_view, 7>;

struct Case {
    Seven cards;
    std::string_view answer;  // " " means the detector found nothing
};

class Detectors : public ::testing::Test {
protected:
    TableState t;
    std::string label23{" "};
    std::string winner;
    EvaluationContext ctx{t, label23, winner};

    template <typename Detector>
    std::string run(Detector detector, const Seven& c) {
        label23.assign(1, ' ');
        detector(ctx, c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        return label23;
    }
};

TEST_F(Detectors, HighHoleCardNamesTheHigherHoleRankAndIgnoresTheBoard) {
    const Case cases[] = {
        {{"10h", "9c", "2d", "3s", "4h", "5c", "6d"}, "Top 10"},
        {{"Jd", "10s", "2d", "3s", "4h", "5c", "6d"}, "Top J"},
        {{"2c", "As", "3d", "4s", "5h", "6c", "7d"}, "Top A"},
        {{"As", "2c", "3d", "4s", "5h", "6c", "7d"}, "Top A"},
        {{"Kd", "Ks", "3d", "4s", "5h", "6c", "7d"}, "Top K"},
        {{"10h", "10c", "3d", "4s", "5h", "6c", "7d"}, "Top 10"},
        {{"3c", "2d", "As", "Ah", "Kd", "Kc", "Qs"}, "Top 3"},
    };
    for (const Case& c : cases) EXPECT_EQ(run(evaluate_hand_tops, c.cards), c.answer) << c.cards[0] << " " << c.cards[1];
}

TEST_F(Detectors, HighHoleCardWithoutRanksLeavesTheChannelAsItWas) {
    label23 = "untouched";
    evaluate_hand_tops(ctx, "", "", "2c", "3d", "4h", "5s", "6c");
    EXPECT_EQ(label23, "untouched");
}

TEST_F(Detectors, FlushCountsAllSevenCardsAndNamesTheSuit) {
    const Case cases[] = {
        {{"2c", "9c", "Kc", "5c", "Jc", "3d", "4h"}, "flush clubs"},
        {{"As", "Ad", "2h", "5h", "9h", "Jh", "Kh"}, "flush hearts"},  // the board's flush is every seat's
        {{"10s", "Qs", "2s", "5s", "9s", "3d", "4h"}, "flush spades"},  // the letter after "10" counts
        {{"2d", "9d", "Kd", "5d", "Jc", "3c", "4h"}, " "},              // four diamonds
        {{"2h", "3h", "9h", "Jh", "Kh", "Ah", "5c"}, "flush hearts"},   // six
        {{"2d", "4d", "6d", "8d", "10d", "Qd", "Ad"}, "flush diamonds"}, // seven
    };
    for (const Case& c : cases) EXPECT_EQ(run(evaluate_hand_flush, c.cards), c.answer) << c.cards[0] << " " << c.cards[1];
}

TEST_F(Detectors, FlushKeepsItsLastTextWhenNoneIsFound) {
    run(evaluate_hand_flush, {"2c", "9c", "Kc", "5c", "Jc", "3d", "4h"});
    EXPECT_EQ(run(evaluate_hand_flush, {"2d", "9c", "Kh", "5c", "Js", "3d", "4h"}), " ");
    EXPECT_EQ(t.fl, "flush clubs");
}

TEST_F(Detectors, StraightNeedsAHoleRankAndTakesTheHighestSuchRun) {
    const Case cases[] = {
        {{"Ah", "7c", "2d", "3s", "4h", "5c", "Kd"}, "straight 5"},   // ace low
        {{"2h", "9c", "3d", "4s", "5h", "Kc", "Qd"}, " "},            // 2 to 5 alone is no run
        {{"4h", "Jc", "5d", "6s", "7h", "8c", "9d"}, "straight 8"},   // 5 to 9 holds no hole rank
        {{"9h", "2c", "10d", "Js", "Qh", "Kc", "Ad"}, "straight K"},
        {{"Kh", "3c", "5d", "6s", "7h", "8c", "9d"}, " "},            // wholly on the board
        {{"2h", "3c", "4d", "5s", "6h", "7c", "8d"}, "straight 7"},
        {{"2h", "Kc", "3d", "4s", "5h", "6c", "Qd"}, "straight 6"},
        {{"7h", "7c", "3d", "4s", "5h", "6c", "6d"}, "straight 7"},   // pairs do not block
        {{"Ah", "6c", "2d", "3s", "4h", "5c", "9d"}, "straight 6"},
        {{"Ah", "Kc", "Qd", "Js", "10h", "2c", "3d"}, "straight A"},  // ace high
        {{"10h", "9c", "Jd", "Qs", "Kh", "Ac", "2d"}, "straight A"},
        {{"5h", "5c", "6h", "7h", "8h", "9h", "2c"}, "straight 9"},
        {{"Kh", "2c", "Qd", "Js", "10h", "9c", "3d"}, "straight K"},  // K high without the ace
    };
    for (const Case& c : cases) EXPECT_EQ(run(evaluate_hand_straight, c.cards), c.answer) << c.cards[0] << " " << c.cards[1];
}

TEST_F(Detectors, StraightKeepsItsLastTextWhenNoneIsFound) {
    run(evaluate_hand_straight, {"Ah", "7c", "2d", "3s", "4h", "5c", "Kd"});
    EXPECT_EQ(run(evaluate_hand_straight, {"Kh", "3c", "5d", "6s", "7h", "8c", "9d"}), " ");
    EXPECT_EQ(t.st, "straight 5");
}

TEST_F(Detectors, ACardTextWithoutRankCountsForNoRank) {
    EXPECT_EQ(run(evaluate_hand_straight, {"", "Kc", "2d", "3s", "4h", "5c", "9d"}), " ");
    EXPECT_EQ(run(evaluate_hand_straight, {"", "", "2d", "3s", "4h", "5c", "6d"}), " ");
    EXPECT_EQ(run(evaluate_hand_flush, {"", "", "2d", "3d", "4d", "5d", "6c"}), " ");
}

}  // namespace
}  // namespace kestrin
