#include <array>
#include <cstdint>

#include "evaluation/card_text.h"
#include "evaluation/detectors.h"

namespace kestrin {

namespace {

constexpr int kAce = 12;
constexpr int kFive = 3;

// The five ranks of the straight topped by `top`; the ace also stands below
// the 2.
constexpr std::uint16_t run_mask(int top) {
    std::uint16_t mask = 0;
    for (int r = top - 4; r <= top; ++r) mask = static_cast<std::uint16_t>(mask | (1u << (r < 0 ? kAce : r)));
    return mask;
}

}  // namespace

// Suits play no part, and a straight counts only when it takes in at least
// one hole card's rank: a higher run lying wholly on the board is passed
// over for a lower one that holds a hole rank.
void evaluate_hand_straight(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                            std::string_view cards3, std::string_view cards4, std::string_view cards5,
                            std::string_view cards6, std::string_view cards7) {
    const std::array<std::string_view, 7> cards = {cards1, cards2, cards3, cards4, cards5, cards6, cards7};
    std::uint16_t held = 0;
    std::uint16_t hole = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int r = leading_rank(cards[i]);
        if (r == kNoRank) continue;
        held = static_cast<std::uint16_t>(held | (1u << r));
        if (i < 2) hole = static_cast<std::uint16_t>(hole | (1u << r));
    }
    for (int top = kAce; top >= kFive; --top) {
        const std::uint16_t run = run_mask(top);
        if ((held & run) == run && (hole & run) != 0) {
            write_ranked(ctx.t.st, "straight", top);
            ctx.label23.assign(ctx.t.st);
            return;
        }
    }
}

}  // namespace kestrin
