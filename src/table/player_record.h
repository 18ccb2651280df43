// One seat's record: name, stack, cards, betting flags of the hand and the
// classification's hand-value texts. Seats are numbered 1 to 10.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kestrin {

struct PlayerRecord {
    std::int16_t handrank = 0;
    std::string caption;
    std::int32_t prize = 0;
    std::int16_t tournament_position = 0;
    std::int16_t table_position = 0;
    std::int16_t cardone = 0;
    std::int16_t cardtwo = 0;
    bool sittingout = false;
    bool Active = true;
    bool tosswinner = false;
    std::string cardtext1;
    std::string cardtext2;
    std::string flop1, flop2, flop3, flop4, flop5;
    std::int16_t dealer = 0;
    bool allin = false;
    std::int32_t bet = 0;
    std::int32_t totalbet = 0;
    bool fold = false;
    std::string handvalue;
    std::int16_t handnumber = 0;
    std::string handvaluepair;
    std::string handvaluetwok;
    std::string handvaluethreek;
    std::string handvaluestraight;
    std::string handvalueflush;
    std::string handvaluefullhouse;
    std::string handvaluefourk;
    std::string handvaluesflush;
    std::string handvaluerflush;
    std::string handvaluetops;
};

inline constexpr int kSeats = 10;

// The ten records, reached by seat number 1 to 10.
class Players {
public:
    PlayerRecord& operator[](int seat) { return seats_.at(static_cast<std::size_t>(seat - 1)); }
    const PlayerRecord& operator[](int seat) const { return seats_.at(static_cast<std::size_t>(seat - 1)); }

private:
    std::array<PlayerRecord, kSeats> seats_{};
};

}  // namespace kestrin
