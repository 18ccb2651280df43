#include "evaluation/card_text.h"
#include "evaluation/detectors.h"

namespace kestrin {

namespace {

// What follows the first occurrence of `word`, or nothing.
std::string_view after(std::string_view text, std::string_view word) {
    const std::size_t pos = text.find(word);
    return pos == std::string_view::npos ? std::string_view{} : text.substr(pos + word.size());
}

}  // namespace

// Works on the stored texts only: any straight together with any flush of
// the same seven cards makes a straight flush, whether or not they share
// cards, and an ace-high straight with any flush a royal flush named by the
// flush's suit. Neither text is cleared when its condition fails.
void evaluate_hand_royal(TableState& t, std::int16_t player) {
    if (player < 1 || player > kSeats) return;
    PlayerRecord& p = t.players[player];
    const bool straight = contains(p.handvaluestraight, "straight");
    const bool flush = contains(p.handvalueflush, "flush");
    if (straight && flush) {
        p.handvaluesflush.assign("straight flush ");
        p.handvaluesflush += after(p.handvaluestraight, "straight ");
    }
    if (flush && contains(p.handvaluestraight, "straight A")) {
        p.handvaluerflush.assign("royal flush ");
        p.handvaluerflush += after(p.handvalueflush, "flush ");
    }
}

}  // namespace kestrin
