// Hand scores: each seat's hand-value texts into `handnumber` (higher is
// better) and `handvalue`, the text of the class that gave the score.
#pragma once

#include "table/player_record.h"
#include "table/table_state.h"

namespace kestrin {

// Scores one seat from its own ten texts. A seat none of whose texts holds
// its class word keeps the score and text it had.
void score_hand(PlayerRecord& p);

// Seats 1 to 5.
void evaluate_hand_value1(TableState& t);

// Seats 6 to 10.
void evaluate_hand_value(TableState& t);

}  // namespace kestrin
