// The two resets of the player records: the evaluation of a deal starts from
// empty hand texts, and every hand after the first from cleared folds.
#pragma once

#include "table/table_state.h"

namespace kestrin {

// Every seat's place, hand score, hand text and hand-value texts to empty
// (not a blank), and the board pattern word; nothing else.
void class_set_to_zero(TableState& t);

// Every seat's fold and all-in flags to false, whatever the seat's state.
void remove_folds(TableState& t);

}  // namespace kestrin
