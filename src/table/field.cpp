// The rest of the tournament's 1000 players, simulated between hands: players
// drop out elsewhere, busted opponents at this table are replaced until the
// final table forms, and from then on busted seats stay empty and every
// player still in pays an ante before each hand.
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/numtext.h"
#include "table/field_rules.h"
#include "table/table_texts.h"
#include "table/tables.h"

namespace kestrin {

namespace {

constexpr std::int32_t kChipsPerPlayer = 1000;

}  // namespace

// One more player out. The count stops at the largest 16-bit value: at the
// final table an empty seat is counted again at every deal.
void tables::count_out() {
    if (field.players_out < std::numeric_limits<std::int16_t>::max()) ++field.players_out;
}

// Players drop out elsewhere: 3 to 7 a deal while the field is large, one a
// deal in the last places. Returns the stack that a newcomer at this table
// brings: the chips out shared among the players out but two.
std::int32_t tables::eliminate_players() {
    FieldCounters& f = field;
    int step = 0;
    if (f.players_out < kLastPlaces) {
        step = static_cast<int>(std::floor(static_cast<double>(app().random().next()) * 5 + 3));
    } else if (f.players_out <= kFinalTable) {
        step = 1;
    }
    f.players_out = static_cast<std::int16_t>(f.players_out + step);
    f.chips_out += step * kChipsPerPlayer;
    return plat::sat32(plat::roundHalfEven(static_cast<double>(f.chips_out) / (f.players_out - 2)));
}

std::string tables::random_name_word() {
    app().reseedFromClock();
    const auto n = static_cast<std::size_t>(std::floor(static_cast<double>(app().random().next()) * 25 + 1));
    return std::string(kNameWords[std::min(n, kNameWords.size()) - 1]);
}

// A newcomer takes over the seat's record with a made-up name and a stack.
void tables::reseat(int seat, std::int32_t stack) {
    PlayerRecord& p = state.players[seat];
    const std::string w1 = random_name_word();
    const std::string w2 = random_name_word();
    const std::string w3 = random_name_word();
    p.caption = w1 + " " + w2 + " " + w3;
    field.chips_seated += stack - p.prize;
    p.prize = stack;
    nameLabel[seat].caption = p.caption;
    stackLabel[seat].caption = plat::numText(p.prize);
    Label24.visible = true;
    Label24.caption = std::string(kArrangingTables);
}

// The field's steps before a deal, each on the count as the step before left it.
void tables::run_field_steps() {
    std::int32_t reseatStack = 0;
    if (field.players_out < kFinalTable) {
        reseatStack = eliminate_players();
        Label2.visible = true;
        Label2.caption = players_remaining_line(kFieldSize - field.players_out);
    }
    if (field.players_out == kFinalTable) {
        // The final table stands. A player busted at it now is replaced once
        // more, by the one who holds every chip from elsewhere, and counted.
        state.players[1].sittingout = false;
        for (int seat = 2; seat <= kSeats; ++seat) {
            if (state.players[seat].prize >= 1) continue;
            reseat(seat, field.chips_out);
            count_out();
        }
    }
    if (field.players_out < kFinalTable) {
        for (int seat = 2; seat <= kSeats; ++seat)
            if (state.players[seat].prize < 1) reseat(seat, reseatStack);
    }
    if (field.players_out > kFinalTable) {
        state.players[1].sittingout = false;
        for (int seat = 2; seat <= kSeats; ++seat) {
            PlayerRecord& p = state.players[seat];
            if (p.prize >= 1) continue;
            p.Active = false;
            p.sittingout = true;
            nameLabel[seat].visible = false;
            stackLabel[seat].visible = false;
            count_out();
        }
    }
}

// Every player still in pays the ante, at most the whole stack; the pot
// takes exactly what was paid.
void tables::take_antes() {
    TableState& t = state;
    for (std::int16_t seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& p = t.players[seat];
        if (!p.Active) continue;
        const std::int32_t ante = p.prize > 0 ? std::min(t.limits, p.prize) : 0;
        p.prize -= ante;
        t.pot += ante;
        t.currentbet = t.limits;
        show_stack(seat);
        chips_player_show(ante, seat);
    }
}

}  // namespace kestrin
