#include "betting/chip_layout.h"

namespace kestrin {

namespace {

constexpr plat::Twips kW = 240;  // most chips are 240 x 168 twips
constexpr plat::Twips kH = 168;
constexpr int kBorder = 3;

constexpr ChipDesign chip(plat::Twips left, plat::Twips top, ChipLook look) {
    return {left, top, kW, kH, look, kBorder};
}
constexpr ChipDesign chip(plat::Twips left, plat::Twips top, plat::Twips w, plat::Twips h, ChipLook look,
                          int border = kBorder) {
    return {left, top, w, h, look, border};
}

constexpr ChipLook Y = ChipLook::Yellow;
constexpr ChipLook S = ChipLook::Salmon;
constexpr ChipLook O = ChipLook::Orange;
constexpr ChipLook B = ChipLook::Blue;
constexpr ChipLook W = ChipLook::White;

constexpr std::array<ChipDesign, kChips> kDesigns = {{
    // seat 1
    chip(5148, 6516, 168, 192, Y), chip(4968, 6552, Y), chip(4944, 6648, 168, 168, Y, 2),
    chip(4992, 6696, Y), chip(4968, 6552, Y), chip(5100, 6672, S),
    // seat 2
    chip(3456, 6432, Y), chip(3444, 6360, 228, 168, Y), chip(3540, 6396, S), chip(3492, 6504, Y),
    chip(3420, 6420, Y), chip(3372, 6456, Y),
    // seat 3
    chip(2532, 5952, Y), chip(2496, 5892, Y), chip(2436, 6036, Y), chip(2436, 5964, S), chip(2400, 5880, Y),
    chip(2340, 5964, Y),
    // seat 4
    chip(2472, 5004, Y), chip(2292, 5100, Y), chip(2520, 5088, Y), chip(2436, 5100, Y), chip(2412, 5136, S),
    chip(2328, 4992, Y),
    // seat 5
    chip(3468, 4332, Y), chip(3480, 4248, Y), chip(3324, 4332, Y), chip(3240, 4260, S), chip(3396, 4176, Y),
    chip(3336, 4236, Y),
    // seat 6
    chip(5256, 4212, Y), chip(5352, 4164, Y), chip(5136, 4188, Y), chip(5364, 4092, Y), chip(5136, 4104, S),
    chip(5208, 4056, Y),
    // seat 7
    chip(6324, 4452, Y), chip(6300, 4320, Y), chip(6432, 4464, Y), chip(6420, 4356, Y), chip(6324, 4368, Y),
    chip(6492, 4404, S),
    // seat 8
    chip(7380, 5208, Y), chip(7488, 5100, Y), chip(7488, 5196, Y), chip(7452, 5196, S), chip(7572, 5148, S),
    chip(7500, 5256, Y),
    // seat 9
    chip(7224, 5904, S), chip(7308, 5808, Y), chip(7272, 5724, S), chip(7152, 5724, Y), chip(7116, 5844, S),
    chip(7200, 5796, Y),
    // seat 10
    chip(6216, 6264, Y), chip(6000, 6288, Y), chip(6084, 6324, Y), chip(6132, 6264, Y), chip(6192, 6168, S),
    chip(6036, 6204, Y),
    // the flop pile, 60 to 75
    chip(4476, 5640, B), chip(4956, 5784, O), chip(4824, 5736, O), chip(4404, 5976, Y), chip(5172, 5676, O),
    chip(5112, 5664, Y), chip(5016, 5640, O), chip(4608, 5940, Y), chip(4332, 5892, O), chip(4596, 5844, O),
    chip(4404, 5796, O), chip(4308, 5724, Y), chip(4488, 5652, O), chip(4668, 5640, Y), chip(4932, 5640, B),
    chip(4488, 5856, Y),
    // the turn pile, 76 to 83
    chip(4812, 5844, O), chip(4824, 5844, B), chip(4740, 5868, W), chip(4668, 5892, O), chip(4440, 5796, O),
    chip(4908, 5772, 300, 168, O), chip(4272, 5772, O), chip(4704, 5832, B),
    // the river pile, 84 to 90
    chip(5088, 5820, O), chip(4500, 5928, O), chip(4788, 5640, O), chip(4332, 5640, O), chip(4908, 5904, Y),
    chip(4848, 5772, O), chip(4812, 5940, O),
}};

using Fill = plat::Shape::Fill;
constexpr ChipPaint kPaints[] = {
    {0x00FFFF, Fill::Solid, 0x00FFFF},          // yellow
    {0xFFFF80, Fill::DiagonalCross, 0x8080FF},  // light cyan hatched salmon
    {0xC0C0C0, Fill::DiagonalCross, 0x0080FF},  // silver hatched orange
    {0xFFFFFF, Fill::Cross, 0xFF0000},          // white crossed blue
    {0x0000C0, Fill::DiagonalCross, 0xFFFFFF},  // dark red hatched white
};

}  // namespace

const std::array<ChipDesign, kChips>& chip_designs() { return kDesigns; }

const ChipPaint& chip_paint(ChipLook look) { return kPaints[static_cast<std::size_t>(look)]; }

}  // namespace kestrin
