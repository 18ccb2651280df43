// The pattern detectors of the hand classification. Each takes a seat's
// seven card texts (two hole cards, then the five board cards) and answers
// through ctx.label23, overwriting it only when it finds its pattern, so the
// caller's blank stays when nothing is found.
#pragma once

#include <cstdint>
#include <string_view>

#include "evaluation/evaluation_context.h"

namespace kestrin {

// "Top " and the higher hole rank; the board plays no part.
void evaluate_hand_tops(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                        std::string_view cards3, std::string_view cards4, std::string_view cards5,
                        std::string_view cards6, std::string_view cards7);

// Board pattern word into ctx.t.flopvalue (left alone when none is seen).
void evaluate_flop_value(EvaluationContext& ctx, std::string_view cards3, std::string_view cards4,
                         std::string_view cards5, std::string_view cards6, std::string_view cards7);

// Pair, two pair, three of a kind, full house or four of a kind of a hole
// rank; reads the board word that evaluate_flop_value just left.
void evaluate_hand_kinds(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                         std::string_view cards3, std::string_view cards4, std::string_view cards5,
                         std::string_view cards6, std::string_view cards7);

// The highest straight, ace low or high, that takes in a hole card's rank;
// also kept in ctx.t.st.
void evaluate_hand_straight(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                            std::string_view cards3, std::string_view cards4, std::string_view cards5,
                            std::string_view cards6, std::string_view cards7);

// Five or more of the seven cards in one suit; also kept in ctx.t.fl.
void evaluate_hand_flush(EvaluationContext& ctx, std::string_view cards1, std::string_view cards2,
                         std::string_view cards3, std::string_view cards4, std::string_view cards5,
                         std::string_view cards6, std::string_view cards7);

// Straight-flush and royal-flush texts of one seat, made from the straight
// and flush texts already stored in its record. Seats outside 1 to 10 are
// ignored.
void evaluate_hand_royal(TableState& t, std::int16_t player);

}  // namespace kestrin
