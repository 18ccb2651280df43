// The welcome screen's choices, its borders, and how the table is opened.
#include <gtest/gtest.h>

#include "platform/app.h"
#include "startup/settings.h"
#include "startup/splash.h"
#include "table/tables.h"

using namespace kestrin;

namespace {

struct Welcome : ::testing::Test {
    plat::App app{std::make_unique<plat::MixRandom>(5)};
    settings* w = nullptr;
    void SetUp() override {
        app.start<frmSplash>();
        app.runNext();
        w = &app.form<settings>();
    }
    void TearDown() override { EXPECT_TRUE(app.diagnostics().empty()); }
    std::vector<int> bordersOf(std::initializer_list<plat::Control*> cs) {
        std::vector<int> out;
        for (auto* c : cs) {
            if (auto* l = dynamic_cast<plat::Label*>(c)) out.push_back(l->borderStyle);
            if (auto* i = dynamic_cast<plat::Image*>(c)) out.push_back(i->borderStyle);
        }
        return out;
    }
};

}  // namespace

TEST_F(Welcome, LoadSetsDefaultsBordersAndPictures) {
    EXPECT_EQ(w->caption, "Welcome To Zeziro Zavovuvevo");
    EXPECT_EQ(w->backside, 0);
    EXPECT_EQ(w->tabletop, 0x008000);
    EXPECT_EQ(bordersOf({&w->Image5, &w->Image6, &w->Image7, &w->Image8}), (std::vector{1, 0, 0, 0}));
    EXPECT_EQ(bordersOf({&w->Label4, &w->Label5, &w->Label6, &w->Label7, &w->Label9}),
              (std::vector{0, 0, 0, 1, 0}));
    EXPECT_EQ(bordersOf({&w->Image2, &w->Image3, &w->Image4}), (std::vector{0, 0, 0}));
    EXPECT_EQ(w->Image6.picture().cell, 53);
    EXPECT_EQ(w->Image8.picture().cell, 55);
    // Card backs take a cell's size; rooms keep their stretched boxes.
    EXPECT_EQ(w->Image5.width, 40 * plat::kTwipsPerPixel);
    EXPECT_EQ(w->Image5.height, 56 * plat::kTwipsPerPixel);
    EXPECT_EQ(w->Image3.picture().res, 103);
    EXPECT_EQ(w->Image3.width, 1032);
    EXPECT_EQ(w->Text1.text, "");
    EXPECT_EQ(w->owner(), &w->Text1);
}

TEST_F(Welcome, ColourAndBackClicksMoveTheBorderWithinTheirGroup) {
    app.click(w->Label5);
    EXPECT_EQ(w->tabletop, 0x004080);
    EXPECT_EQ(bordersOf({&w->Label4, &w->Label5, &w->Label6, &w->Label7}), (std::vector{0, 1, 0, 0}));
    app.click(w->Label5);  // again: same value, border stays
    EXPECT_EQ(w->tabletop, 0x004080);
    EXPECT_EQ(bordersOf({&w->Label4, &w->Label5, &w->Label6, &w->Label7}), (std::vector{0, 1, 0, 0}));
    app.click(w->Image7);
    EXPECT_EQ(w->backside, 54);
    EXPECT_EQ(bordersOf({&w->Image5, &w->Image6, &w->Image7, &w->Image8}), (std::vector{0, 0, 1, 0}));
    // The click lands on the transparent label over the swatch.
    app.clickAt(*w, w->Shape6.left + 200, w->Shape6.top + 200);
    EXPECT_EQ(w->tabletop, 0xC0C000);
    EXPECT_EQ(app.loadedForm<tables>(), nullptr);
}

TEST_F(Welcome, TabWalksNameOkExitOnlyAndEnterInTheNameStartsNothing) {
    app.key(*w, plat::keys::Tab);
    EXPECT_EQ(w->owner(), &w->Command1);
    app.key(*w, plat::keys::Tab);
    EXPECT_EQ(w->owner(), &w->Command2);
    app.key(*w, plat::keys::Tab);
    EXPECT_EQ(w->owner(), &w->Text1);
    app.type(*w, "\r");
    EXPECT_EQ(app.loadedForm<tables>(), nullptr);
    EXPECT_TRUE(w->visible());
}

TEST_F(Welcome, NamesAreKeptExactlyAsTyped) {
    const std::string odd[] = {"", std::string(10000, 'x'), "שלום عالم", "😀🂡", "<b>x</b>", "&&"};
    for (const auto& name : odd) {
        w->Text1.text.clear();
        app.type(*w, name);
        EXPECT_EQ(w->Text1.text, name);
    }
}

TEST_F(Welcome, OkOpensTheTableAndHidesTheWelcomeScreen) {
    app.click(w->Command1);
    auto* t = app.loadedForm<tables>();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->visible());
    EXPECT_FALSE(w->visible());
    EXPECT_TRUE(w->loaded());
    EXPECT_TRUE(t->picture.empty());  // no room chosen: the table keeps its own back
}

TEST_F(Welcome, ARoomClickLoadsTheTableAtOnceAndOkThenOnlyShowsIt) {
    app.click(w->Image3);
    auto* t = app.loadedForm<tables>();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->visible());
    EXPECT_TRUE(w->visible());
    EXPECT_EQ(t->picture.res, 103);
    EXPECT_EQ(bordersOf({&w->Image2, &w->Image3, &w->Image4, &w->Label9}), (std::vector{0, 1, 0, 0}));
    // The no-picture swatch moves only the border.
    app.click(w->Label9);
    EXPECT_EQ(t->picture.res, 103);
    EXPECT_EQ(bordersOf({&w->Image2, &w->Image3, &w->Image4, &w->Label9}), (std::vector{0, 0, 0, 1}));
    // A second room replaces the picture on the same window.
    app.click(w->Image2);
    EXPECT_EQ(app.loadedForm<tables>(), t);
    EXPECT_EQ(t->picture.res, 102);
    app.click(w->Command1);
    EXPECT_EQ(app.loadedForm<tables>(), t);
    EXPECT_FALSE(w->visible());
}

TEST_F(Welcome, ExitEndsTheProgramAlsoWithTheTableOpen) {
    app.click(w->Image4);
    app.click(w->Command2);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(app.nextDue().has_value());
}

TEST_F(Welcome, ClosingTheWindowActsAsExit) {
    app.close(*w);
    EXPECT_TRUE(app.ended());
}
