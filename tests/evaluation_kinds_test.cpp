// The board pattern word and the pairs-and-kinds detector that reads it.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "evaluation/detectors.h"

namespace kestrin {
namespace {

class Kinds : public ::testing::Test {
protected:
    TableState t;
    std::string label23{" "};
    std::string winner;
    EvaluationContext ctx{t, label23, winner};

    std::string board_word(const std::array<std::string_view, 5>& b) {
        t.flopvalue.assign(1, ' ');
        evaluate_flop_value(ctx, b[0], b[1], b[2], b[3], b[4]);
        return t.flopvalue;
    }

    // As the classification runs it: board word first, then the kinds.
    std::string kinds(const std::array<std::string_view, 7>& c) {
        board_word({c[2], c[3], c[4], c[5], c[6]});
        label23.assign(1, ' ');
        evaluate_hand_kinds(ctx, c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        return label23;
    }
};

TEST_F(Kinds, BoardWordFollowsOnlyTheFirstThreeRanks) {
    struct Row {
        std::array<std::string_view, 5> board;
        std::string_view word;
    };
    const Row rows[] = {
        {{"2c", "5d", "9h", "Js", "Kc"}, " "},
        {{"Kc", "Kd", "2h", "7s", "9c"}, "Pair"},
        {{"2h", "Kc", "Kd", "7s", "9c"}, "Pair"},
        {{"2h", "5s", "9c", "9d", "Kc"}, "Pair"},        // card 4 joins the first count
        {{"2h", "5s", "Kc", "9c", "9d"}, " "},           // a pair on cards 4 and 5 is not seen
        {{"Kc", "9d", "Kh", "9s", "2c"}, "Two Kind"},
        {{"Kc", "Kd", "9h", "9s", "2c"}, "Three Kind"},  // the nines join the kings' count
        {{"7c", "7d", "7h", "2s", "2c"}, "Three Kind"},
        {{"2s", "7c", "7d", "7h", "2c"}, "FullHouse"},
        {{"Ac", "Ad", "Ah", "As", "5c"}, "Four Kind"},
        {{"5c", "Ac", "Ad", "Ah", "As"}, "Four Kind"},
        {{"2c", "2d", "9h", "9s", "9c"}, "Four Kind"},
        {{"10c", "10d", "2h", "7s", "9c"}, "Pair"},
    };
    for (const Row& r : rows) EXPECT_EQ(board_word(r.board), r.word) << r.board[0] << " " << r.board[1] << " " << r.board[2];
}

TEST_F(Kinds, PairsAndKindsOfAHoleRank) {
    struct Row {
        std::array<std::string_view, 7> cards;
        std::string_view answer;
    };
    const Row rows[] = {
        {{"Kc", "Kd", "2h", "7s", "9c", "Jd", "4h"}, "Pair K"},
        {{"10h", "10c", "2c", "3d", "5h", "8s", "Jd"}, "Pair 10"},
        {{"Kc", "5d", "Kh", "5s", "9c", "Jd", "2h"}, "Two Kind K"},
        {{"5d", "Kc", "Kh", "5s", "9c", "Jd", "2h"}, "Two Kind K"},
        {{"9c", "4d", "9h", "Kc", "Ks", "2d", "3h"}, "Two Kind 9"},   // hole pair joins the board pair
        {{"4d", "9c", "9h", "Kc", "Ks", "2d", "3h"}, "Two Kind 9"},
        {{"Kc", "5d", "Kh", "5s", "9c", "9d", "2h"}, "Two Kind 5"},   // last passing test names the 5
        {{"9c", "4d", "9h", "Kc", "Ks", "Kd", "3h"}, "FullHouse 9"},  // hole pair and board trips
        {{"Ac", "7d", "As", "7h", "7c", "2d", "9s"}, "FullHouse 7"},
        {{"7c", "7d", "7h", "Kc", "Ks", "2d", "3h"}, "Three Kind 7"}, // hole trips and a board pair
        {{"8c", "8d", "8h", "8s", "2c", "3d", "5h"}, "Four Kind 8"},
        {{"Ac", "7d", "Kc", "Ks", "2d", "3h", "9s"}, " "},            // the pair is the board's only
        {{"Ac", "2d", "2s", "7c", "7d", "7h", "2c"}, "Three Kind 2"},  // a "FullHouse" board adds nothing
        {{"Ac", "5d", "Kc", "Qd", "Ks", "Qh", "As"}, "Two Kind A"},    // board "Two Kind"
        {{"", "", "2c", "2d", "2h", "Ks", "Kc"}, " "},                 // no hole rank, no test passes
    };
    for (const Row& r : rows) EXPECT_EQ(kinds(r.cards), r.answer) << r.cards[0] << " " << r.cards[1];
}

}  // namespace
}  // namespace kestrin
