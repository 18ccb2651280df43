// The simulated field between hands: eliminations elsewhere, newcomers at the
// table, the final table and its empty seats.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "platform/numtext.h"
#include "support/open_table.h"
#include "table/table_texts.h"

using namespace kestrin;

namespace {

struct Field : kestrin::test::OpenTable {

    void outAlready(int players) {
        t->field.players_out = static_cast<std::int16_t>(players);
        t->field.chips_out = 1000 * players;
    }
    // The next elimination step elsewhere is 3 to 7 players. The value must
    // reach the field's draw, so the hand before it ends by a stand-in
    // showdown: no seat's turn draws from the generator in between.
    void nextStep(int step) { game.random.push(static_cast<float>((step - 3 + 0.5) / 5.0)); }
    bool madeUpName(const std::string& name) {
        std::istringstream words(name);
        std::string w;
        int n = 0;
        while (words >> w) {
            ++n;
            if (std::find(kNameWords.begin(), kNameWords.end(), w) == kNameWords.end()) return false;
        }
        return n == 3 && name.find("  ") == std::string::npos;
    }
    // The stack a newcomer sat down with: the deal's blinds may already
    // have taken some of it.
    std::int32_t seatedWith(int seat) { return t->state.players[seat].prize + t->state.players[seat].totalbet; }
};

}  // namespace

TEST_F(Field, TheFirstDealTakesThreeToSevenOutAndANewcomerBringsTheirShare) {
    nextStep(3);
    game.bust(5);
    const std::int64_t before = game.chipsAtTable();
    game.nextHandWonBy(1);  // the user takes the pot: the busted seat stays busted
    EXPECT_EQ(t->field.players_out, 3);
    EXPECT_EQ(t->field.chips_out, 3000);
    EXPECT_EQ(seatedWith(5), 3000);  // 3000 / (3 - 2)
    EXPECT_EQ(t->Label17.caption, plat::numText(t->state.players[5].prize));
    EXPECT_TRUE(madeUpName(t->state.players[5].caption)) << t->state.players[5].caption;
    EXPECT_EQ(t->Label7.caption, t->state.players[5].caption);
    EXPECT_TRUE(t->Label24.visible);
    EXPECT_EQ(t->Label24.caption, "Please Wait Arranging Tables");
    EXPECT_TRUE(t->Label2.visible);
    EXPECT_EQ(t->Label2.caption, "Players  997 Remaining in the Tournament");
    EXPECT_EQ(game.chipsAtTable(), before + 3000);
}

TEST_F(Field, SevenOutFirstGivesFourteenHundred) {
    nextStep(7);
    game.bust(2);
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 7);
    EXPECT_EQ(seatedWith(2), 1400);
}

TEST_F(Field, AHalfwayShareGoesToTheEvenNeighbour) {
    outAlready(31);
    nextStep(3);
    game.bust(9);
    game.bust(10);
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 34);
    EXPECT_EQ(seatedWith(9), 1062);  // 34000 / 32 = 1062.5
    EXPECT_EQ(seatedWith(10), 1062);
    EXPECT_EQ(t->Label24.caption, "Please Wait Arranging Tables");
}

TEST_F(Field, FromNineHundredOnePlayerADealDropsOut) {
    outAlready(897);
    nextStep(3);
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 900);
    for (int expected = 901; expected <= 905; ++expected) {
        game.nextHand();  // played out: no step is drawn any more
        EXPECT_EQ(t->field.players_out, expected);
        EXPECT_EQ(t->field.chips_out, 1000 * expected);
    }
}

TEST_F(Field, TheUserIsNeverReseated) {
    t->state.players[2].prize += t->state.players[1].prize;
    t->state.players[1].prize = 0;
    game.nextHandWonBy(2);
    EXPECT_EQ(t->state.players[1].prize, 0);
    EXPECT_EQ(t->state.players[1].caption, "Ann");
}

TEST_F(Field, TheDealFromNineEightyNineFormsTheFinalTable) {
    outAlready(989);
    // The user takes the pots: no seat at the table busts, which would count.
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 990);
    EXPECT_EQ(t->Label2.caption, "Players  10 Remaining in the Tournament");
    // No antes yet: the blinds still apply, and only they are in the pot.
    EXPECT_EQ(t->state.pot, 30);
    EXPECT_EQ(t->state.currentbet, 20);
    // At 990 nobody drops out elsewhere and the line is not written again.
    t->Label2.caption = "old";
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 990);
    EXPECT_EQ(t->field.chips_out, 990000);
    EXPECT_EQ(t->Label2.caption, "old");
    EXPECT_EQ(t->state.pot, 30);
    EXPECT_EQ(t->state.currentbet, 20);
}

TEST_F(Field, ABustAtNineEightyNineIsReplacedOnceMoreWithEveryChipFromElsewhere) {
    outAlready(989);
    game.bust(6);
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 991);
    EXPECT_EQ(t->state.players[6].prize, 990000 - 10);  // and pays the ante at once
    EXPECT_TRUE(t->state.players[6].Active);
    EXPECT_EQ(t->state.pot, 100);
}

TEST_F(Field, TwoBustsAtTheFinalTableAreBothReplacedAndCounted) {
    outAlready(990);
    game.bust(3);
    game.bust(8);
    const std::int64_t before = game.chipsAtTable();
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 992);
    EXPECT_EQ(t->field.chips_out, 990000);
    for (int seat : {3, 8}) {
        EXPECT_TRUE(t->state.players[seat].Active);
        EXPECT_FALSE(t->state.players[seat].sittingout);
        EXPECT_TRUE(t->nameLabel[seat].visible);
    }
    EXPECT_EQ(game.chipsAtTable(), before + 2 * 990000);
}

TEST_F(Field, AboveTheFinalTableABustedSeatStaysEmptyAndIsCountedEveryDeal) {
    outAlready(991);
    game.bust(4);
    game.nextHandWonBy(1);
    const PlayerRecord& p = t->state.players[4];
    EXPECT_FALSE(p.Active);
    EXPECT_TRUE(p.sittingout);
    EXPECT_FALSE(t->Label6.visible);
    EXPECT_FALSE(t->Label16.visible);
    EXPECT_FALSE(t->Picture18.visible);
    EXPECT_FALSE(t->Picture19.visible);
    EXPECT_EQ(t->field.players_out, 992);
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 993);
    EXPECT_FALSE(t->state.players[4].Active);
}

TEST_F(Field, ThePlayersOutCountStopsAtItsLargestValue) {
    t->field.players_out = 32766;
    game.bust(4);
    game.bust(5);
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 32767);
    game.nextHandWonBy(1);
    EXPECT_EQ(t->field.players_out, 32767);
    EXPECT_FALSE(t->state.players[5].Active);
}
