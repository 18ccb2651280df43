// The user's turn and the bet panel's actions.
#include "support/betting_fixture.h"

using namespace kestrin;
using kestrin::test::BettingTable;

namespace {

struct UserTurn : BettingTable {
    // The turn clock's way into the user's turn: "Call" shown and focused.
    void focusCall() {
        inHandler([&] {
            t.Command5.visible = true;
            t.Command5.setFocus();
        });
    }
    // Opens the user's turn with `owed` to call on the flop.
    void openTurn(std::int32_t owed) {
        freshStreet();
        s.postblinds = s.postflop1 = true;
        s.postflop2 = s.postflop3 = false;
        s.limits = 10;
        s.currentbet = owed;
        s.flopshower1 = 5;
        focusCall();
        ASSERT_TRUE(game.panelUp());
    }
    void typeAmount(const std::string& text) {
        game.app.click(t.Text2);
        t.Text2.text.clear();
        game.app.type(t, text);
    }
};

}  // namespace

TEST_F(UserTurn, CaptionsShowTheCallWithABlankAndTheRaisePlain) {
    openTurn(20);
    EXPECT_EQ(t.Command5.caption, " 20");
    EXPECT_EQ(t.Command6.caption, "40");
    EXPECT_TRUE(t.Command5.visible);
    EXPECT_FALSE(t.Command7.visible);
    EXPECT_FALSE(t.roundtimer.enabled());
    EXPECT_EQ(t.Picture2.back, 0x80FFFFu);
}

TEST_F(UserTurn, NothingOwedOffersCheckAndRaiseTwiceTheLimits) {
    openTurn(0);
    EXPECT_EQ(t.Command5.caption, " 0");
    EXPECT_EQ(t.Command6.caption, "20");
    EXPECT_FALSE(t.Command5.visible);
    EXPECT_TRUE(t.Command7.visible);
    // "Check" holds the focus and the seat stays lit: Space checks.
    EXPECT_EQ(t.owner(), &t.Command7);
    EXPECT_EQ(t.Picture2.back, 0x80FFFFu);
    game.app.key(t, plat::keys::Space, 0, ' ');
    EXPECT_EQ(s.pot, 0);
    EXPECT_EQ(s.focuser, 1);
    EXPECT_TRUE(t.roundtimer.enabled());
    EXPECT_FALSE(game.panelUp());
}

TEST_F(UserTurn, CallAndRaisePayAndHandTheTurnOn) {
    openTurn(20);
    game.app.click(t.Command5);
    EXPECT_EQ(s.players[1].prize, 980);
    EXPECT_EQ(s.pot, 20);
    EXPECT_EQ(s.focuser, 1);
    EXPECT_FALSE(s.raiser);
    openTurn(20);
    game.app.click(t.Command6);
    EXPECT_EQ(s.players[1].prize, 960);
    EXPECT_EQ(s.currentbet, 40);
    EXPECT_TRUE(s.raiser);
    EXPECT_EQ(s.flopshower1, 10);
}

TEST_F(UserTurn, BetItTakesOnlyAWholeNumberAtLeastTheRaise) {
    struct Case {
        const char* text;
        std::int32_t paid;  // -1: refused, nothing moves
    };
    for (const Case& c : {Case{"40", 60}, Case{" 60 ", 80}, Case{"40.5", 60}, Case{"41.5", 62},
                          Case{"39.6", -1}, Case{"30", -1}, Case{"", -1}, Case{"abc", -1},
                          Case{"100 chips", -1}, Case{"1e", -1}, Case{"nan", -1}, Case{"inf", -1},
                          Case{"0x10", -1}, Case{"-50", -1}, Case{"1e400", 1000},
                          Case{"99999999999", 1000}}) {
        openTurn(20);
        typeAmount(c.text);
        game.app.click(t.Command11);
        if (c.paid < 0) {
            EXPECT_EQ(s.pot, 0) << c.text;
            EXPECT_TRUE(game.panelUp()) << c.text;
            EXPECT_EQ(t.Text2.text, c.text);
            EXPECT_FALSE(t.roundtimer.enabled()) << c.text;
        } else {
            EXPECT_EQ(s.pot, c.paid) << c.text;
            EXPECT_TRUE(s.raiser) << c.text;
            EXPECT_EQ(t.Text2.text, "") << c.text;
            EXPECT_EQ(s.players[1].allin, c.paid == 1000) << c.text;
        }
    }
}

TEST_F(UserTurn, EnterInTheAmountBoxActsAsBetIt) {
    openTurn(0);
    typeAmount("25");
    EXPECT_EQ(s.pot, 0);
    game.app.type(t, "\r");
    EXPECT_EQ(s.pot, 25);
    EXPECT_EQ(s.focuser, 1);
}

TEST_F(UserTurn, FoldHidesTheCardsAndMovesNoChips) {
    openTurn(20);
    t.Picture12.visible = t.Picture13.visible = true;
    game.app.click(t.Command8);
    EXPECT_TRUE(s.players[1].fold);
    EXPECT_FALSE(t.Picture12.visible);
    EXPECT_EQ(s.players[1].prize, 1000);
    EXPECT_EQ(s.pot, 0);
}

TEST_F(UserTurn, LeavingRaiseUnlightsTheSeatButOnlyLeavingThePanelStartsTheClock) {
    openTurn(20);
    game.app.click(t.Text2);  // Call loses the focus to the box
    game.app.key(t, plat::keys::Tab, plat::keys::ShiftMask);  // back to Fold
    game.app.key(t, plat::keys::Tab, plat::keys::ShiftMask);  // Check is hidden: Raise
    ASSERT_EQ(t.owner(), &t.Command6);
    t.Picture2.back = 0x80FFFF;
    game.app.key(t, plat::keys::Tab);
    EXPECT_EQ(t.Picture2.back, 0x000080u);
    EXPECT_FALSE(t.roundtimer.enabled());
    game.app.key(t, plat::keys::Tab, plat::keys::ShiftMask);
    game.app.click(t.Command3);  // from Raise to "Sit Out"
    EXPECT_TRUE(t.roundtimer.enabled());
    EXPECT_TRUE(game.panelUp());
}

TEST_F(UserTurn, ADecidedHandTakesNoMoreChipsFromTheUser) {
    openTurn(20);
    s.gameover = true;
    game.app.click(t.Command6);
    EXPECT_EQ(s.pot, 0);
    EXPECT_EQ(s.players[1].prize, 1000);
    EXPECT_FALSE(game.panelUp());
    // Nor does the turn reopen the panel.
    focusCall();
    EXPECT_FALSE(game.panelUp());
}

TEST_F(UserTurn, WithEveryOpponentFoldedTheTurnTakesThePot) {
    freshStreet();
    s.postblinds = true;
    for (int seat = 2; seat <= kSeats; ++seat) s.players[seat].fold = true;
    s.pot = 30;
    s.players[1].prize = 980;
    focusCall();
    EXPECT_EQ(s.players[1].prize, 1010);
    EXPECT_TRUE(s.gameover);
    EXPECT_EQ(s.players[2].handrank, 10);
    EXPECT_FALSE(game.panelUp());
    EXPECT_EQ(t.owner(), &t.Command2);
}

TEST_F(UserTurn, NoOpponentLeftWinsTheTournamentAndWaitsForExit) {
    freshStreet();
    s.postblinds = true;
    for (int seat = 2; seat <= kSeats; ++seat) s.players[seat].Active = false;
    focusCall();
    EXPECT_EQ(t.Label24.caption, "Congratulations You Won The Tournament");
    EXPECT_EQ(s.closer, 1);
    EXPECT_FALSE(t.Timer1.enabled());
    EXPECT_FALSE(game.panelUp());
    // Seat 3's turn, which clears the message line, leaves this message up
    // (seen before the seats after it, all empty, hand the turn round).
    bool shown = false;
    inHandler([&] {
        t.computer_player_turn(3);
        shown = t.Label24.visible;
    });
    EXPECT_TRUE(shown);
}
