// The money drawn on the table: a seat's bet as six chips with its amount,
// the pot piles of the streets, and the pot going to a winner. Graphics
// only: no amount changes here.
#include "betting/chip_layout.h"
#include "platform/numtext.h"
#include "table/seat_map.h"
#include "table/tables.h"

namespace kestrin {

namespace {

constexpr std::int16_t kEverySeat = 11;  // pot_to_winner's "every seat in turn"

// The lowest of a seat's chip spots that the pot chips land on: all six for
// seats 4 and 6, the top five for the others.
constexpr int lowest_landing_spot(int seat) {
    return seat == 4 || seat == 6 ? first_chip_of(seat) : first_chip_of(seat) + 1;
}

}  // namespace

void tables::chips_player_show(std::int32_t chipbet, std::int16_t whichplayer) {
    if (!is_seat(whichplayer)) return;
    betLabel[whichplayer].caption = plat::numText(chipbet);
    if (whichplayer == 1) {
        for (int j = 0; j < kChipsPerSeat; ++j) {
            backchips[j].top = kUserChipSpots[static_cast<std::size_t>(j)].top;
            backchips[j].left = kUserChipSpots[static_cast<std::size_t>(j)].left;
        }
    }
    for (int i = last_chip_of(whichplayer); i >= first_chip_of(whichplayer); --i) backchips[i].visible = true;
    betLabel[whichplayer].visible = true;
}

void tables::chips_player_hide(std::int16_t whichplayer) {
    if (!is_seat(whichplayer)) return;
    for (int i = last_chip_of(whichplayer); i >= first_chip_of(whichplayer); --i) backchips[i].visible = false;
    betLabel[whichplayer].visible = false;
}

void tables::chips_to_pot(std::int16_t whichlevel) {
    for (std::int16_t seat = 1; seat <= kSeats; ++seat) chips_player_hide(seat);
    static constexpr ChipRange kPiles[] = {kFlopPile, kTurnPile, kRiverPile};
    if (whichlevel < 1 || whichlevel > 3) return;
    const ChipRange& pile = kPiles[whichlevel - 1];
    for (int i = pile.first; i <= pile.last; ++i) backchips[i].visible = true;
    potlabel.visible = true;
}

// The pot chips travel onto the winner's chip spots and disappear; then they
// wait on their own design places for the next hand. The window is not
// repainted in between, so only the end is ever seen.
void tables::pot_to_winner(std::int16_t one) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (seat != one && one != kEverySeat) continue;
        int spot = last_chip_of(seat);
        for (int p = kTravellingChips.first; p <= kTravellingChips.last; ++p) {
            backchips[p].top = backchips[spot].top;
            backchips[p].left = backchips[spot].left;
            if (--spot < lowest_landing_spot(seat)) spot = last_chip_of(seat);
        }
    }
    for (int i = kTravellingChips.last + 1; i <= kRiverPile.last; ++i) backchips[i].visible = false;
    for (int i = kFlopPile.first; i <= kRiverPile.last; ++i) backchips[i].visible = false;
    potlabel.visible = false;
    for (int p = kTravellingChips.first; p <= kTravellingChips.last; ++p) {
        const auto entry = static_cast<std::size_t>(p - kTravellingChips.first);
        backchips[p].top = static_cast<plat::Twips>(state.potchiptop[entry]);
        backchips[p].left = state.potchipleft[entry];
    }
}

}  // namespace kestrin
