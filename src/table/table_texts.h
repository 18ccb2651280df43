// The fixed texts of the table window and the lines built from numbers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "table/player_record.h"

namespace kestrin {

inline constexpr std::string_view kLimitsNotice = "Limits Go Up in Every 10 mins";
inline constexpr std::string_view kArrangingTables = "Please Wait Arranging Tables";
inline constexpr std::string_view kAllIn = "All in";

// The opponents' names at the start, seats 2 to 10.
inline constexpr std::array<std::string_view, kSeats - 1> kOpponentNames = {
    "boulder man", "river rat",       "bad beat luck", "poker man",  "chips chips",
    "rotten kid",  "juggle card man", "texas route",   "kestrin kid"};

// A newcomer's name is three of these words.
inline constexpr std::array<std::string_view, 25> kNameWords = {
    "poker",   "heart", "boulder", "blonde", "chips",  "bad",     "zzzzzz",     "texas",    "freak",
    "mad",     "luck",  "loving",  "player", "sloppy", "winner",  "kid",        "bang",     "river",
    "riverbelle", "charming", "kestrin", "_", "california", "south", "smiling"};

// "Limits   " 10 "  -  " 20, each number with its leading blank.
std::string limits_line(std::int32_t limits);

// "Players " 995 " Remaining in the Tournament", for the count still in.
std::string players_remaining_line(std::int32_t remaining);

// "Your Finished With " 400 " Players Still in Tournament", for the count
// still in when the user goes out.
std::string finishing_line(std::int32_t still_in);

// A stack as a stack label shows it: the number, or "All in" below 1 chip.
std::string stack_text(std::int32_t prize);

}  // namespace kestrin
