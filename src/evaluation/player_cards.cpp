#include "evaluation/player_cards.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "evaluation/card_text.h"
#include "evaluation/detectors.h"
#include "scoring/hand_value.h"
#include "scoring/ultimate_winner.h"

namespace kestrin {

namespace {

// Where a kinds answer is kept, by the class word it contains.
struct KindsSlot {
    std::string_view word;
    std::string PlayerRecord::*member;
};

constexpr std::array<KindsSlot, 5> kKindsSlots = {{
    {"Pair", &PlayerRecord::handvaluepair},
    {"Two Kind", &PlayerRecord::handvaluetwok},
    {"Three Kind", &PlayerRecord::handvaluethreek},
    {"FullHouse", &PlayerRecord::handvaluefullhouse},
    {"Four Kind", &PlayerRecord::handvaluefourk},
}};

// The detectors' "found nothing". Filled rather than copied from a literal:
// GCC 12 warns falsely (-Wrestrict) on a one-character literal assignment.
void set_blank(std::string& text) { text.assign(1, ' '); }

void classify_seat(EvaluationContext& ctx, std::int16_t seat) {
    TableState& t = ctx.t;
    PlayerRecord& p = t.players[seat];
    std::string& channel = ctx.label23;

    t.cards1 = p.cardtext1;
    t.cards2 = p.cardtext2;
    t.cards3 = p.flop1;
    t.cards4 = p.flop2;
    t.cards5 = p.flop3;
    t.cards6 = p.flop4;
    t.cards7 = p.flop5;

    set_blank(channel);
    evaluate_hand_tops(ctx, t.cards1, t.cards2, t.cards3, t.cards4, t.cards5, t.cards6, t.cards7);
    if (contains(channel, "Top")) p.handvaluetops = channel;

    set_blank(channel);
    set_blank(t.flopvalue);
    evaluate_flop_value(ctx, t.cards3, t.cards4, t.cards5, t.cards6, t.cards7);
    evaluate_hand_kinds(ctx, t.cards1, t.cards2, t.cards3, t.cards4, t.cards5, t.cards6, t.cards7);
    for (const KindsSlot& slot : kKindsSlots) {
        if (contains(channel, slot.word)) p.*slot.member = channel;
    }

    // A seat without a straight or flush is given the blank, not left empty.
    set_blank(channel);
    evaluate_hand_straight(ctx, t.cards1, t.cards2, t.cards3, t.cards4, t.cards5, t.cards6, t.cards7);
    p.handvaluestraight = channel;

    set_blank(channel);
    evaluate_hand_flush(ctx, t.cards1, t.cards2, t.cards3, t.cards4, t.cards5, t.cards6, t.cards7);
    p.handvalueflush = channel;

    set_blank(channel);
    evaluate_hand_royal(t, seat);
}

}  // namespace

void evaluate_player_cards(EvaluationContext& ctx) {
    for (std::int16_t seat = 1; seat <= kSeats; ++seat) classify_seat(ctx, seat);

    evaluate_hand_value1(ctx.t);
    evaluate_hand_value(ctx.t);

    std::array<std::int16_t, kSeats> scores{};
    for (int seat = 1; seat <= kSeats; ++seat) scores[static_cast<std::size_t>(seat - 1)] = ctx.t.players[seat].handnumber;

    // One placing always counts at least one winner, so it is not repeated.
    ctx.t.numberofwinners = 0;
    evaluate_ultimate_winner(ctx, scores);
}

}  // namespace kestrin
