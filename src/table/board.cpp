// The board, street by street: the flop, the turn card and the river card
// are turned up when the betting closes the street before.
#include "table/cards.h"
#include "table/tables.h"

namespace kestrin {

void tables::show_board_card(plat::PictureBox& picture, int deckEntry) {
    picture.picture = PictureClip1.cell(state.deck[static_cast<std::size_t>(deckEntry)]);
}

// A new street counts its raises from 0, and the bets of the street before
// are drawn into the pot.
void tables::sweep_street(std::int16_t level) {
    state.raiservalue = 0;
    chips_to_pot(level);
    for (std::int16_t seat = 1; seat <= kSeats; ++seat) chips_player_hide(seat);
}

void tables::show_flop1() {
    Picture32.visible = true;
    Picture33.visible = true;
    Picture34.visible = true;
    show_board_card(Picture32, kBoardCards);
    show_board_card(Picture33, kBoardCards + 1);
    show_board_card(Picture34, kBoardCards + 2);
    state.postflop1 = true;
    sweep_street(1);
    Label2.visible = false;
}

void tables::show_flop2() {
    Picture35.visible = true;
    show_board_card(Picture35, kBoardCards + 3);
    state.postflop2 = true;
    sweep_street(2);
}

void tables::show_flop3() {
    Picture36.visible = true;
    show_board_card(Picture36, kBoardCards + 4);
    state.postflop3 = true;
    sweep_street(3);
}

}  // namespace kestrin
