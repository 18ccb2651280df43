// Which controls of the table window belong to which seat, and where they
// stand (left, top in twips). Seat 1 is the user.
#pragma once

#include <array>

#include "platform/basics.h"
#include "table/player_record.h"

namespace kestrin {

// A control of the table window by its number (Picture12 is 12, Label3 is 3,
// chiplabel1 is 1, Shape7 is 7) and its design place.
struct PlacedControl {
    int number;
    plat::Twips left;
    plat::Twips top;
};

struct SeatControlsDesign {
    PlacedControl turn;        // PictureN: the seat's turn control, highlighted on its turn
    PlacedControl firstCard;   // PictureN: the first hole card; the dealer button sits on it
    PlacedControl secondCard;  // PictureN
    PlacedControl name;        // LabelN
    PlacedControl stack;       // LabelN
    PlacedControl bet;         // chiplabelN
    PlacedControl outline;     // ShapeN, the seat's frame
};

inline constexpr std::array<SeatControlsDesign, kSeats> kSeatMap = {{
    {{2, 5160, 7752}, {12, 5244, 6852}, {13, 4764, 6852}, {3, 4872, 8148}, {13, 5220, 7932}, {1, 5064, 6636}, {7, 4524, 7272}},
    {{3, 2916, 7932}, {14, 3516, 6660}, {15, 3036, 6660}, {4, 2700, 8052}, {14, 2988, 7692}, {2, 3456, 6468}, {6, 2352, 7152}},
    {{4, 768, 6420}, {16, 1860, 5736}, {17, 1380, 5736}, {5, 528, 7008}, {15, 888, 6624}, {3, 2412, 5964}, {5, 300, 6072}},
    {{5, 816, 4248}, {18, 1956, 4248}, {19, 1476, 4248}, {6, 864, 3528}, {16, 864, 3996}, {4, 2424, 5076}, {4, 396, 3432}},
    {{6, 2640, 3216}, {20, 3468, 3444}, {21, 2988, 3444}, {7, 2484, 2592}, {17, 2988, 2952}, {5, 3408, 4296}, {3, 2328, 2484}},
    {{7, 5328, 2928}, {22, 5376, 3216}, {23, 4872, 3216}, {8, 4692, 2436}, {18, 5364, 2700}, {6, 5280, 4152}, {2, 4644, 2328}},
    {{8, 7752, 3480}, {24, 7056, 3660}, {25, 6588, 3660}, {9, 7128, 2892}, {19, 7572, 3264}, {7, 6444, 4428}, {11, 6768, 2748}},
    {{9, 9252, 4848}, {26, 8328, 4596}, {27, 7848, 4596}, {10, 8904, 4128}, {20, 9180, 4656}, {8, 7548, 5232}, {10, 8316, 3900}},
    {{10, 9120, 6048}, {28, 8100, 5760}, {29, 7620, 5760}, {11, 8580, 6684}, {21, 9132, 6300}, {9, 7236, 5856}, {9, 8148, 5748}},
    {{11, 7536, 7368}, {30, 6924, 6456}, {31, 6444, 6456}, {12, 6900, 7800}, {22, 7404, 7464}, {10, 6156, 6264}, {8, 6648, 6828}},
}};

inline constexpr const SeatControlsDesign& seat_design(int seat) {
    return kSeatMap[static_cast<std::size_t>(seat - 1)];
}

inline constexpr bool is_seat(int n) { return n >= 1 && n <= kSeats; }

// The seat after `seat` round the table: 10 is followed by 1.
inline constexpr int next_seat(int seat) { return seat % kSeats + 1; }

}  // namespace kestrin
