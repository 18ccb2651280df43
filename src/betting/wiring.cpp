// Connects the betting's handlers to the table window's controls.
#include "table/tables.h"

namespace kestrin {

void tables::connect_betting() {
    for (int s = 2; s <= kSeats; ++s) {
        turnPicture[s].onGotFocus = [this, s] { computer_player_turn(s); };
        turnPicture[s].onLostFocus = [this, s] { light_seat(s, false); };
    }
    Picture2.onGotFocus = [this] { Picture2_GotFocus(); };
    Picture2.onLostFocus = [this] { Picture2_LostFocus(); };
    Command5.onGotFocus = [this] { Command5_GotFocus(); };
    Command5.onLostFocus = [this] { Command5_LostFocus(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    Command8.onClick = [this] { Command8_Click(); };
    Command11.onClick = [this] { Command11_Click(); };
    for (plat::CommandButton* b : {&Command6, &Command7, &Command8}) b->onLostFocus = [this] { action_lost_focus(); };
    // On a turn that offers "Check" the seat stays lit while "Check" has the focus.
    Command7.onGotFocus = [this] { light_seat(1, true); };
    Text2.onKeyPress = [this](int& ch) { Text2_KeyPress(ch); };
    roundtimer.onTimer = [this] { roundtimer_Timer(); };
}

}  // namespace kestrin
