#include "table/hand_resets.h"

namespace kestrin {

void class_set_to_zero(TableState& t) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& p = t.players[seat];
        p.handrank = 0;
        p.handnumber = 0;
        p.handvalue.clear();
        p.handvaluetops.clear();
        p.handvaluepair.clear();
        p.handvaluetwok.clear();
        p.handvaluethreek.clear();
        p.handvaluestraight.clear();
        p.handvalueflush.clear();
        p.handvaluefullhouse.clear();
        p.handvaluefourk.clear();
        p.handvaluesflush.clear();
        p.handvaluerflush.clear();
    }
    t.flopvalue.clear();
}

void remove_folds(TableState& t) {
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].fold = false;
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].allin = false;
}

}  // namespace kestrin
