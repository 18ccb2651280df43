// Street accounting: what every seat has put in on the street is cleared
// when the street closes and before every new hand.
#include "table/tables.h"

namespace kestrin {

void tables::zero_total_bets() {
    for (int seat = 1; seat <= kSeats; ++seat) state.players[seat].bet = 0;
    for (int seat = 1; seat <= kSeats; ++seat) state.players[seat].totalbet = 0;
    state.currentbet = 0;
}

}  // namespace kestrin
