// Reading card texts ("10h", "As") and the hand-value texts built from them.
// Every test is case-sensitive; a text that holds no rank counts for no rank.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin {

inline constexpr int kRanks = 13;
inline constexpr int kNoRank = -1;

// Rank texts from the lowest to the highest; a rank is its index here.
inline constexpr std::array<std::string_view, kRanks> kRankTexts = {
    "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};

inline constexpr std::array<char, 4> kSuitLetters = {'c', 'd', 'h', 's'};
inline constexpr std::array<std::string_view, 4> kSuitWords = {"clubs", "diamonds", "hearts", "spades"};

// The rank the card text begins with, or kNoRank.
int leading_rank(std::string_view card) noexcept;

// One bit per rank whose rank text occurs anywhere in the text.
std::uint16_t contained_ranks(std::string_view text) noexcept;

// The highest rank in the mask, or kNoRank for an empty mask.
int highest_rank(std::uint16_t mask) noexcept;

// A card belongs to a suit when the suit letter first occurs at its second
// character or later.
bool in_suit(std::string_view card, char letter) noexcept;

inline bool contains(std::string_view text, std::string_view word) noexcept {
    return text.find(word) != std::string_view::npos;
}

// out = word, one blank, the rank text; reuses out's storage.
void write_ranked(std::string& out, std::string_view word, int rank);

}  // namespace kestrin
