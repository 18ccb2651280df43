// The window's own handlers: the set-up at load, the winner-line keys,
// "Exit" and "Sit Out".
#include "betting/chip_layout.h"
#include "platform/numtext.h"
#include "startup/settings.h"
#include "table/field_rules.h"
#include "table/hand_resets.h"
#include "table/table_texts.h"
#include "table/tables.h"

namespace kestrin {

namespace {

constexpr plat::Colour kSitOutAsked = 255;    // red: the user sits out from the next deal
constexpr plat::Colour kPlayAsked = 65535;    // yellow: the user plays again from the next deal

}  // namespace

settings& tables::welcome() const { return app().form<settings>(); }

void tables::onLoad() {
    TableState& t = state;
    t.limittimersetting = 300;
    t.tossdone = 0;
    t.limits = 10;
    t.pot = 0;
    t.folder = 0;
    t.postblinds = t.postflop1 = t.postflop2 = t.postflop3 = false;
    t.currentbet = 0;
    t.gameover = false;
    t.raiser = false;
    t.raiservalue = t.closer = t.numberofwinners = 0;
    t.level = 1;
    t.focuser = 0;

    Shape1.fillColour = static_cast<plat::Colour>(welcome().tabletop);

    t.players[1].caption = welcome().Text1.text;
    for (int seat = 2; seat <= kSeats; ++seat)
        t.players[seat].caption = std::string(kOpponentNames[static_cast<std::size_t>(seat - 2)]);
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].prize = 1000;
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].bet = 0;
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].totalbet = 0;
    t.flopshower = t.flopshower1 = t.flopshower2 = t.flopshower3 = 0;
    class_set_to_zero(t);

    limitslabel.caption = std::string(kLimitsNotice);
    limitsdisplay.caption = limits_line(t.limits);

    // The design places of the pot chips that travel to a winner, so that
    // they can be put back afterwards.
    for (int i = kTravellingChips.first; i <= kTravellingChips.last; ++i) {
        const auto entry = static_cast<std::size_t>(i - kTravellingChips.first);
        t.potchiptop[entry] = static_cast<float>(backchips[i].top);
        t.potchipleft[entry] = plat::sat16(backchips[i].left);
    }

    PictureClip1.setPicture(plat::loadResource(101));
    for (int seat = 1; seat <= kSeats; ++seat) stackLabel[seat].caption = plat::numText(t.players[seat].prize);
    for (int seat = 1; seat <= kSeats; ++seat) nameLabel[seat].caption = t.players[seat].caption;
    class_set_to_zero(t);

    // Shown before the first hand, whose last step gives the focus to a
    // seat of this window.
    show();
    first_game();
}

void tables::onKeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
    if (keyCode == plat::keys::F10) winnerlabel.visible = true;
    if (keyCode == plat::keys::F9) winnerlabel.visible = false;
}

void tables::Command2_Click() { app().end(); }

// Closing the window is the same as "Exit".
void tables::onClose() { Command2_Click(); }

// Asks to sit out, or to play again, from the next deal on. The test reads
// the state applied at the last deal, so a second click before the next
// deal repeats the same request.
void tables::Command3_Click() {
    if (field.players_out >= kFinalTable) return;
    if (!state.players[1].sittingout) {
        state.sitter = 1;
        Command3.back = kSitOutAsked;
    } else {
        state.sitter = 0;
        Command3.back = kPlayAsked;
    }
}

void tables::show_stack(int seat) {
    PlayerRecord& p = state.players[seat];
    stackLabel[seat].caption = stack_text(p.prize);
    if (p.prize < 1) p.allin = true;
}

}  // namespace kestrin
