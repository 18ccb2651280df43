// The user's bet panel: shown at the user's turn, hidden whenever the user
// must not act.
#include <initializer_list>

#include "table/tables.h"

namespace kestrin {

void tables::set_bet_panel(bool shown) {
    const std::initializer_list<plat::Control*> panel = {&Command5,  &Command6, &Command7, &Command8,
                                                         &Command11, &Text2, &Shape12};
    for (plat::Control* c : panel)
        c->visible = shown;
}

void tables::bet_panel_hide() {
    set_bet_panel(false);
    Text2.text.clear();
}

}  // namespace kestrin
