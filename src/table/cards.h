// Card numbers, card texts and the draw of a hand's 25 cards.
//
// A card number is 4 x (rank - 2) + suit + 1 (ranks 2 to 14, suits clubs,
// diamonds, hearts, spades), so 1 is "2c" and 52 is "As"; it is also the
// card's cell on the card sheet. Cells 0, 53, 54 and 55 are the backs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/random.h"

namespace kestrin {

inline constexpr int kDeckSize = 25;  // two hole cards for ten seats and the board
using Deck = std::array<std::int16_t, kDeckSize>;

// Where each card of the deck goes.
inline constexpr int kFirstHoleCards = 0;    // seat k takes entry k - 1
inline constexpr int kSecondHoleCards = 10;  // seat k takes entry 9 + k
inline constexpr int kBoardCards = 20;       // flop 20 to 22, turn 23, river 24

// "2c" to "As" for 1 to 52; the empty text for any other number.
std::string card_text(int card);

// Fills the deck with 25 different cards, each drawn by itself as
// floor(r x 52 + 1) and drawn again while it repeats an earlier entry.
// Returns the last card drawn.
std::int16_t draw_deck(Deck& deck, plat::Random& random);

}  // namespace kestrin
