// A table with the first hand dealt and the clocks stopped, for driving the
// betting's steps one by one.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "support/game_driver.h"

namespace kestrin::test {

struct BettingTable : ::testing::Test {
    GameDriver game{3};
    tables& t = game.table;
    TableState& s = t.state;

    void SetUp() override { quiet(); }
    void TearDown() override { EXPECT_TRUE(game.app.diagnostics().empty()); }

    // Stops both clocks, so nothing runs but what the test calls.
    void quiet() {
        t.roundtimer.setEnabled(false);
        t.Timer1.setEnabled(false);
    }
    // A fresh street: every stack 1000, nothing bet, nothing folded.
    void freshStreet() {
        for (int seat = 1; seat <= kSeats; ++seat) {
            PlayerRecord& p = s.players[seat];
            p.prize = 1000;
            p.bet = p.totalbet = 0;
            p.fold = p.allin = false;
        }
        s.pot = s.currentbet = 0;
        s.raiser = false;
        s.raiservalue = 0;
        s.gameover = false;
        s.flopshower = s.flopshower1 = s.flopshower2 = s.flopshower3 = 0;
    }
    void places(std::initializer_list<int> ranks) {
        int seat = 1;
        for (int r : ranks) s.players[seat++].handrank = static_cast<std::int16_t>(r);
    }
    // Runs fn as one dispatch: its focus changes take effect after it.
    template <class F>
    void inHandler(F fn) {
        game.app.dispatch(fn);
    }
};

}  // namespace kestrin::test
