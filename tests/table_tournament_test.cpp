// A whole tournament, hand after hand, from the first deal to a final table
// with empty seats: the field's bookkeeping and the table's chips are
// checked at every deal.
#include <gtest/gtest.h>

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

        // Newcomers bring chips into the table; everything else is conserved
        // (antes go from the stacks into the pot).
        std::int64_t brought = 0;
        int active = 0;
        for (int seat = 1; seat <= kSeats; ++seat) {
            const PlayerRecord& p = s.players[seat];
            active += p.Active;
            if (p.caption == b.names[seat]) continue;
            ASSERT_GE(seat, 2);
            ASSERT_LT(b.prizes[seat], 1);
            const std::int32_t stack = p.prize + (finalTable ? s.limits : 0);
            if (b.playersOut < kFinalTable && f.players_out < kFinalTable)
                EXPECT_EQ(stack, static_cast<std::int32_t>(plat::roundHalfEven(
                                     static_cast<double>(f.chips_out) / (f.players_out - 2))));
            else
                EXPECT_EQ(stack, f.chips_out);
            brought += stack - b.prizes[seat];
        }
        EXPECT_EQ(game.chipsAtTable(), b.chips + brought);

        // One button, on a seat still in; the first turn after it.
        int button = 0;
        for (int seat = 1; seat <= kSeats; ++seat)
            if (s.players[seat].dealer == 1) button = button ? -1 : seat;
        ASSERT_GT(button, 0);
        EXPECT_TRUE(s.players[button].Active);

        std::set<int> cards(s.deck.begin(), s.deck.end());
        EXPECT_EQ(cards.size(), 25u);
        for (int seat = 1; seat <= kSeats; ++seat) {
            const PlayerRecord& p = s.players[seat];
            EXPECT_EQ(p.cardtext1, t->convert2card(p.cardone));
            EXPECT_EQ(t->firstCard[seat].visible, p.Active && !p.sittingout);
            EXPECT_EQ(t->nameLabel[seat].visible, p.Active);
            EXPECT_GE(p.handrank, 1);
        }
        EXPECT_EQ(s.pot, finalTable ? s.limits * active : 0);
        EXPECT_EQ(s.currentbet, finalTable ? s.limits : 0);
    }
};

}  // namespace

TEST_P(Tournament, TheFieldShrinksToAFinalTableWithEmptySeatsAndNoChipIsLost) {
    bool sawFinalTable = false;
    for (int hand = 1; hand <= 400 && !game.app.ended(); ++hand) {
        if (hand % 5 == 0) bustAnOpponent(hand);
        const Before b = snapshot();
        game.nextHand(1);
        checkDeal(b);
        if (::testing::Test::HasFatalFailure()) return;
        sawFinalTable = sawFinalTable || t->field.players_out > kFinalTable;
    }
    EXPECT_TRUE(sawFinalTable);
    int empty = 0;
    for (int seat = 2; seat <= kSeats; ++seat) empty += !t->state.players[seat].Active;
    EXPECT_GT(empty, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Tournament, ::testing::Values(1u, 7u, 2024u));
