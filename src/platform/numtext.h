// How numbers are written into captions and read back from texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

// Decimal with one leading blank for 0 and above, "-" below: " 1000", "-40".
std::string numText(std::int64_t n);
// Decimal without the leading blank; whole values print as digits.
std::string plainText(double v);
// The number a text begins with; blanks anywhere are skipped, reading stops
// at the first character that cannot continue the number, no number gives 0.
// Exponents take E, e, D or d. Too large a value gives an infinity.
double leadingNumber(std::string_view text);
// True when the whole text, blanks around it aside, is exactly one number.
bool isNumber(std::string_view text);
// To the nearest whole number, halves to even.
double roundHalfEven(double v);
// Clamps into 32 bits; NaN gives 0.
std::int32_t sat32(double v);
std::int16_t sat16(std::int64_t v);
// 1-based position of needle in hay, 0 when absent (case-sensitive).
int findText(std::string_view hay, std::string_view needle);

}  // namespace plat
