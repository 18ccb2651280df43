#pragma once

#include <span>

// The program's pictures, drawn by our own generator at build time and
// linked in as PNG bytes, so the program never reads a file for them.
namespace kestrin::art {

inline constexpr int kCardSheet = 101;   // 722 x 226, 24-bit: 4 rows x 18 cells of 40 x 56
inline constexpr int kFirstRoom = 102;   // 102, 103, 104: 1024 x 768, 8-bit room pictures
inline constexpr int kLastRoom = 104;

// The PNG bytes of resource `id` (101 to 104); an empty span for any other id.
std::span<const unsigned char> resourcePng(int id);

}  // namespace kestrin::art
