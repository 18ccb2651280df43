// The turn clock: every tick hands the turn to the seat after the one that
// acted last, and counts down to the next rise of the limits.
#include <array>
#include <utility>

#include "betting/seats.h"
#include "platform/numtext.h"
#include "table/table_texts.h"
#include "table/tables.h"

namespace kestrin {

namespace {

// Each rise of the limits: from, to, and whether the table is told.
struct LimitsStep {
    std::int32_t from;
    std::int32_t to;
    bool announced;
};

constexpr std::array<LimitsStep, 12> kLimitsSchedule = {{
    {10, 25, true},
    {25, 50, true},
    {50, 100, true},
    {100, 500, true},
    {500, 1000, true},
    {1000, 2000, true},
    {2000, 5000, true},
    {5000, 10000, true},
    {10000, 20000, true},
    {20000, 25000, true},
    {25000, 50000, true},
    {50000, 100000, false},
}};

constexpr std::int16_t kTicksPerLevel = 300;

}  // namespace

void tables::Command4_Click() { roundtimer.setEnabled(true); }

void tables::roundtimer_Timer() {
    TableState& t = state;

    // A street on which nothing has been bet yet: the user closes the river
    // and acts first.
    if (t.flopshower3 == 0 && t.currentbet == 0 && t.raiservalue == 0 &&
        (t.postblinds || t.postflop1 || t.postflop2 || t.postflop3)) {
        t.flopshower3 = 1;
        t.focuser = 10;
    }

    if (is_seat(t.focuser)) {
        if (!t.postflop1 && !t.postflop2 && !t.postflop3) t.postblinds = true;
        const int next = next_seat(t.focuser);
        if (next != 1) {
            turnPicture[next].setFocus();
        } else if (!t.gameover) {
            Command5.visible = true;
            Command5.setFocus();
        }
    }

    if (t.gameover) {
        Command2.setFocus();
        bet_panel_hide();
    }

    t.limittimersetting = static_cast<std::int16_t>(t.limittimersetting - 1);
    limitslabel.caption = kLimitsNotice;
    limitsdisplay.caption = limits_line(t.limits);

    if (t.limittimersetting < 2) {
        t.limittimersetting = kTicksPerLevel;
        raise_limits();
    }
}

void tables::raise_limits() {
    TableState& t = state;
    for (const LimitsStep& step : kLimitsSchedule) {
        if (t.limits != step.from) continue;
        t.limits = step.to;
        t.level = static_cast<std::int16_t>(t.level + 1);
        // The user's finishing or winning message stays up to the end.
        if (step.announced && t.closer != 1) {
            Label24.visible = true;
            Label24.caption = "Limits Are Going Up";
        }
        return;
    }
}

}  // namespace kestrin
