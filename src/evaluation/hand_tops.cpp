#include "evaluation/card_text.h"
#include "evaluation/detectors.h"

namespace kestrin {

// The ranks are searched anywhere in the hole-card texts, not only at their
// start; for real card texts that is the same thing.
void evaluate_hand_tops(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                        std::string_view /*cards3*/, std::string_view /*cards4*/, std::string_view /*cards5*/,
                        std::string_view /*cards6*/, std::string_view /*cards7*/) {
    const int top = highest_rank(static_cast<std::uint16_t>(contained_ranks(cards1) | contained_ranks(cards2)));
    if (top != kNoRank) write_ranked(ctx.label23, "Top", top);
}

}  // namespace kestrin
