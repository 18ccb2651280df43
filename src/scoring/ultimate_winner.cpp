#include "scoring/ultimate_winner.h"

#include <cstddef>

namespace kestrin {

namespace {

constexpr int kLevels = 4;

std::size_t index(int seat) { return static_cast<std::size_t>(seat - 1); }

}  // namespace

void evaluate_ultimate_winner(EvaluationContext& ctx, const std::array<std::int16_t, kSeats>& winner) {
    // The up to four highest distinct scores, from the top down.
    std::array<std::int16_t, kLevels> level{};
    int levels = 0;
    for (; levels < kLevels; ++levels) {
        bool found = false;
        std::int16_t best = 0;
        for (const std::int16_t score : winner) {
            const bool below = levels == 0 || score < level[static_cast<std::size_t>(levels - 1)];
            if (below && (!found || score > best)) {
                best = score;
                found = true;
            }
        }
        if (!found) break;
        level[static_cast<std::size_t>(levels)] = best;
    }

    Players& players = ctx.t.players;
    for (int l = levels - 1; l >= 1; --l) {
        for (int seat = 1; seat <= kSeats; ++seat) {
            if (winner[index(seat)] == level[static_cast<std::size_t>(l)]) {
                players[seat].handrank = static_cast<std::int16_t>(l + 1);
            }
        }
    }

    int last_winner = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (winner[index(seat)] != level[0]) continue;
        players[seat].handrank = 1;
        ++ctx.t.numberofwinners;
        last_winner = seat;
    }
    // Every tied winner writes the line in turn; the highest seat's stays.
    const PlayerRecord& shown = players[last_winner];
    ctx.winnerlabel.assign(shown.caption);
    ctx.winnerlabel += ' ';
    ctx.winnerlabel += shown.handvalue;

    // A place set earlier (by the betting) is never cleared here.
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (players[seat].handrank == 0) players[seat].handrank = 5;
    }
}

}  // namespace kestrin
