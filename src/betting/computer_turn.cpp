// A computer seat's turn: the handler of its turn picture's focus.
#include <cmath>

#include "betting/seats.h"
#include "platform/numtext.h"
#include "table/field_rules.h"
#include "table/tables.h"

namespace kestrin {

void tables::computer_player_turn(int s) {
    TableState& t = state;
    PlayerRecord& p = t.players[s];
    note_turn(s);

    folder_value();
    // Seat 3 clears the message line, but never the end of the tournament.
    if (s == 3 && t.closer != 1) Label24.visible = false;

    if (opponents_all_folded(s) && !t.gameover) {
        win_by_folds(s);
        roundtimer.setEnabled(false);
        if (s == 10) bet_panel_hide();
        evaluate_winner();
    }

    // A turn hands the turn on at most once: seat 10's small blind that
    // empties its stack must not also open the user's turn.
    bool handedOn = false;
    const bool blindsDue = !t.postblinds && !t.gameover && p.Active && field.players_out <= kFinalTable;
    if (blindsDue && t.players[seat_before(s)].dealer == 1) {
        p.bet = t.limits;
        pay_bet(s, BetForm::Blind);
        Command4_Click();
        turnPicture[next_seat(s)].setFocus();
        handedOn = true;
    }
    if (blindsDue && t.players[seat_before(s, 2)].dealer == 1) {
        p.bet = 2 * t.limits;
        pay_bet(s, BetForm::Blind);
        Command4_Click();
    }

    light_seat(s, true);
    if (s == 2) light_seat(1, false);

    if (p.sittingout && p.dealer == 1) {
        Label1.top = firstCard[s].top + 500;
        Label1.left = firstCard[s].left + 500;
        Label1.visible = false;
        firstCard[s].visible = false;
        secondCard[s].visible = false;
    }

    if (!p.Active) p.fold = true;
    if (p.sittingout) p.fold = true;

    if ((p.fold || p.allin) && !t.gameover) {
        street_end_check(s);
        if (!handedOn && !t.gameover) {
            if (s == 10) {
                Command5.visible = true;
                Command5.setFocus();
            } else {
                turnPicture[next_seat(s)].setFocus();
            }
        }
    }

    if (t.postblinds && !t.gameover && p.Active && !p.fold && !p.sittingout) computer_player_decide(s);

    close_without_raise(s);
    t.focuser = static_cast<std::int16_t>(s);
    Command4_Click();
}

void tables::folder_value() {
    app().reseedFromClock();
    const float r = app().random().next();
    state.folder = static_cast<std::int16_t>(std::floor(static_cast<double>(r) * 3.0 + 1.0));
}

void tables::computer_player_decide(int s) {
    TableState& t = state;
    PlayerRecord& p = t.players[s];
    if (!t.postblinds || !p.Active || p.fold || p.sittingout || t.gameover) return;

    const ComputerStyle& style = kComputerStyles[static_cast<std::size_t>(s)];
    const std::int16_t h = p.handrank;
    const std::int32_t owed = amount_owed(s);
    const bool beforeRiver = t.folder >= 1 && t.folder <= 3 && !t.postflop3;

    auto bet_or_call = [&](double divisor) {
        if (another_can_act(s)) {
            p.bet = plat::sat32(plat::roundHalfEven(owed + p.prize / divisor));
            count_raise(s);
            pay_bet(s);
        } else {
            p.bet = style.callsWhenAlone ? owed : 0;
            pay_bet(s);
        }
    };

    const bool foldsOnStreet = (t.folder == 1 && t.postflop1) || (t.folder == 2 && t.postflop2) ||
                               (t.folder == 3 && t.postflop3);
    if (h == 1) {
        bet_or_call(style.topDivisor);
    } else if (h >= 2 && h <= 4 && beforeRiver) {
        bet_or_call(style.middleDivisor);
    } else if (h >= 5 || (h >= 2 && foldsOnStreet)) {
        p.fold = true;
        firstCard[s].visible = false;
        secondCard[s].visible = false;
        show_stack(s);
    } else {
        show_stack(s);
    }
    street_end_check(s);
}

}  // namespace kestrin
