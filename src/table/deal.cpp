// The deck of a hand, the deal and the hole-card pictures.
#include "evaluation/player_cards.h"
#include "startup/settings.h"
#include "table/cards.h"
#include "table/hand_resets.h"
#include "table/seat_map.h"
#include "table/tables.h"

namespace kestrin {

void tables::dealfirst() {
    app().reseedFromClock();
    state.drawncard = draw_deck(state.deck, app().random());
}

std::string tables::convert2card(const std::int16_t& temp) const { return card_text(temp); }

void tables::distribute_cards_for_10() {
    TableState& t = state;
    const Deck& deck = t.deck;
    // The user sees the faces; every opponent's cards show the card back
    // chosen on the welcome screen, read afresh for each picture.
    auto put = [this](plat::PictureBox& picture, int seat, int card) {
        picture.picture = PictureClip1.cell(seat == 1 ? card : welcome().backside);
    };
    for (int seat = 1; seat <= kSeats; ++seat) {
        t.players[seat].cardone = deck[static_cast<std::size_t>(kFirstHoleCards + seat - 1)];
        put(firstCard[seat], seat, t.players[seat].cardone);
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        t.players[seat].cardtwo = deck[static_cast<std::size_t>(kSecondHoleCards + seat - 1)];
        put(secondCard[seat], seat, t.players[seat].cardtwo);
    }
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].cardtext1 = convert2card(t.players[seat].cardone);
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].cardtext2 = convert2card(t.players[seat].cardtwo);
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& p = t.players[seat];
        std::string* board[] = {&p.flop1, &p.flop2, &p.flop3, &p.flop4, &p.flop5};
        for (std::size_t i = 0; i < 5; ++i) *board[i] = convert2card(deck[kBoardCards + i]);
    }
    class_set_to_zero(t);
    t.numberofwinners = 0;
    // The placing always counts at least one seat in first place, so the
    // classification runs once here.
    evaluate_player_cards();
    Command4_Click();
}

void tables::evaluate_player_cards() {
    EvaluationContext ctx{state, Label23.caption, winnerlabel.caption};
    kestrin::evaluate_player_cards(ctx);
}

void tables::show_hole_cards() {
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& p = state.players[seat];
        if (p.sittingout || !p.Active) continue;
        firstCard[seat].visible = true;
        secondCard[seat].visible = true;
    }
}

void tables::clear_table() {
    for (std::int16_t seat = 1; seat <= kSeats; ++seat) chips_player_hide(seat);
    for (int n = 12; n <= 36; ++n) design_.picture[n].visible = false;
}

}  // namespace kestrin
