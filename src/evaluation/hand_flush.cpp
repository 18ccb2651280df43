#include <array>

#include "evaluation/card_text.h"
#include "evaluation/detectors.h"

namespace kestrin {

// All seven cards count, so a board of one suit gives every seat the same
// flush; the flush is named by its suit only.
void evaluate_hand_flush(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                         std::string_view cards3, std::string_view cards4, std::string_view cards5,
                         std::string_view cards6, std::string_view cards7) {
    const std::array<std::string_view, 7> cards = {cards1, cards2, cards3, cards4, cards5, cards6, cards7};
    for (std::size_t suit = 0; suit < kSuitLetters.size(); ++suit) {
        int count = 0;
        for (const std::string_view card : cards) count += in_suit(card, kSuitLetters[suit]) ? 1 : 0;
        if (count >= 5) {
            ctx.t.fl.assign("flush ");
            ctx.t.fl += kSuitWords[suit];
            ctx.label23.assign(ctx.t.fl);
        }
    }
}

}  // namespace kestrin
