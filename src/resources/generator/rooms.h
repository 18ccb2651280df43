#pragma once

#include <QImage>

// The three room pictures behind the table (1024 x 768, true colour here;
// reduced to 256 colours when saved). The table top and the seats cover the
// middle (about x 70..770, y 258..640), so the detail sits near the edges.
namespace kestrin::artgen {

inline constexpr int kRoomWidth = 1024;
inline constexpr int kRoomHeight = 768;

QImage drawCardRoom();     // 102: warm wood-panelled card room with lamps and a fire
QImage drawCasinoHall();   // 103: dark hall, chandeliers, patterned carpet
QImage drawNightTerrace(); // 104: a roof terrace at night over the city

}  // namespace kestrin::artgen
