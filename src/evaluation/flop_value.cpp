#include <array>

#include "evaluation/card_text.h"
#include "evaluation/detectors.h"

namespace kestrin {

namespace {

int count_rank(const std::array<int, 5>& ranks, std::size_t from, int rank) {
    if (rank == kNoRank) return 0;
    int n = 0;
    for (std::size_t i = from; i < ranks.size(); ++i) n += ranks[i] == rank ? 1 : 0;
    return n;
}

}  // namespace

// The board is read the way the pairs-and-kinds detector expects it: only
// the ranks of the first three board cards are followed, the third one's
// matches on cards 4 and 5 being added to the first count. So some boards
// give a word that is not their real pattern (a pair on cards 4 and 5 alone
// is not seen, two pairs can read as three of a kind).
void evaluate_flop_value(EvaluationContext& ctx, std::string_view cards3, std::string_view cards4,
                         std::string_view cards5, std::string_view cards6, std::string_view cards7) {
    const std::array<int, 5> ranks = {leading_rank(cards3), leading_rank(cards4), leading_rank(cards5),
                                      leading_rank(cards6), leading_rank(cards7)};
    int first = count_rank(ranks, 0, ranks[0]);
    const int second = ranks[1] != ranks[0] ? count_rank(ranks, 1, ranks[1]) : 0;
    if (ranks[2] != kNoRank && ranks[2] != ranks[0] && ranks[2] != ranks[1]) {
        first += (ranks[3] == ranks[2] ? 1 : 0) + (ranks[4] == ranks[2] ? 1 : 0);
    }

    // Every passing test overwrites; the last one decides.
    const char* word = nullptr;
    if (first == 2) word = "Pair";
    if (second == 2) word = "Pair";
    if (first == 2 && second == 2) word = "Two Kind";
    if (first == 3) word = "Three Kind";
    if (second == 3) word = "Three Kind";
    if (first == 3 && second == 2) word = "FullHouse";
    if (first == 2 && second == 3) word = "FullHouse";
    if (first == 4) word = "Four Kind";
    if (second == 4) word = "Four Kind";
    if (word != nullptr) ctx.t.flopvalue.assign(word);
}

}  // namespace kestrin
