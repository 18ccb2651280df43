// Minimal UTF-8 helpers for typed text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plat::utf8 {

// Invalid bytes decode as U+FFFD.
std::vector<char32_t> decode(std::string_view s);
void append(std::string& s, char32_t cp);
// Removes the last whole character.
void popBack(std::string& s);

}  // namespace plat::utf8
