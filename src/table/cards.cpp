#include "table/cards.h"

#include <algorithm>
#include <cmath>

#include "evaluation/card_text.h"

namespace kestrin {

namespace {

constexpr int kCards = 52;
// A generator that keeps coming back to used cards would never end the
// redraw; after this many repeats in a row the next unused card is taken.
constexpr int kMaxRedraws = 10000;

std::int16_t draw_card(plat::Random& random) {
    const double x = std::floor(static_cast<double>(random.next()) * kCards + 1);
    return static_cast<std::int16_t>(std::clamp(x, 1.0, static_cast<double>(kCards)));
}

bool used(std::uint64_t taken, int card) { return (taken >> card) & 1u; }

// The first card after `card`, counting round from 52 to 1, not yet taken.
std::int16_t next_unused(std::uint64_t taken, int card) {
    for (int step = 1; step <= kCards; ++step) {
        const int c = (card - 1 + step) % kCards + 1;
        if (!used(taken, c)) return static_cast<std::int16_t>(c);
    }
    return static_cast<std::int16_t>(card);  // unreachable: 25 cards never fill 52
}

}  // namespace

std::string card_text(int card) {
    if (card < 1 || card > kCards) return {};
    std::string out(kRankTexts[static_cast<std::size_t>((card - 1) / 4)]);
    out += kSuitLetters[static_cast<std::size_t>((card - 1) % 4)];
    return out;
}

std::int16_t draw_deck(Deck& deck, plat::Random& random) {
    std::uint64_t taken = 0;
    std::int16_t x = 0;
    for (std::int16_t& entry : deck) {
        x = draw_card(random);
        for (int redraws = 0; used(taken, x); ++redraws) {
            x = redraws < kMaxRedraws ? draw_card(random) : next_unused(taken, x);
        }
        entry = x;
        taken |= std::uint64_t{1} << x;
    }
    return x;
}

}  // namespace kestrin
