// Classification of a whole deal: every seat's seven cards into hand-value
// texts, then every seat scored and the ten scores placed.
#pragma once

#include "evaluation/evaluation_context.h"

namespace kestrin {

// Classifies seats 1 to 10 in seat order on the cards the deal gave them,
// whatever their state (folded, sitting out, empty), then scores and places
// them. Expects the hand-value texts emptied for the first run of a deal;
// running it again on the same cards changes nothing.
void evaluate_player_cards(EvaluationContext& ctx);

}  // namespace kestrin
