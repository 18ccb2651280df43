// The user's turn waits while the focus moves about the open bet panel: a
// slow typist or a keyboard user keeps the turn, whole games on the model
// clock.
#include <gtest/gtest.h>

#include <vector>

#include "support/play_until.h"

using namespace kestrin;
using kestrin::test::GameDriver;
using kestrin::test::playUntil;

namespace {

enum class Offer { Check, Call };

constexpr plat::Ms kHumanPause = 3000;  // longer than a tick of the turn clock

// The game waits on the user's turn offering "Check" or a "Call" that leaves
// room for a bet of 100.
bool reachTurn(GameDriver& game, Offer offer) {
    tables& t = game.table;
    return playUntil(game, test::Owed::Call, [&] {
        if (!game.waiting() || !game.panelUp()) return false;
        if (offer == Offer::Check) return t.Command7.visible;
        return t.Command5.visible && t.amount_owed(1) > 0 && t.amount_owed(1) + 2 * t.state.limits <= 100;
    });
}

void pause(GameDriver& game) { game.app.advanceTo(game.app.now() + kHumanPause); }

}  // namespace

TEST(PanelFocus, ASlowTypistKeepsTheWholeAmountAndBetsIt) {
    for (Offer offer : {Offer::Check, Offer::Call}) {
        GameDriver game(11);
        tables& t = game.table;
        ASSERT_TRUE(reachTurn(game, offer));
        const std::int32_t stack = t.state.players[1].prize, owed = t.amount_owed(1);
        game.app.click(t.Text2);
        game.app.type(t, "1");
        pause(game);
        game.app.type(t, "00");
        EXPECT_EQ(t.Text2.text, "100");
        EXPECT_EQ(t.owner(), &t.Text2);
        if (offer == Offer::Check)
            game.app.click(t.Command11);
        else
            game.app.type(t, "\r");
        EXPECT_FALSE(game.panelUp());
        EXPECT_EQ(t.state.players[1].prize, stack - owed - 100);
        EXPECT_EQ(game.chipsHeld(), game.chipsOwed());
    }
}

TEST(PanelFocus, TabbingAboutThePanelAtAHumanPaceKeepsTheTurn) {
    for (Offer offer : {Offer::Check, Offer::Call}) {
        GameDriver game(11);
        tables& t = game.table;
        ASSERT_TRUE(reachTurn(game, offer));
        plat::CommandButton& stay = offer == Offer::Check ? t.Command7 : t.Command5;
        // Check turn: Check, Fold, Check, Raise. Call turn: Call, Raise, Fold, Raise.
        const std::vector<plat::Control*> path = offer == Offer::Check
            ? std::vector<plat::Control*>{&t.Command8, &t.Command7, &t.Command6}
            : std::vector<plat::Control*>{&t.Command6, &t.Command8, &t.Command6};
        ASSERT_EQ(t.owner(), &stay);
        for (std::size_t i = 0; i < path.size(); ++i) {
            const bool back = offer == Offer::Check ? i > 0 : i == 2;
            game.app.key(t, plat::keys::Tab, back ? plat::keys::ShiftMask : 0);
            pause(game);
            EXPECT_EQ(t.owner(), path[i]) << "step " << i;
            EXPECT_TRUE(game.waiting() && game.panelUp()) << "step " << i;
        }
        // Space on "Raise" raises.
        const std::int32_t stack = t.state.players[1].prize;
        game.app.key(t, plat::keys::Space, 0, ' ');
        EXPECT_FALSE(game.panelUp());
        EXPECT_LT(t.state.players[1].prize, stack);
        EXPECT_EQ(game.chipsHeld(), game.chipsOwed());
    }
}
