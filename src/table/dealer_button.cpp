// The dealer button: drawn for the first hand, passed one seat on between
// hands. It lives in every seat's `dealer` number, 1 on the button seat and
// counting up round the table from there.
#include "table/cards.h"
#include "table/seat_map.h"
#include "table/tables.h"

namespace kestrin {

namespace {

constexpr plat::Twips kMarkerOffset = 500;  // the marker sits this far into the button seat's first card

}  // namespace

// Numbers every seat from the new button seat and puts the marker on that
// seat's first hole card; the caller decides when the marker shows.
void tables::place_button(int button) {
    for (int seat = 1; seat <= kSeats; ++seat)
        state.players[seat].dealer = static_cast<std::int16_t>((seat - button + kSeats) % kSeats + 1);
    Label1.top = firstCard[button].top + kMarkerOffset;
    Label1.left = firstCard[button].left + kMarkerOffset;
}

// Every seat is dealt one card face down (the first ten of a fresh deck);
// the highest card number wins the button.
void tables::toss() {
    dealfirst();
    TableState& t = state;
    for (int seat = 1; seat <= kSeats; ++seat) {
        t.players[seat].cardone = t.deck[static_cast<std::size_t>(kFirstHoleCards + seat - 1)];
        firstCard[seat].picture = PictureClip1.cell(t.players[seat].cardone);
    }
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].cardtext1 = convert2card(t.players[seat].cardone);
    for (int w = 1; w <= kSeats; ++w) {
        bool highest = true;
        for (int other = 1; other <= kSeats; ++other)
            if (other != w && t.players[w].cardone <= t.players[other].cardone) highest = false;
        if (!highest) continue;
        t.players[w].tosswinner = true;
        place_button(w);
    }
    Label1.visible = true;
    t.tossdone = 1;
}

void tables::next_dealer() {
    int holder = 0;
    for (int seat = 1; seat <= kSeats && holder == 0; ++seat)
        if (state.players[seat].dealer == 1) holder = seat;
    if (holder != 0) {
        const int button = next_seat(holder);
        place_button(button);
        Label1.visible = true;
        if (button != 1) state.focuser = static_cast<std::int16_t>(button - 1);
    }
    state.postblinds = false;
}

}  // namespace kestrin
