#pragma once

#include <QImage>

namespace kestrin::artgen {

inline constexpr int kCellWidth = 40;
inline constexpr int kCellHeight = 56;
inline constexpr int kSheetColumns = 18;
inline constexpr int kSheetRows = 4;
inline constexpr int kSheetWidth = 722;   // the 2 px past the last column and row are spare
inline constexpr int kSheetHeight = 226;

// The whole card sheet: backs in cells 0, 53, 54, 55, faces in cells 1 to 52
// by card number, white elsewhere.
QImage drawCardSheet();

}  // namespace kestrin::artgen
