#pragma once

#include <cstddef>

// Filled in by the generated art_data.cpp: entry i holds resource 101 + i.
namespace kestrin::art::detail {

inline constexpr int kResourceCount = 4;
extern const char* const kPngData[kResourceCount];
extern const std::size_t kPngSize[kResourceCount];

}  // namespace kestrin::art::detail
