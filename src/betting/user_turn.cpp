// The user's seat: its blinds, its decision turn and the lit seat.
#include "betting/seats.h"
#include "platform/numtext.h"
#include "table/field_rules.h"
#include "table/tables.h"

namespace kestrin {

bool tables::opponents_all_folded(int s) const {
    for (int seat = 1; seat <= kSeats; ++seat)
        if (seat != s && !state.players[seat].fold) return false;
    return true;
}

bool tables::another_can_act(int s) const {
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& p = state.players[seat];
        if (seat != s && !p.fold && !p.allin) return true;
    }
    return false;
}

bool tables::opponents_left() const {
    for (int seat = 2; seat <= kSeats; ++seat)
        if (state.players[seat].Active) return true;
    return false;
}

void tables::light_seat(int s, bool lit) {
    const plat::Colour c = lit ? kSeatLit : kSeatDark;
    outline[s].fillColour = c;
    turnPicture[s].back = c;
}

void tables::win_by_folds(int s) {
    TableState& t = state;
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].handrank = seat == s ? 1 : 7;
    zero_total_bets();
}

void tables::show_win_message() {
    Label24.visible = true;
    Label24.opaque = true;
    Label24.back = 255;
    Label24.fore = 65535;
    Label24.font.points = 14;
    Label24.caption = "Congratulations You Won The Tournament";
    state.closer = 1;
}

void tables::Command5_GotFocus() {
    TableState& t = state;
    PlayerRecord& user = t.players[1];
    note_turn(1);
    roundtimer.setEnabled(false);

    if (!opponents_left()) {
        bet_panel_hide();
        Command2.setFocus();
        roundtimer.setEnabled(false);
        Timer1.setEnabled(false);
        show_win_message();
    }

    if (!another_can_act(1) && amount_owed(1) <= 0) user.bet = 0;

    if (opponents_all_folded(1) && !t.gameover) {
        win_by_folds(1);
        bet_panel_hide();
        roundtimer.setEnabled(false);
        Command2.setFocus();
        evaluate_winner();
    }

    Command5.caption = plat::numText(amount_owed(1));
    Command6.caption = plat::plainText(plat::leadingNumber(Command5.caption) + 2.0 * t.limits);

    if (!t.postblinds) bet_panel_hide();

    // A decided hand or a finished tournament offers nothing to bet on.
    if (!user.sittingout && !user.fold && !t.gameover && t.closer != 1) {
        light_seat(1, true);
        set_bet_panel(true);
        const bool check = plat::leadingNumber(Command5.caption) <= 0;
        Command7.visible = check;
        Command5.visible = !check;
        // "Check" takes the focus from the "Call" it stands in for, so the
        // keys act on the panel and not on "Exit".
        if (check && user.Active && !user.allin) Command7.setFocus();
    }

    if (!user.Active || user.sittingout) user.fold = true;

    if (user.fold || user.allin) {
        street_end_check(1);
        bet_panel_hide();
        if (!t.gameover) {
            t.focuser = 1;
            roundtimer.setEnabled(true);
        }
    }
}

void tables::Command5_LostFocus() { light_seat(1, false); }

void tables::Picture2_GotFocus() {
    TableState& t = state;
    PlayerRecord& user = t.players[1];
    const bool blindsDue = !t.postblinds && !t.gameover && user.Active && field.players_out <= kFinalTable;
    if (blindsDue && t.players[10].dealer == 1) {
        user.bet = t.limits;
        pay_bet(1, BetForm::Blind);
        Command4_Click();
        Picture3.setFocus();
    }
    if (blindsDue && t.players[9].dealer == 1) {
        user.bet = 2 * t.limits;
        pay_bet(1, BetForm::Blind);
        t.postblinds = true;
        Command4_Click();
        Picture3.setFocus();
    }
    if (!user.sittingout) light_seat(1, true);
    if (user.sittingout && user.dealer == 1) {
        Label1.top = Picture12.top + 500;
        Label1.left = Picture12.left + 500;
        Label1.visible = false;
        Picture12.visible = false;
        Picture13.visible = false;
    }
}

void tables::Picture2_LostFocus() {
    light_seat(1, false);
    bet_panel_hide();
}

}  // namespace kestrin
