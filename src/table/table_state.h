// The table window's variables that every subsystem reads and writes, kept
// apart from its controls so that the hand logic can run and be tested
// without a window. Values that the game treats as "empty or a number/flag"
// are plain typed fields: empty reads as 0, false or "".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "table/player_record.h"

namespace kestrin {

struct TableState {
    Players players;

    std::int32_t currentbet = 0;
    std::int32_t pot = 0;
    std::int32_t sidepot = 0;
    std::int16_t level = 1;
    std::int16_t tossdone = 0;
    std::int32_t limits = 10;
    bool postblinds = false;
    bool postflop1 = false;
    bool postflop2 = false;
    bool postflop3 = false;
    bool gameover = false;
    bool raiser = false;

    // Classification scratch: the last flush and straight texts and the
    // seven card texts of the seat being classified.
    std::string fl, st;
    std::string cards1, cards2, cards3, cards4, cards5, cards6, cards7;

    std::int16_t focuser = 0;
    std::int16_t flopshower = 0;
    std::int16_t flopshower1 = 0;
    std::int16_t flopshower2 = 0;
    std::int16_t flopshower3 = 0;
    std::int16_t sitter = 0;
    std::string flopvalue;
    std::int16_t numberofwinners = 0;
    std::int16_t raiservalue = 0;
    std::int16_t closer = 0;
    std::int16_t folder = 0;
    std::int16_t limittimersetting = 300;

    // Private to the table window.
    std::array<std::int16_t, 25> deck{};
    std::int16_t drawncard = 0;
    // The design places of the pot chips that go to a winner (backchips 60
    // to 70), one entry per chip, so each returns to its own place.
    std::array<float, 11> potchiptop{};
    std::array<std::int16_t, 11> potchipleft{};
};

// The simulated field's counters. They live for the whole run, apart from
// the table's per-hand variables (the table window, loaded once a run, holds
// them). players_out only grows; it stops at the largest 16-bit value instead
// of wrapping (an empty seat at the final table is counted at every deal).
struct FieldCounters {
    std::int16_t players_out = 0;
    std::int32_t chips_out = 0;
    // The table's own audit: chips that newcomers brought to the table and
    // chips that sitting out on the button cost, both outside any pot.
    std::int64_t chips_seated = 0;
    std::int64_t chips_charged = 0;
};

}  // namespace kestrin
