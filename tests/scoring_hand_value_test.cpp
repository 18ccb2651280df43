// Hand scores from the hand-value texts of one seat.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "scoring/hand_value.h"

namespace kestrin {
namespace {

using Field = std::string PlayerRecord::*;

struct Case {
    std::initializer_list<std::pair<Field, const char*>> texts;
    int score;
    const char* shown;
};

PlayerRecord scored(std::initializer_list<std::pair<Field, const char*>> texts) {
    PlayerRecord p;
    for (const auto& [field, text] : texts) p.*field = text;
    score_hand(p);
    return p;
}

constexpr Field kTops = &PlayerRecord::handvaluetops;
constexpr Field kPair = &PlayerRecord::handvaluepair;
constexpr Field kTwo = &PlayerRecord::handvaluetwok;
constexpr Field kThree = &PlayerRecord::handvaluethreek;
constexpr Field kStraight = &PlayerRecord::handvaluestraight;
constexpr Field kFlush = &PlayerRecord::handvalueflush;
constexpr Field kFull = &PlayerRecord::handvaluefullhouse;
constexpr Field kFour = &PlayerRecord::handvaluefourk;
constexpr Field kSFlush = &PlayerRecord::handvaluesflush;
constexpr Field kRFlush = &PlayerRecord::handvaluerflush;

TEST(HandScore, ClassBasePlusTheRankOrSuitAfterTheClassWord) {
    const Case cases[] = {
        {{{kTops, "Top 2"}}, 101, "Top 2"},
        {{{kTops, "Top 10"}}, 109, "Top 10"},  // "10" is one rank, not a 1 and a 0
        {{{kTops, "Top A"}}, 113, "Top A"},
        {{{kPair, "Pair 10"}}, 209, "Pair 10"},
        {{{kTwo, "Two Kind 5"}}, 304, "Two Kind 5"},  // the K of "Kind" is no king
        {{{kTwo, "Two Kind K"}}, 312, "Two Kind K"},
        {{{kThree, "Three Kind 9"}}, 408, "Three Kind 9"},
        {{{kFour, "Four Kind Q"}}, 811, "Four Kind Q"},
        {{{kStraight, "straight 5"}}, 504, "straight 5"},
        {{{kFlush, "flush clubs"}}, 601, "flush clubs"},
        {{{kFlush, "flush spades"}}, 604, "flush spades"},
        {{{kRFlush, "royal flush diamonds"}}, 1002, "royal flush diamonds"},
        {{{kSFlush, "straight flush "}}, 900, "straight flush "},  // no detail: the bare base
    };
    for (const Case& c : cases) {
        const PlayerRecord p = scored(c.texts);
        EXPECT_EQ(p.handnumber, c.score) << c.shown;
        EXPECT_EQ(p.handvalue, c.shown);
    }
}

TEST(HandScore, TheHighestClassFoundDecidesWhateverItsRank) {
    const Case cases[] = {
        {{{kTops, "Top A"}, {kPair, "Pair 4"}}, 203, "Pair 4"},
        {{{kStraight, "straight 9"}, {kFlush, "flush clubs"}}, 601, "flush clubs"},
        {{{kFull, "FullHouse 3"}, {kFlush, "flush spades"}}, 702, "FullHouse 3"},
        {{{kPair, "Pair 7"}, {kThree, "Three Kind 7"}, {kFour, "Four Kind 7"}}, 806, "Four Kind 7"},
        {{{kStraight, "straight 10"}, {kFlush, "flush diamonds"}, {kSFlush, "straight flush 10"}}, 909,
         "straight flush 10"},
        {{{kSFlush, "straight flush A"}, {kRFlush, "royal flush hearts"}}, 1003, "royal flush hearts"},
    };
    for (const Case& c : cases) {
        const PlayerRecord p = scored(c.texts);
        EXPECT_EQ(p.handnumber, c.score) << c.shown;
        EXPECT_EQ(p.handvalue, c.shown);
    }
}

TEST(HandScore, ClassWordsAreCaseSensitive) {
    EXPECT_EQ(scored({{kTops, "Top 3"}, {kPair, "pair K"}}).handnumber, 102);
    EXPECT_EQ(scored({{kTops, "Top 3"}, {kStraight, "Straight 9"}}).handnumber, 102);
}

TEST(HandScore, EmptyAndBlankTextsKeepWhatTheSeatHad) {
    PlayerRecord p;
    p.handnumber = 77;
    p.handvalue = "kept";
    p.handvaluestraight = " ";
    p.handvalueflush = " ";
    score_hand(p);
    EXPECT_EQ(p.handnumber, 77);
    EXPECT_EQ(p.handvalue, "kept");
}

TEST(HandScore, EachHalfOfTheTableIsScoredByItsOwnCall) {
    TableState t;
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].handvaluetops = "Top A";
    evaluate_hand_value1(t);
    for (int seat = 1; seat <= kSeats; ++seat) EXPECT_EQ(t.players[seat].handnumber, seat <= 5 ? 113 : 0) << seat;
    evaluate_hand_value(t);
    for (int seat = 1; seat <= kSeats; ++seat) EXPECT_EQ(t.players[seat].handnumber, 113) << seat;
}

}  // namespace
}  // namespace kestrin
