// Per-seat constants of the betting, and seat arithmetic round the table.
#pragma once

#include <array>

#include "table/seat_map.h"

namespace kestrin {

// The seat k places before `seat`, wrapping: one before seat 1 is seat 10.
inline constexpr int seat_before(int seat, int k = 1) { return ((seat - 1 - k) % kSeats + kSeats) % kSeats + 1; }

// How a computer seat raises: owed + stack / divisor, by its place; and
// what it does at places 1 to 4 when no other seat can act.
struct ComputerStyle {
    double topDivisor;     // place 1
    double middleDivisor;  // places 2 to 4
    bool callsWhenAlone;   // otherwise it checks, even when it owes chips
};

inline constexpr std::array<ComputerStyle, kSeats + 1> kComputerStyles = {{
    {0, 0, false},  // no seat 0
    {0, 0, false},  // the user
    {10.0, 20.0, true},
    {10.0, 25.0, true},
    {10.0, 20.0, true},
    {20.0, 25.0, false},
    {10.0, 20.0, false},
    {25.0, 40.0, false},
    {10.0, 20.0, false},
    {10.0, 25.0, false},
    {10.0, 10.0, false},
}};

inline constexpr plat::Colour kSeatLit = 0x80FFFF;
inline constexpr plat::Colour kSeatDark = 0x000080;

}  // namespace kestrin
