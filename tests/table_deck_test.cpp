// Card texts and the draw of a hand's 25 cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "table/cards.h"

using namespace kestrin;

TEST(CardText, NumbersGiveRankAndSuitAndAnythingElseTheEmptyText) {
    const std::pair<int, const char*> cases[] = {{1, "2c"},  {2, "2d"},  {4, "2s"},  {5, "3c"},
                                                 {32, "9s"}, {33, "10c"}, {36, "10s"}, {37, "Jc"},
                                                 {44, "Qs"}, {48, "Ks"},  {49, "Ac"},  {52, "As"}};
    for (const auto& [card, text] : cases) EXPECT_EQ(card_text(card), text) << card;
    for (int bad : {0, -1, 53, 100, -32768}) EXPECT_EQ(card_text(bad), "") << bad;
}

namespace {

// Card c comes from r = (c - 0.5) / 52.
void push_cards(plat::ScriptedRandom& r, std::initializer_list<int> cards) {
    for (int c : cards) r.push(static_cast<float>((c - 0.5) / 52.0));
}

void expect_valid(const Deck& deck) {
    std::set<int> seen(deck.begin(), deck.end());
    EXPECT_EQ(seen.size(), deck.size());
    EXPECT_GE(*seen.begin(), 1);
    EXPECT_LE(*seen.rbegin(), 52);
}

}  // namespace

TEST(DrawDeck, EachEntryIsDrawnByItselfAndARepeatIsDrawnAgain) {
    plat::ScriptedRandom r;
    // Entry 1 repeats entry 0 twice before 7; the last entry repeats entry 3.
    push_cards(r, {52, 52, 52, 7});
    for (int c = 10; c < 32; ++c) push_cards(r, {c});
    push_cards(r, {11, 40});
    Deck deck{};
    draw_deck(deck, r);
    EXPECT_EQ(deck[0], 52);
    EXPECT_EQ(deck[1], 7);
    EXPECT_EQ(deck[2], 10);
    EXPECT_EQ(deck[23], 31);
    EXPECT_EQ(deck[24], 40);
    EXPECT_EQ(r.pending(), 0u);
}

TEST(DrawDeck, TheExtremesOfTheGeneratorGiveCardsOneAndFiftyTwo) {
    plat::ScriptedRandom r;
    r.push(0.0f);
    r.push(16777215.0f / 16777216.0f);
    Deck deck{};
    draw_deck(deck, r);
    EXPECT_EQ(deck[0], 1);
    EXPECT_EQ(deck[1], 52);
    expect_valid(deck);
}

// A generator stuck on one value, or on a used card, still ends the draw:
// each card takes at most 10,000 redraws before the next unused card.
TEST(DrawDeck, ADegenerateGeneratorStillGivesTwentyFiveDistinctCards) {
    struct Stuck : plat::Random {
        float value;
        long calls = 0;
        explicit Stuck(float v) : value(v) {}
        void reseed(std::uint64_t) override {}
        float next() override {
            // A draw that never gives up would spin here for ever.
            if (++calls > 25 * 10001) throw std::runtime_error("the draw does not end");
            return value;
        }
    };
    for (float v : {0.0f, 0.5f, 0.99999994f}) {
        Stuck stuck(v);
        Deck deck{};
        ASSERT_NO_THROW(draw_deck(deck, stuck)) << v;
        expect_valid(deck);
    }
}

TEST(DrawDeck, ManySeededDecksAreValid) {
    plat::MixRandom r(99);
    for (int i = 0; i < 2000; ++i) {
        Deck deck{};
        draw_deck(deck, r);
        expect_valid(deck);
    }
}
