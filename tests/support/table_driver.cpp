#include "support/table_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "startup/splash.h"

namespace kestrin::test {

namespace {

std::unique_ptr<plat::ScriptedRandom> scripted(std::uint64_t seed) {
    return std::make_unique<plat::ScriptedRandom>(seed);
}

// Far more clock ticks and clicks than any hand takes.
constexpr int kMaxSteps = 100000;

}  // namespace

TableDriver::TableDriver(std::uint64_t seed)
    : app(scripted(seed)), random(static_cast<plat::ScriptedRandom&>(app.random())) {
    app.start<frmSplash>();
    app.runNext();  // the splash's timer hands over to the welcome screen
}

tables& TableDriver::open(std::string_view name) {
    app.type(welcome(), name);
    app.click(welcome().Command1);
    return table();
}

void TableDriver::pushCards(std::initializer_list<int> cards) {
    for (int c : cards) random.push(static_cast<float>((c - 0.5) / 52.0));
}

void TableDriver::pushDeck(std::initializer_list<int> first) {
    std::vector<int> deck(first);
    for (int c = 1; deck.size() < 25; ++c)
        if (std::find(deck.begin(), deck.end(), c) == deck.end()) deck.push_back(c);
    for (int c : deck) pushCards({c});
}

bool TableDriver::playToShowdown() {
    for (int step = 0; step < kMaxSteps; ++step) {
        if (app.ended()) return false;  // the window is gone with the program
        tables& t = table();
        if (t.state.gameover) return true;
        if (t.Command7.visible) {
            app.click(t.Command7);
        } else if (t.Command8.visible) {
            app.click(t.Command8);
        } else if (!app.runNext()) {
            return false;  // no clock runs and the user has nothing to press
        }
    }
    return false;
}

void TableDriver::endHand(int winner) {
    tables& t = table();
    app.dispatch([&] {
        TableState& s = t.state;
        s.players[winner].prize += s.pot;
        s.numberofwinners = 1;
        s.gameover = true;
        t.roundtimer.setEnabled(false);
        t.bet_panel_hide();
        // As after a showdown, "Exit" holds the focus: the next deal's first
        // turn is a focus change even when the button moves onto the seat
        // whose turn picture had it.
        t.Command2.setFocus();
        t.Command1_Click();
    });
}

void TableDriver::toNextDeal() {
    tables& t = table();
    if (t.state.closer != 0 || !t.Timer1.enabled()) {
        ADD_FAILURE() << "no next deal is coming: closer " << t.state.closer << ", next-hand timer "
                      << (t.Timer1.enabled() ? "on" : "off");
        return;
    }
    app.runUntil([&] { return app.ended() || !t.Timer1.enabled(); });
}

void TableDriver::nextHand() {
    if (!playToShowdown()) {
        ADD_FAILURE() << "the hand never reached its showdown";
        return;
    }
    toNextDeal();
}

void TableDriver::nextHandWonBy(int winner) {
    endHand(winner);
    toNextDeal();
}

std::int64_t TableDriver::chipsAtTable() {
    const TableState& s = table().state;
    std::int64_t sum = 0;
    for (int seat = 1; seat <= kSeats; ++seat) sum += s.players[seat].prize;
    const bool paidOut = s.gameover && s.numberofwinners > 0;
    return paidOut ? sum : sum + s.pot;
}

int TableDriver::seatNumbered(int n) {
    for (int seat = 1; seat <= kSeats; ++seat)
        if (table().state.players[seat].dealer == n) return seat;
    return 0;
}

void TableDriver::buttonAt(int seat) {
    for (int k = 1; k <= kSeats; ++k)
        table().state.players[k].dealer = static_cast<std::int16_t>((k - seat + kSeats) % kSeats + 1);
}

std::vector<int> TableDriver::dealers() {
    std::vector<int> out;
    for (int k = 1; k <= kSeats; ++k) out.push_back(table().state.players[k].dealer);
    return out;
}

void TableDriver::bust(int seat) {
    Players& p = table().state.players;
    p[1].prize += p[seat].prize;
    p[seat].prize = 0;
}

}  // namespace kestrin::test
