#include "resources/art.h"

#include "resources/art_data.h"

namespace kestrin::art {

std::span<const unsigned char> resourcePng(int id) {
  const int index = id - kCardSheet;
  if (index < 0 || index >= detail::kResourceCount) return {};
  return {reinterpret_cast<const unsigned char*>(detail::kPngData[index]), detail::kPngSize[index]};
}

}  // namespace kestrin::art
