// Places 1 to 5 from the ten hand scores, the count of seats in first place
// and the winner line.
#pragma once

#include <array>
#include <cstdint>

#include "evaluation/evaluation_context.h"

namespace kestrin {

// winner[k - 1] is seat k's score. Equal scores share a place: 1 for the
// highest, 2 to 4 for the next three distinct scores, 5 for every seat whose
// place is still 0. Adds the seats in first place to numberofwinners (the
// caller zeroes it) and writes "name handvalue" of the highest-numbered of
// them into the winner line.
void evaluate_ultimate_winner(EvaluationContext& ctx, const std::array<std::int16_t, kSeats>& winner);

}  // namespace kestrin
