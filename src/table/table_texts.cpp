#include "table/table_texts.h"

#include "platform/numtext.h"

namespace kestrin {

std::string limits_line(std::int32_t limits) {
    return "Limits   " + plat::numText(limits) + "  -  " + plat::numText(std::int64_t{limits} * 2);
}

std::string players_remaining_line(std::int32_t remaining) {
    return "Players " + plat::numText(remaining) + " Remaining in the Tournament";
}

std::string finishing_line(std::int32_t still_in) {
    return "Your Finished With " + plat::numText(still_in) + " Players Still in Tournament";
}

std::string stack_text(std::int32_t prize) { return prize < 1 ? std::string(kAllIn) : plat::numText(prize); }

}  // namespace kestrin
