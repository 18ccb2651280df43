// Units and small value types shared by the whole model.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

using Twips = std::int32_t;    // 1/1440 inch; positions and sizes of controls
using Colour = std::uint32_t;  // 0x00BBGGRR: red in the low byte
using Ms = std::int64_t;       // model time in milliseconds

// The layout is laid out at 12 twips to the logical pixel; the front end
// scales logical pixels to the window and the screen.
inline constexpr Twips kTwipsPerPixel = 12;
inline constexpr int kTwipsPerPoint = 20;

inline constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
inline constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr Colour kButtonFace = rgb(224, 224, 224);
inline constexpr Colour kWindowText = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

struct Font {
    std::string family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

}  // namespace plat
