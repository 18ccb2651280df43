// Drives a whole game headless up to the table and from hand to hand, for the
// table's tests. A hand is played out by the real game (the turn clock runs
// the computer seats, and a cautious user checks or folds); only where a test
// must choose the winner does a stand-in take the showdown's place.
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
    // Types the name and clicks "Ok": the table opens and deals the first
    // hand, whose first two turns post the blinds.
    tables& open(std::string_view name = "Ann");
    tables& table() { return *app.loadedForm<tables>(); }

    // The next values of the generator give these cards, in order.
    void pushCards(std::initializer_list<int> cards);
    // Queues the draws of a whole deck: `first` followed by cards counting on
    // from 1 that are not among them.
    void pushDeck(std::initializer_list<int> first);

    // Plays the hand on through the real game until its showdown: the turn
    // clock runs, and on the user's turn the user checks when nothing is owed
    // and folds otherwise. False if the game stops or waits without one.
    bool playToShowdown();
    // Stands in for the showdown where a test must choose the winner: the
    // whole pot goes to `winner`, the hand is over, the turn clock stops,
    // "Exit" takes the focus and the hand's end is signalled. No turn runs, so nothing draws from the
    // generator before the next deal's field steps.
    void endHand(int winner);
    // From a hand's end, runs the clocks until the next hand has been dealt.
    void toNextDeal();
    // The next hand through the real game: this one is played out, then dealt.
    void nextHand();
    // The next hand after a stand-in showdown that `winner` wins.
    void nextHandWonBy(int winner);

    // Every chip at the table: the stacks, and the pot until a showdown has
    // paid it out (the pot keeps its amount until the next deal clears it).
    std::int64_t chipsAtTable();

    // The seat whose `dealer` number is n: 1 the button, 2 the small blind,
    // 3 the big blind; 0 if none.
    int seatNumbered(int n);
    // Puts the button on a seat, as the last deal would have left it.
    void buttonAt(int seat);
    // The seats' `dealer` numbers, seat 1 first.
    std::vector<int> dealers();
    // Stands in for a showdown that busts the seat: its chips go to the user.
    void bust(int seat);
};

}  // namespace kestrin::test
