// What the hand evaluation works on: the table's variables and records plus
// the captions of the two labels it writes. The table window passes its own
// labels' captions; tests and benchmarks pass plain strings.
#pragma once

#include <string>

#include "table/table_state.h"

namespace kestrin {

struct EvaluationContext {
    TableState& t;
    std::string& label23;      // hidden label whose caption carries each detector's answer
    std::string& winnerlabel;  // the winner line
};

}  // namespace kestrin
