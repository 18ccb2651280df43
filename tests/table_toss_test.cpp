// The draw for the first dealer and the first hand dealt from its deck.
#include <gtest/gtest.h>

#include <vector>

#include "support/table_driver.h"

using namespace kestrin;
using kestrin::test::TableDriver;

namespace {

std::vector<int> tossWinners(const tables& t) {
    std::vector<int> out;
    for (int seat = 1; seat <= kSeats; ++seat)
        if (t.state.players[seat].tosswinner) out.push_back(seat);
    return out;
}

struct FirstDealer : ::testing::Test {
    TableDriver game;
    // The first hand draws a deck, then the draw for the button draws again.
    tables& openWithToss(std::initializer_list<int> drawCards) {
        game.pushDeck({40, 41, 42});
        game.pushDeck(drawCards);
        return game.open();
    }
    void TearDown() override { EXPECT_TRUE(game.app.diagnostics().empty()); }
};

}  // namespace

TEST_F(FirstDealer, TheHighestDrawnCardTakesTheButtonAndEachDrawnCardGoesIntoItsSeatsPicture) {
    tables& t = openWithToss({10, 20, 30, 52, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(game.dealers(), (std::vector<int>{8, 9, 10, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(tossWinners(t), std::vector<int>{4});
    EXPECT_TRUE(t.Label1.visible);
    EXPECT_EQ(t.Label1.left, t.Picture18.left + 500);
    EXPECT_EQ(t.Label1.top, t.Picture18.top + 500);
    EXPECT_EQ(t.state.tossdone, 1);
    // The first hand is dealt from the draw's deck: every first hole card is
    // the seat's draw card.
    const int draw[] = {10, 20, 30, 52, 1, 2, 3, 4, 5, 6};
    for (int seat = 1; seat <= kSeats; ++seat) {
        EXPECT_EQ(t.state.players[seat].cardone, draw[seat - 1]);
        EXPECT_EQ(t.state.players[seat].cardtext1, t.convert2card(t.state.deck[static_cast<std::size_t>(seat - 1)]));
    }
    EXPECT_EQ(t.state.players[4].cardtext1, "As");
    // Seat 5, after the button, took the first turn: it posted the small
    // blind and handed the turn to seat 6, which posted the big blind.
    EXPECT_EQ(t.state.players[5].totalbet, 10);
    EXPECT_EQ(t.Label17.caption, " 990");
    EXPECT_EQ(t.state.players[6].totalbet, 20);
    EXPECT_EQ(t.owner(), &t.Picture7);
    // The deal has since put its own pictures in place of the draw's: drawn
    // again, each seat's card face goes into its first card picture.
    for (int seat = 1; seat <= kSeats; ++seat) t.firstCard[seat].picture = {};
    t.Label1.visible = false;
    game.pushDeck({10, 20, 30, 52, 1, 2, 3, 4, 5, 6});
    t.toss();
    for (int seat = 1; seat <= kSeats; ++seat)
        EXPECT_EQ(t.firstCard[seat].picture.cell, draw[seat - 1]) << seat;
    EXPECT_TRUE(t.Label1.visible);
}

TEST_F(FirstDealer, SeatTenOnTheButtonGivesTheUserTheFirstTurn) {
    tables& t = openWithToss({1, 2, 3, 4, 5, 6, 7, 8, 9, 50});
    EXPECT_EQ(game.dealers(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 1}));
    EXPECT_EQ(tossWinners(t), std::vector<int>{10});
    EXPECT_EQ(t.Label1.left, t.Picture30.left + 500);
    EXPECT_EQ(t.Label1.top, t.Picture30.top + 500);
    // The user's seat picture had the first turn: the user posted the small
    // blind and handed the turn to seat 2, which posted the big blind.
    EXPECT_EQ(t.state.players[1].totalbet, 10);
    EXPECT_EQ(t.Label13.caption, " 990");
    EXPECT_EQ(t.state.players[2].totalbet, 20);
    EXPECT_EQ(t.owner(), &t.Picture3);
}

TEST_F(FirstDealer, AtEqualRankTheSuitDecidesSpadesHighest) {
    tables& t = openWithToss({51, 52, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(tossWinners(t), std::vector<int>{2});
    EXPECT_EQ(t.state.players[2].dealer, 1);
}

TEST_F(FirstDealer, TheDealShowsTheUsersFacesAndTheOpponentsBacks) {
    tables& t = openWithToss({10, 20, 30, 52, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(t.Picture12.picture.cell, 10);
    EXPECT_EQ(t.Picture13.picture.cell, t.state.players[1].cardtwo);
    EXPECT_EQ(t.Picture12.picture.res, 101);
    for (int seat = 1; seat <= kSeats; ++seat) {
        EXPECT_TRUE(t.firstCard[seat].visible);
        EXPECT_TRUE(t.secondCard[seat].visible);
        if (seat > 1) {
            EXPECT_EQ(t.firstCard[seat].picture.cell, 0);
            EXPECT_EQ(t.secondCard[seat].picture.cell, 0);
        }
    }
    for (int n = 32; n <= 36; ++n) EXPECT_FALSE(t.find("Picture" + std::to_string(n))->visible);
    // The board texts are written although the board is still hidden.
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlayerRecord& p = t.state.players[seat];
        EXPECT_EQ(p.flop1, t.convert2card(t.state.deck[20]));
        EXPECT_EQ(p.flop5, t.convert2card(t.state.deck[24]));
        EXPECT_EQ(p.cardtwo, t.state.deck[static_cast<std::size_t>(9 + seat)]);
    }
}

TEST_F(FirstDealer, LaterHandsNeverDrawForTheButtonAgain) {
    tables& t = openWithToss({10, 20, 30, 52, 1, 2, 3, 4, 5, 6});
    for (int hand = 0; hand < 12; ++hand) game.nextHand();
    EXPECT_EQ(tossWinners(t), std::vector<int>{4});
    EXPECT_EQ(t.state.tossdone, 1);
    // Twelve moves of the button from seat 4 end on seat 6.
    EXPECT_EQ(t.state.players[6].dealer, 1);
}
