// The user's actions on the bet panel.
#include <cmath>

#include "platform/numtext.h"
#include "table/tables.h"

namespace kestrin {

namespace {
constexpr int kEnter = 13;
}

// After a call, check or fold with every opponent folded the user holds
// first place; the user's next turn then takes the pot.
void tables::mark_others_folded() {
    if (opponents_all_folded(1)) state.players[1].handrank = 1;
}

void tables::hand_on_from_user() {
    if (state.gameover) return;
    state.focuser = 1;
    roundtimer.setEnabled(true);
}

// The end of a call or a check: the street may close on the user.
void tables::end_call_or_check() {
    bet_panel_hide();
    street_end_check(1);
    mark_others_folded();
    hand_on_from_user();
    if (!state.raiser) close_without_raise(1);
}

void tables::Command5_Click() {
    TableState& t = state;
    if (t.gameover) return bet_panel_hide();  // a decided hand moves no chips
    t.players[1].bet = amount_owed(1);
    pay_bet(1);
    end_call_or_check();
}

void tables::Command6_Click() {
    TableState& t = state;
    if (t.gameover) return bet_panel_hide();
    t.players[1].bet = plat::sat32(static_cast<double>(amount_owed(1)) + 2.0 * t.limits);
    pay_bet(1);
    bet_panel_hide();
    hand_on_from_user();
    count_raise(1);
}

// The typed amount counts only when the whole text is a number that is at
// least both amounts on the panel.
bool tables::typed_amount_accepted() const {
    const std::string& text = Text2.text;
    if (!plat::isNumber(text)) return false;
    const double typed = plat::leadingNumber(text);
    return plat::leadingNumber(Command5.caption) <= typed && plat::leadingNumber(Command6.caption) <= typed;
}

void tables::bet_typed_amount() {
    TableState& t = state;
    const double typed = std::fabs(plat::roundHalfEven(plat::leadingNumber(Text2.text)));
    // Huge amounts saturate; paying caps them at the stack (all in).
    t.players[1].bet = plat::sat32(static_cast<double>(amount_owed(1)) + typed);
    pay_bet(1);
    bet_panel_hide();
    hand_on_from_user();
    count_raise(1);
}

void tables::Command11_Click() {
    if (state.gameover) return bet_panel_hide();
    if (typed_amount_accepted()) bet_typed_amount();
}

// Enter in the amount box is "Bet It"; the character itself goes on.
void tables::Text2_KeyPress(int& KeyAscii) {
    if (KeyAscii == kEnter) Command11_Click();
}

void tables::Command7_Click() {
    if (state.gameover) return bet_panel_hide();
    show_stack(1);
    end_call_or_check();
}

void tables::Command8_Click() {
    TableState& t = state;
    if (t.gameover) return bet_panel_hide();
    show_stack(1);
    bet_panel_hide();
    Picture12.visible = false;
    Picture13.visible = false;
    t.players[1].fold = true;
    street_end_check(1);
    mark_others_folded();
    if (!t.gameover) roundtimer.setEnabled(true);
    if (!t.raiser) close_without_raise(1);
    t.focuser = 1;
}

// Leaving "Raise", "Check" or "Fold" without using it (Tab, a click into
// the amount box) ends the lit seat. The clock restarts only when the focus
// leaves the open panel: within it the user is still deciding, and the
// clock's tick would take the focus back mid-amount.
void tables::action_lost_focus() {
    light_seat(1, false);
    if (!on_open_bet_panel(owner())) Command4_Click();
}

}  // namespace kestrin
