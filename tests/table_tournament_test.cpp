// A whole tournament, hand after hand, from the first deal to a final table
// with empty seats: the field's bookkeeping and the table's chips are
// checked at every deal. The user wins every hand (a stand-in showdown), so
// the field shrinks to a final table that empties until the user has won.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "platform/numtext.h"
#include "support/table_driver.h"
#include "table/field_rules.h"
#include "table/table_texts.h"

using namespace kestrin;
using kestrin::test::TableDriver;

namespace {

struct Before {
    std::int64_t chips;
    std::int16_t playersOut;
    std::array<std::string, kSeats + 1> names;
    std::array<std::int32_t, kSeats + 1> prizes;
};

class Tournament : public ::testing::TestWithParam<std::uint64_t> {
protected:
    TableDriver game{GetParam()};
    tables* t = nullptr;

    void SetUp() override { t = &game.open("Ann"); }
    void TearDown() override { EXPECT_TRUE(game.app.diagnostics().empty()); }

    void bustAnOpponent(int hand) {
        for (int i = 0; i < kSeats - 1; ++i) {
            const int seat = 2 + (hand + i) % (kSeats - 1);
            PlayerRecord& p = t->state.players[seat];
            if (!p.Active) continue;
            game.bust(seat);
            return;
        }
    }

    Before snapshot() {
        Before b{game.chipsAtTable(), t->field.players_out, {}, {}};
        for (int seat = 1; seat <= kSeats; ++seat) {
            b.names[seat] = t->state.players[seat].caption;
            b.prizes[seat] = t->state.players[seat].prize;
        }
        return b;
    }

    void checkDeal(const Before& b) {
        const TableState& s = t->state;
        const FieldCounters& f = t->field;
        const bool finalTable = f.players_out > kFinalTable;
        EXPECT_GE(f.players_out, b.playersOut);
        if (f.players_out < kFinalTable) {
            EXPECT_EQ(f.chips_out, 1000 * f.players_out);
        }
        if (b.playersOut < kFinalTable) {
            EXPECT_EQ(t->Label2.caption, players_remaining_line(1000 - std::min<int>(f.players_out, kFinalTable)));
        }

        // Newcomers bring chips into the table; everything else is conserved:
        // the blinds, or from the final table on the antes, go from the
        // stacks into the pot.
        const int small = game.seatNumbered(2), big = game.seatNumbered(3);
        std::int64_t brought = 0;
        std::int64_t putIn = 0;
        for (int seat = 1; seat <= kSeats; ++seat) {
            const PlayerRecord& p = s.players[seat];
            std::int32_t stackBefore = b.prizes[seat];
            std::int32_t paid = stackBefore - p.prize;
            if (p.caption != b.names[seat]) {
                ASSERT_GE(seat, 2);
                ASSERT_LT(b.prizes[seat], 1);
                paid = finalTable ? s.limits : p.totalbet;
                stackBefore = p.prize + paid;
                if (b.playersOut < kFinalTable && f.players_out < kFinalTable) {
                    EXPECT_EQ(stackBefore, static_cast<std::int32_t>(plat::roundHalfEven(
                                               static_cast<double>(f.chips_out) / (f.players_out - 2))));
                } else {
                    EXPECT_EQ(stackBefore, f.chips_out);
                }
                brought += stackBefore - b.prizes[seat];
            }
            putIn += paid;
            if (finalTable) {
                EXPECT_EQ(paid, p.Active ? std::min(s.limits, std::max(stackBefore, 0)) : 0) << seat;
            } else {
                // Every payment so far went onto the street: the blinds, and
                // after the user's big blind seat 2's turn, which follows at once.
                EXPECT_EQ(paid, p.totalbet) << seat;
                if (seat == small) {
                    EXPECT_EQ(paid, std::min(s.limits, stackBefore)) << seat;
                } else if (seat == big) {
                    EXPECT_EQ(paid, std::min(2 * s.limits, stackBefore)) << seat;
                } else if (!(big == 1 && seat == 2)) {
                    EXPECT_EQ(paid, 0) << seat;
                }
            }
        }
        EXPECT_EQ(s.pot, putIn);
        EXPECT_EQ(game.chipsAtTable(), b.chips + brought);
        // The table's own audit agrees: the starting chips, plus what newcomers
        // brought, less what sitting out on the button cost.
        EXPECT_EQ(game.chipsAtTable(), 10 * 1000 + f.chips_seated - f.chips_charged);

        // One button, on a seat still in; the first turn after it.
        int button = 0;
        for (int seat = 1; seat <= kSeats; ++seat)
            if (s.players[seat].dealer == 1) button = button ? -1 : seat;
        ASSERT_GT(button, 0);
        EXPECT_TRUE(s.players[button].Active);

        std::set<int> cards(s.deck.begin(), s.deck.end());
        EXPECT_EQ(cards.size(), 25u);
        std::int32_t mostPutIn = 0;
        for (int seat = 1; seat <= kSeats; ++seat) {
            const PlayerRecord& p = s.players[seat];
            EXPECT_EQ(p.cardtext1, t->convert2card(p.cardone));
            // A seat that folded in the deal's turns has its cards hidden.
            EXPECT_EQ(t->firstCard[seat].visible, p.Active && !p.sittingout && !p.fold) << seat;
            EXPECT_EQ(t->nameLabel[seat].visible, p.Active);
            EXPECT_GE(p.handrank, 1);
            mostPutIn = std::max(mostPutIn, p.totalbet);
        }
        EXPECT_EQ(s.currentbet, finalTable ? s.limits : mostPutIn);
    }
};

}  // namespace

TEST_P(Tournament, TheFieldShrinksToAFinalTableWithEmptySeatsAndNoChipIsLost) {
    bool sawFinalTable = false;
    bool won = false;
    for (int hand = 1; hand <= 400 && !game.app.ended(); ++hand) {
        if (hand % 5 == 0) bustAnOpponent(hand);
        game.endHand(1);
        const Before b = snapshot();  // the pot is paid: the stacks hold every chip
        game.toNextDeal();
        if (t->state.closer == 1) {
            // No opponent was left: the deal's turns reached the user, who
            // won the tournament and the antes back.
            EXPECT_EQ(t->Label24.caption, "Congratulations You Won The Tournament");
            EXPECT_EQ(game.chipsAtTable(), b.chips);
            EXPECT_FALSE(t->Timer1.enabled());
            won = true;
            break;
        }
        checkDeal(b);
        if (::testing::Test::HasFatalFailure()) return;
        sawFinalTable = sawFinalTable || t->field.players_out > kFinalTable;
    }
    EXPECT_TRUE(sawFinalTable);
    EXPECT_TRUE(won);  // the user takes every pot, so in the end every opponent is out
    int empty = 0;
    for (int seat = 2; seat <= kSeats; ++seat) empty += !t->state.players[seat].Active;
    EXPECT_GT(empty, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Tournament, ::testing::Values(1u, 7u, 2024u));
