// The counts that shape the simulated tournament field.
#pragma once

#include <cstdint>

namespace kestrin {

inline constexpr std::int16_t kFieldSize = 1000;
// Players out when the last ten form the final table: from here on no one
// drops out elsewhere, busted opponents leave their seats empty, antes
// replace the blinds (above it) and the user can no longer sit out.
inline constexpr std::int16_t kFinalTable = 990;
// Players out from which one player a deal drops out elsewhere, not 3 to 7.
inline constexpr std::int16_t kLastPlaces = 900;

}  // namespace kestrin
