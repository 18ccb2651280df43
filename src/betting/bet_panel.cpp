// The user's bet panel, hidden whenever the user must not act.
#include "table/tables.h"

namespace kestrin {

void tables::bet_panel_hide() {
    Command5.visible = false;
    Command6.visible = false;
    Command7.visible = false;
    Command8.visible = false;
    Command11.visible = false;
    Text2.visible = false;
    Shape12.visible = false;
    Text2.text.clear();
}

}  // namespace kestrin
