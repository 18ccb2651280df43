// Street accounting: every payment, the raise count, the closing seats and
// the end of each street, written once with the acting seat as argument.
#include <algorithm>

#include "betting/seats.h"
#include "platform/numtext.h"
#include "table/tables.h"

namespace kestrin {

void tables::zero_total_bets() {
    for (int seat = 1; seat <= kSeats; ++seat) state.players[seat].bet = 0;
    for (int seat = 1; seat <= kSeats; ++seat) state.players[seat].totalbet = 0;
    state.currentbet = 0;
}

std::int32_t tables::amount_owed(int s) const {
    // Never below 0: a seat is never paid back for a short blind.
    return std::max(0, state.currentbet - state.players[s].totalbet);
}

void tables::pay_bet(int s, BetForm form) {
    TableState& t = state;
    PlayerRecord& p = t.players[s];
    // A payment lies between nothing and the whole stack.
    p.bet = std::clamp(p.bet, 0, std::max(p.prize, 0));
    p.totalbet += p.bet;
    p.prize -= p.bet;
    show_stack(s);
    // A blind smaller than the current bet (a short stack) never lowers it.
    t.currentbet = std::max(t.currentbet, p.totalbet);
    t.pot += p.bet;
    potlabel.caption = plat::numText(t.pot);
    if (form == BetForm::Blind || s == 1 || p.bet != 0) chips_player_show(p.bet, static_cast<std::int16_t>(s));
}

void tables::count_raise(int s) {
    TableState& t = state;
    t.raiser = true;
    if (t.raiservalue >= 4) return;
    const auto closing = static_cast<std::int16_t>(seat_before(s));
    const bool begun[4] = {t.postblinds, t.postflop1, t.postflop2, t.postflop3};
    std::int16_t* shower[4] = {&t.flopshower, &t.flopshower1, &t.flopshower2, &t.flopshower3};
    for (int street = 0; street < 4; ++street) {
        if (!begun[street]) continue;
        t.raiservalue = static_cast<std::int16_t>(t.raiservalue + 1);
        *shower[street] = closing;
    }
}

void tables::close_without_raise(int s) {
    TableState& t = state;
    if (t.raiser) return;
    // Seat s-3 on the button makes seat s-1 the big blind and s the first
    // seat after it.
    if (t.players[seat_before(s, 3)].dealer != 1) return;
    const auto closing = static_cast<std::int16_t>(seat_before(s));
    if (t.postblinds) t.flopshower = closing;
    if (t.postflop1) t.flopshower1 = closing;
    if (t.postflop2) t.flopshower2 = closing;
    if (t.postflop3) t.flopshower3 = closing;
}

void tables::street_end_check(int s) {
    TableState& t = state;
    if (t.gameover) return;  // a decided hand ends no street
    if (t.flopshower == s && t.postblinds) {
        zero_total_bets();
        show_flop1();
    }
    if (t.flopshower1 == s && t.postflop1) {
        zero_total_bets();
        show_flop2();
    }
    if (t.flopshower2 == s && t.postflop2) {
        zero_total_bets();
        show_flop3();
    }
    if (t.flopshower3 == s && t.postflop3) {
        roundtimer.setEnabled(false);
        zero_total_bets();
        bet_panel_hide();
        evaluate_winner();
    }
}

// A street whose closing seat was never set (say the user, first to act
// after the big blind, sits out in an unraised hand) would never end: the
// seat whose turn completes a whole orbit on it closes it.
void tables::note_turn(int s) {
    TableState& t = state;
    if (!t.postblinds || t.gameover) return;
    const int street = t.postflop3 ? 3 : t.postflop2 ? 2 : t.postflop1 ? 1 : 0;
    if (street != orbit_.street) orbit_ = {street, 0, 0};
    // The user's turn opens again when the user clicks "Call" from the
    // amount box or tabs away from a button: still one turn.
    if (s == orbit_.lastSeat) return;
    orbit_.lastSeat = s;
    if (++orbit_.turns < kSeats) return;
    std::int16_t* shower[4] = {&t.flopshower, &t.flopshower1, &t.flopshower2, &t.flopshower3};
    if (*shower[street] == 0) *shower[street] = static_cast<std::int16_t>(s);
}

void tables::start_orbit() { orbit_ = {}; }

}  // namespace kestrin
