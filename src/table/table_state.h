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
    std::array<float, 10> potchiptop{};
    std::array<std::int16_t, 10> potchipleft{};
};

// The simulated field's counters live for the whole run, outside the window.
struct FieldCounters {
    std::int16_t players_out = 0;
    std::int32_t chips_out = 0;
};

}  // namespace kestrin
