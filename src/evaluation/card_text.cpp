#include "evaluation/card_text.h"

#include <bit>

namespace kestrin {

int leading_rank(std::string_view card) noexcept {
    if (card.empty()) return kNoRank;
    const char c = card[0];
    if (c >= '2' && c <= '9') return c - '2';
    switch (c) {
        case '1': return card.size() > 1 && card[1] == '0' ? 8 : kNoRank;
        case 'J': return 9;
        case 'Q': return 10;
        case 'K': return 11;
        case 'A': return 12;
        default: return kNoRank;
    }
}

std::uint16_t contained_ranks(std::string_view text) noexcept {
    std::uint16_t mask = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        int rank = kNoRank;
        if (c >= '2' && c <= '9') rank = c - '2';
        else if (c == '1' && i + 1 < text.size() && text[i + 1] == '0') rank = 8;
        else if (c == 'J') rank = 9;
        else if (c == 'Q') rank = 10;
        else if (c == 'K') rank = 11;
        else if (c == 'A') rank = 12;
        if (rank != kNoRank) mask = static_cast<std::uint16_t>(mask | (1u << rank));
    }
    return mask;
}

int highest_rank(std::uint16_t mask) noexcept {
    return mask == 0 ? kNoRank : std::bit_width(mask) - 1;
}

bool in_suit(std::string_view card, char letter) noexcept {
    const std::size_t pos = card.find(letter);
    return pos != std::string_view::npos && pos >= 1;
}

void write_ranked(std::string& out, std::string_view word, int rank) {
    out.assign(word);
    out += ' ';
    out += kRankTexts[static_cast<std::size_t>(rank)];
}

}  // namespace kestrin
