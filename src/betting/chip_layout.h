// The chips drawn on the table: 91 round shapes in one control array. Seat k
// owns chips 6k-6 to 6k-1 for its bets; 60 to 90 are the pot piles of the
// flop, the turn and the river.
#pragma once

#include <array>
#include <cstdint>

#include "platform/controls.h"

namespace kestrin {

inline constexpr int kChips = 91;
inline constexpr int kChipsPerSeat = 6;

// The piles that the streets add to the pot: first and last chip.
struct ChipRange {
    int first;
    int last;
};
inline constexpr ChipRange kFlopPile{60, 75};
inline constexpr ChipRange kTurnPile{76, 83};
inline constexpr ChipRange kRiverPile{84, 90};
// The pot chips that travel to a winner and are put back afterwards.
inline constexpr ChipRange kTravellingChips{60, 70};

inline constexpr int first_chip_of(int seat) { return kChipsPerSeat * (seat - 1); }
inline constexpr int last_chip_of(int seat) { return kChipsPerSeat * seat - 1; }

// The five chip looks.
enum class ChipLook : std::uint8_t { Yellow, Salmon, Orange, Blue, White };

struct ChipPaint {
    plat::Colour back;
    plat::Shape::Fill fill;
    plat::Colour fillColour;
};

// How a chip of the look is painted inside its border.
const ChipPaint& chip_paint(ChipLook look);

struct ChipDesign {
    plat::Twips left;
    plat::Twips top;
    plat::Twips width;
    plat::Twips height;
    ChipLook look;
    int borderPx;
};

// Every chip as designed, by index.
const std::array<ChipDesign, kChips>& chip_designs();

// Where the user's six chips are put each time a bet of the user's is shown.
struct ChipSpot {
    plat::Twips left;
    plat::Twips top;
};
inline constexpr std::array<ChipSpot, kChipsPerSeat> kUserChipSpots = {
    {{5148, 6516}, {4968, 6660}, {4944, 6648}, {4992, 6696}, {4968, 6552}, {5100, 6672}}};

}  // namespace kestrin
