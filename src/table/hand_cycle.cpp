// The hand cycle: the first hand, the first turn of every hand, and between
// hands the next-hand timer and the next deal.
#include <algorithm>

#include "platform/numtext.h"
#include "table/field_rules.h"
#include "table/hand_resets.h"
#include "table/seat_map.h"
#include "table/tables.h"

namespace kestrin {

void tables::first_game() {
    winnerlabel.caption.assign(1, ' ');  // one blank; a literal trips a false GCC 12 warning
    state.currentbet = 0;
    clear_table();
    dealfirst();
    // The first hand is dealt from the deck of the draw for the button.
    if (state.tossdone == 0) toss();
    bet_panel_hide();
    Timer1.setEnabled(false);
    distribute_cards_for_10();
    evaluate_player_cards();
    show_hole_cards();
    blinds_bet();
    Command4_Click();
}

// The seat after the button takes the first turn: its turn control gets the
// focus, whose handler posts the blinds.
void tables::blinds_bet() {
    start_orbit();
    for (int seat = 1; seat <= kSeats; ++seat)
        if (state.players[seat].dealer == 1) turnPicture[next_seat(seat)].setFocus();
}

void tables::Command1_Click() { Timer1.setEnabled(true); }

void tables::Timer1_Timer() {
    if (state.closer == 1) {
        app().end();
        return;
    }
    if (state.closer != 0) return;
    clear_table();
    bet_panel_hide();
    new_deal();
}

// The user's sit-out choice takes effect, empty seats are kept out of play,
// and a user who sits out on the button pays twice the limits to no pot.
void tables::seat_the_players() {
    TableState& t = state;
    PlayerRecord& user = t.players[1];
    // From the final table on the user is always dealt in.
    const std::int16_t sitter = field.players_out < kFinalTable ? t.sitter : std::int16_t{0};
    if (sitter == 1 || sitter == 0) {
        user.sittingout = sitter == 1;
        Picture12.visible = !user.sittingout;
        Picture13.visible = !user.sittingout;
    }
    for (int seat = 2; seat <= kSeats; ++seat) {
        if (t.players[seat].Active) continue;
        t.players[seat].sittingout = true;
        firstCard[seat].visible = false;
        secondCard[seat].visible = false;
    }
    if (user.sittingout && user.dealer == 1 && user.Active) {
        const std::int32_t charge = std::min(user.prize, 2 * t.limits);
        if (charge > 0) {
            user.prize -= charge;
            field.chips_charged += charge;
        }
        show_stack(1);
    }
}

void tables::new_deal() {
    TableState& t = state;
    refresh();
    run_field_steps();
    for (int seat = 1; seat <= kSeats; ++seat) stackLabel[seat].caption = plat::numText(t.players[seat].prize);
    seat_the_players();

    winnerlabel.caption.assign(1, ' ');  // one blank; a literal trips a false GCC 12 warning
    t.numberofwinners = 0;
    t.raiservalue = 0;
    t.currentbet = 0;
    winnerlabel.visible = false;
    zero_total_bets();
    remove_folds(t);
    t.pot = 0;
    t.sidepot = 0;
    t.flopshower = t.flopshower1 = t.flopshower2 = t.flopshower3 = 0;
    t.folder = 0;
    t.raiser = false;
    t.gameover = false;
    t.postblinds = t.postflop1 = t.postflop2 = t.postflop3 = false;

    bet_panel_hide();
    Timer1.setEnabled(false);
    dealfirst();
    next_dealer();
    // The button passes over empty seats; testing in rising order crosses a
    // run of them in one deal (seat 1, the user's, is never empty).
    for (int seat = 2; seat <= kSeats; ++seat)
        if (!t.players[seat].Active && t.players[seat].dealer == 1) next_dealer();
    if (field.players_out > kFinalTable) take_antes();

    distribute_cards_for_10();
    evaluate_player_cards();
    show_hole_cards();
    blinds_bet();
    Command4_Click();
}

}  // namespace kestrin
