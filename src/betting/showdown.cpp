// The showdown: the pot goes to the best place still in the hand, the hands
// still in are turned up, and the tournament may end for the user.
#include <algorithm>

#include "platform/numtext.h"
#include "table/field_rules.h"
#include "table/table_texts.h"
#include "table/tables.h"

namespace kestrin {

namespace {
constexpr std::int16_t kFoldedPlace = 10;
}

void tables::evaluate_winner() {
    TableState& t = state;
    // The pot is paid once a hand: a decided hand stays decided.
    if (t.gameover) return;
    roundtimer.setEnabled(false);
    bet_panel_hide();
    Command2.setFocus();
    t.gameover = true;
    winnerlabel.visible = true;

    for (int seat = 1; seat <= kSeats; ++seat)
        if (t.players[seat].fold) t.players[seat].handrank = kFoldedPlace;

    // The seats that share the best place among those still in win; a tie
    // splits the pot among the tied seats only.
    std::int16_t best = kFoldedPlace;
    for (int seat = 1; seat <= kSeats; ++seat) best = std::min(best, t.players[seat].handrank);
    t.numberofwinners = 0;
    if (best != kFoldedPlace) {
        for (int seat = 1; seat <= kSeats; ++seat) {
            if (t.players[seat].handrank != best) continue;
            t.players[seat].handrank = 1;
            ++t.numberofwinners;
        }
    }
    pay_winners();

    for (int seat = 1; seat <= kSeats; ++seat) stackLabel[seat].caption = plat::numText(t.players[seat].prize);

    if (t.players[1].prize < 1) {
        Label24.visible = true;
        Label24.caption = finishing_line(players_still_in());
        t.closer = 1;
        Command1_Click();
    }
    if (!opponents_left()) {
        show_win_message();
        Command1_Click();
    }
    if (t.closer == 0) Command1_Click();
}

// Every winner gets the whole share; the chips that do not divide go one
// each to the winners in seat order, so the pot is paid out exactly.
void tables::pay_winners() {
    TableState& t = state;
    if (t.numberofwinners < 1) return;
    const std::int32_t share = t.pot / t.numberofwinners;
    std::int32_t odd = t.pot % t.numberofwinners;
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& p = t.players[seat];
        if (p.handrank != 1) continue;
        p.prize += share + (odd > 0 ? 1 : 0);
        if (odd > 0) --odd;
        winnerlabel.caption = p.caption + " " + p.handvalue;
        reveal_hands();
        pot_to_winner(static_cast<std::int16_t>(seat));
    }
}

void tables::reveal_hands() {
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& p = state.players[seat];
        if (p.fold) continue;
        firstCard[seat].picture = PictureClip1.cell(p.cardone);
        secondCard[seat].picture = PictureClip1.cell(p.cardtwo);
    }
}

// Above the final table's 990 out the seats still taken at the table; up
// to it the whole field still in.
std::int16_t tables::players_still_in() const {
    if (field.players_out > kFinalTable) {
        std::int16_t count = 0;
        for (int seat = 2; seat <= kSeats; ++seat)
            if (state.players[seat].Active) ++count;
        return count;
    }
    return static_cast<std::int16_t>(kFieldSize - field.players_out);
}

}  // namespace kestrin
