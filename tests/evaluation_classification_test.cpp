// The straight-flush texts and the whole classification of a deal of ten seats.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "evaluation/detectors.h"
#include "evaluation/player_cards.h"

namespace kestrin {
namespace {

using Hole = std::array<std::string_view, 2>;
using Board = std::array<std::string_view, 5>;

class Classification : public ::testing::Test {
protected:
    TableState t;
    std::string label23;
    std::string winner;
    EvaluationContext ctx{t, label23, winner};

    void deal(const std::array<Hole, kSeats>& holes, const Board& board) {
        for (int seat = 1; seat <= kSeats; ++seat) {
            PlayerRecord& p = t.players[seat];
            p.caption = "Seat" + std::to_string(seat);
            p.cardtext1 = holes[static_cast<std::size_t>(seat - 1)][0];
            p.cardtext2 = holes[static_cast<std::size_t>(seat - 1)][1];
            p.flop1 = board[0];
            p.flop2 = board[1];
            p.flop3 = board[2];
            p.flop4 = board[3];
            p.flop5 = board[4];
        }
    }

    void royal(std::string_view straight, std::string_view flush, std::int16_t seat = 3) {
        t.players[seat].handvaluestraight = straight;
        t.players[seat].handvalueflush = flush;
        evaluate_hand_royal(t, seat);
    }
};

TEST_F(Classification, StraightFlushTextsComeFromTheStoredStraightAndFlush) {
    royal("straight 10", "flush hearts");
    EXPECT_EQ(t.players[3].handvaluesflush, "straight flush 10");
    EXPECT_EQ(t.players[3].handvaluerflush, "");

    royal("straight 5", "flush clubs", 4);
    EXPECT_EQ(t.players[4].handvaluesflush, "straight flush 5");
    EXPECT_EQ(t.players[4].handvaluerflush, "");

    royal("straight A", "flush spades", 5);
    EXPECT_EQ(t.players[5].handvaluesflush, "straight flush A");
    EXPECT_EQ(t.players[5].handvaluerflush, "royal flush spades");
}

TEST_F(Classification, NoStraightFlushWithoutBothTexts) {
    royal(" ", "flush hearts", 1);
    royal("straight A", " ", 2);
    royal("", "", 3);
    for (int seat = 1; seat <= 3; ++seat) {
        EXPECT_EQ(t.players[seat].handvaluesflush, "") << seat;
        EXPECT_EQ(t.players[seat].handvaluerflush, "") << seat;
    }
}

TEST_F(Classification, SeatNumbersOutsideTheTableAreIgnored) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        t.players[seat].handvaluestraight = "straight A";
        t.players[seat].handvalueflush = "flush clubs";
    }
    for (const std::int16_t bad : {std::int16_t{0}, std::int16_t{11}, std::int16_t{-1}}) evaluate_hand_royal(t, bad);
    for (int seat = 1; seat <= kSeats; ++seat) EXPECT_EQ(t.players[seat].handvaluerflush, "") << seat;
}

// Board 9h 10h Jc 2h 5d: no board pattern, three hearts.
const std::array<Hole, kSeats> kMixedHoles = {{
    {"As", "3d"},  // Top A
    {"Kd", "Kc"},  // Pair K
    {"9s", "5c"},  // Two Kind 9
    {"2s", "2d"},  // Three Kind 2
    {"Qs", "8c"},  // straight Q
    {"Qd", "Ks"},  // straight K
    {"3h", "4h"},  // flush hearts
    {"Jd", "Js"},  // Three Kind J
    {"Qh", "Kh"},  // straight K plus a heart flush of other cards: straight flush K
    {"7c", "6c"},  // Top 7
}};
const Board kMixedBoard = {"9h", "10h", "Jc", "2h", "5d"};

TEST_F(Classification, WholeDealIsClassifiedScoredAndPlaced) {
    deal(kMixedHoles, kMixedBoard);
    evaluate_player_cards(ctx);

    const std::array<int, kSeats> scores = {113, 212, 308, 401, 511, 512, 603, 410, 912, 106};
    const std::array<int, kSeats> places = {5, 5, 5, 5, 4, 3, 2, 5, 1, 5};
    for (int seat = 1; seat <= kSeats; ++seat) {
        EXPECT_EQ(t.players[seat].handnumber, scores[static_cast<std::size_t>(seat - 1)]) << seat;
        EXPECT_EQ(t.players[seat].handrank, places[static_cast<std::size_t>(seat - 1)]) << seat;
    }
    EXPECT_EQ(t.players[9].handvalue, "straight flush K");
    EXPECT_EQ(t.players[4].handvalue, "Three Kind 2");
    EXPECT_EQ(t.numberofwinners, 1);
    EXPECT_EQ(winner, "Seat9 straight flush K");
    // What the last seat's run leaves behind.
    EXPECT_EQ(label23, " ");
    EXPECT_EQ(t.flopvalue, " ");
    EXPECT_EQ(t.cards1, "7c");
}

TEST_F(Classification, MissingPatternsLeaveBlankOrEmptyTexts) {
    deal(kMixedHoles, kMixedBoard);
    evaluate_player_cards(ctx);
    const PlayerRecord& p = t.players[1];
    EXPECT_EQ(p.handvaluetops, "Top A");
    EXPECT_EQ(p.handvaluestraight, " ");  // always written
    EXPECT_EQ(p.handvalueflush, " ");
    for (const std::string* text : {&p.handvaluepair, &p.handvaluetwok, &p.handvaluethreek, &p.handvaluefullhouse,
                                    &p.handvaluefourk, &p.handvaluesflush, &p.handvaluerflush}) {
        EXPECT_EQ(*text, "");  // never written
    }
}

TEST_F(Classification, SeatsOutOfPlayAreClassifiedAllTheSame) {
    deal(kMixedHoles, kMixedBoard);
    t.players[9].Active = false;
    t.players[9].fold = true;
    t.players[7].sittingout = true;
    evaluate_player_cards(ctx);
    EXPECT_EQ(t.players[9].handrank, 1);
    EXPECT_EQ(t.players[7].handrank, 2);
    EXPECT_EQ(winner, "Seat9 straight flush K");
}

TEST_F(Classification, SecondRunOverTheSameDealChangesNothing) {
    deal(kMixedHoles, kMixedBoard);
    evaluate_player_cards(ctx);
    const TableState first = t;
    const std::string first_winner = winner;
    evaluate_player_cards(ctx);
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& a = first.players[seat];
        const PlayerRecord& b = t.players[seat];
        EXPECT_EQ(a.handnumber, b.handnumber) << seat;
        EXPECT_EQ(a.handrank, b.handrank) << seat;
        EXPECT_EQ(a.handvalue, b.handvalue) << seat;
        EXPECT_EQ(a.handvaluesflush, b.handvaluesflush) << seat;
        EXPECT_EQ(a.handvaluestraight, b.handvaluestraight) << seat;
    }
    EXPECT_EQ(t.numberofwinners, first.numberofwinners);
    EXPECT_EQ(winner, first_winner);
}

TEST_F(Classification, FlushOnTheBoardTiesEverySeatForFirst) {
    const std::array<Hole, kSeats> holes = {{{"Ac", "Ad"}, {"3c", "3d"}, {"4c", "4d"}, {"6c", "6d"}, {"7c", "7d"},
                                             {"8c", "8d"}, {"10c", "10d"}, {"Qc", "Qd"}, {"3s", "4s"}, {"Ac", "7d"}}};
    deal(holes, {"2h", "5h", "9h", "Jh", "Kh"});
    evaluate_player_cards(ctx);
    for (int seat = 1; seat <= kSeats; ++seat) {
        EXPECT_EQ(t.players[seat].handnumber, 603) << seat;
        EXPECT_EQ(t.players[seat].handrank, 1) << seat;
    }
    EXPECT_EQ(t.numberofwinners, kSeats);
    EXPECT_EQ(winner, "Seat10 flush hearts");
}

}  // namespace
}  // namespace kestrin
