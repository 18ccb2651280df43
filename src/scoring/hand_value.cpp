#include "scoring/hand_value.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "evaluation/card_text.h"

namespace kestrin {

namespace {

struct HandClass {
    std::string PlayerRecord::*field;
    std::string_view word;
    std::int16_t base;
    bool by_suit;  // flushes are told apart by suit word, every other class by rank
};

// Highest class first: the first whose word is found decides.
constexpr std::array<HandClass, 10> kClasses = {{
    {&PlayerRecord::handvaluerflush, "royal", 1000, true},
    {&PlayerRecord::handvaluesflush, "straight flush", 900, false},
    {&PlayerRecord::handvaluefourk, "Four Kind", 800, false},
    {&PlayerRecord::handvaluefullhouse, "FullHouse", 700, false},
    {&PlayerRecord::handvalueflush, "flush", 600, true},
    {&PlayerRecord::handvaluestraight, "straight", 500, false},
    {&PlayerRecord::handvaluethreek, "Three Kind", 400, false},
    {&PlayerRecord::handvaluetwok, "Two Kind", 300, false},
    {&PlayerRecord::handvaluepair, "Pair", 200, false},
    {&PlayerRecord::handvaluetops, "Top", 100, false},
}};

// Index 1 to 4 of the last suit word (clubs to spades) found, or 0.
int suit_detail(std::string_view rest) {
    int detail = 0;
    for (std::size_t s = 0; s < kSuitWords.size(); ++s) {
        if (contains(rest, kSuitWords[s])) detail = static_cast<int>(s) + 1;
    }
    return detail;
}

void score_seats(TableState& t, int first, int last) {
    for (int seat = first; seat <= last; ++seat) score_hand(t.players[seat]);
}

}  // namespace

// Details are read only after the class word, so the "K" of "Kind" is never
// a king. No kicker or second rank enters the score: hands of one class
// with the same detail tie, and flushes rank by suit (clubs lowest).
void score_hand(PlayerRecord& p) {
    for (const HandClass& c : kClasses) {
        const std::string& text = p.*c.field;
        const std::size_t pos = text.find(c.word);
        if (pos == std::string::npos) continue;

        const std::string_view rest = std::string_view(text).substr(pos + c.word.size());
        const int detail = c.by_suit ? suit_detail(rest) : highest_rank(contained_ranks(rest)) + 1;
        p.handvalue = text;
        p.handnumber = static_cast<std::int16_t>(c.base + detail);
        return;
    }
}

void evaluate_hand_value1(TableState& t) { score_seats(t, 1, 5); }

void evaluate_hand_value(TableState& t) { score_seats(t, 6, kSeats); }

}  // namespace kestrin
