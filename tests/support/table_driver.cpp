#include "support/table_driver.h"

#include <algorithm>
#include <memory>

#include "startup/splash.h"

namespace kestrin::test {

namespace {

std::unique_ptr<plat::ScriptedRandom> scripted(std::uint64_t seed) {
    return std::make_unique<plat::ScriptedRandom>(seed);
}

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

void TableDriver::endHand(int winner) {
    tables& t = table();
    app.dispatch([&] {
        if (winner != 0) {
            t.state.players[winner].prize += t.state.pot;
            t.state.pot = 0;
        }
        t.roundtimer.setEnabled(false);
        t.Command1_Click();
    });
}

void TableDriver::nextHand(int winner) {
    endHand(winner);
    tables& t = table();
    app.runUntil([&] { return !t.Timer1.enabled(); });
}

std::int64_t TableDriver::chipsAtTable() {
    const TableState& s = table().state;
    std::int64_t sum = s.pot;
    for (int seat = 1; seat <= kSeats; ++seat) sum += s.players[seat].prize;
    return sum;
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
