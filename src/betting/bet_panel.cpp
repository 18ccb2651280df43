// The user's bet panel: shown at the user's turn, hidden whenever the user
// must not act.
#include <algorithm>

#include "table/tables.h"

namespace kestrin {

std::array<plat::Control*, 7> tables::bet_panel() const {
    return {&Command5, &Command6, &Command7, &Command8, &Command11, &Text2, &Shape12};
}

void tables::set_bet_panel(bool shown) {
    for (plat::Control* c : bet_panel()) c->visible = shown;
}

bool tables::on_open_bet_panel(const plat::Control* c) const {
    const auto panel = bet_panel();
    return c && c->shown() && std::find(panel.begin(), panel.end(), c) != panel.end();
}

void tables::bet_panel_hide() {
    set_bet_panel(false);
    Text2.text.clear();
}

}  // namespace kestrin
