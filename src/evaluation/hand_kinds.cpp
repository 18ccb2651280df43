#include <array>

#include "evaluation/card_text.h"
#include "evaluation/detectors.h"

namespace kestrin {

// Only patterns that take in a hole card's rank are seen, and each answer
// names one hole rank. The tests run in a fixed order and the last one that
// passes decides, which is why, for example, a two pair of both hole ranks
// on a paired board ends up named after the second hole card.
void evaluate_hand_kinds(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                         std::string_view cards3, std::string_view cards4, std::string_view cards5,
                         std::string_view cards6, std::string_view cards7) {
    const std::array<int, 7> ranks = {leading_rank(cards1), leading_rank(cards2), leading_rank(cards3),
                                      leading_rank(cards4), leading_rank(cards5), leading_rank(cards6),
                                      leading_rank(cards7)};
    const int r1 = ranks[0];
    const int r2 = ranks[1];
    int n1 = 0;
    int n2 = 0;
    for (const int r : ranks) {
        n1 += r1 != kNoRank && r == r1 ? 1 : 0;
        n2 += r2 != kNoRank && r == r2 ? 1 : 0;
    }

    const std::string& board = ctx.t.flopvalue;
    const bool board_pair = board == "Pair";
    const bool board_two = board == "Two Kind";
    const bool board_three = board == "Three Kind";

    const char* word = nullptr;
    int rank = kNoRank;
    auto pass = [&](bool condition, const char* w, int r) {
        if (condition) {
            word = w;
            rank = r;
        }
    };
    pass(n1 == 2, "Pair", r1);
    pass(n2 == 2, "Pair", r2);
    pass(r1 != r2 && n1 == 2 && n2 == 2, "Two Kind", r1 > r2 ? r1 : r2);
    pass(n1 == 2 && board_two, "Two Kind", r1);
    pass(n2 == 2 && board_two, "Two Kind", r2);
    pass(n1 == 2 && board_pair, "Two Kind", r1);
    pass(n2 == 2 && board_pair, "Two Kind", r2);
    pass(n1 == 3, "Three Kind", r1);
    pass(n2 == 3, "Three Kind", r2);
    pass(n1 == 3 && n2 == 2, "FullHouse", r1);
    pass(n1 == 2 && n2 == 3, "FullHouse", r2);
    pass(n1 == 2 && board_three, "FullHouse", r1);
    pass(n2 == 2 && board_three, "FullHouse", r2);
    pass(n1 == 4, "Four Kind", r1);
    pass(n2 == 4, "Four Kind", r2);
    if (word != nullptr) write_ranked(ctx.label23, word, rank);
}

}  // namespace kestrin
