// Drives a whole game headless up to the table and from hand to hand, for the
// table's tests. The betting is not there yet, so a hand is ended by standing
// in for its showdown.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/app.h"
#include "startup/settings.h"
#include "table/tables.h"

namespace kestrin::test {

class TableDriver {
public:
    explicit TableDriver(std::uint64_t seed = 7);

    plat::App app;
    plat::ScriptedRandom& random;

    // The splash handed over and the welcome screen open, its name box focused.
    settings& welcome() { return app.form<settings>(); }
    // Types the name and clicks "Ok": the table opens and deals the first hand.
    tables& open(std::string_view name = "Ann");
    tables& table() { return *app.loadedForm<tables>(); }

    // The next values of the generator give these cards, in order.
    void pushCards(std::initializer_list<int> cards);
    // Queues the draws of a whole deck: `first` followed by cards counting on
    // from 1 that are not among them.
    void pushDeck(std::initializer_list<int> first);

    // Stands in for the showdown: the pot goes to `winner` (none for 0), the
    // turn clock stops and the hand's end is signalled.
    void endHand(int winner = 1);
    // Ends the hand and runs the clock until the next hand is dealt.
    void nextHand(int winner = 1);

    // Every chip at the table: the stacks and the pot.
    std::int64_t chipsAtTable();

    // Puts the button on a seat, as the last deal would have left it.
    void buttonAt(int seat);
    // The seats' `dealer` numbers, seat 1 first.
    std::vector<int> dealers();
    // Stands in for a showdown that busts the seat: its chips go to the user.
    void bust(int seat);
};

}  // namespace kestrin::test
