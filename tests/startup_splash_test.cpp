// The splash screen hands over to the welcome screen exactly once.
#include <gtest/gtest.h>

#include "platform/app.h"
#include "startup/settings.h"
#include "startup/splash.h"

using namespace kestrin;

namespace {

struct Splash : ::testing::Test {
    plat::App app{std::make_unique<plat::MixRandom>(11)};
    void SetUp() override { app.start<frmSplash>(); }
    bool handedOver() const {
        return app.loadedForm<frmSplash>() == nullptr && app.loadedForm<settings>() != nullptr &&
               app.loadedForm<settings>()->visible();
    }
};

}  // namespace

TEST_F(Splash, OpensAloneAndHandsOverAfter2500msWithNoInput) {
    auto& s = app.form<frmSplash>();
    EXPECT_TRUE(s.visible());
    EXPECT_EQ(s.owner(), nullptr);  // nothing on it takes the focus
    EXPECT_EQ(app.loadedForm<settings>(), nullptr);
    app.advanceTo(2499);
    EXPECT_FALSE(handedOver());
    app.advanceTo(2500);
    EXPECT_TRUE(handedOver());
    EXPECT_EQ(app.form<settings>().owner(), &app.form<settings>().Text1);
}

TEST_F(Splash, ACharacterKeyHandsOverAtOnceAndTheTimerNeverTicks) {
    app.advanceTo(1000);
    app.key(app.form<frmSplash>(), 'A', 0, 'a');
    EXPECT_TRUE(handedOver());
    // The welcome screen keeps its state: nothing else comes from the splash.
    app.form<settings>().Text1.text = "kept";
    app.advanceTo(10000);
    EXPECT_EQ(app.form<settings>().Text1.text, "kept");
    EXPECT_FALSE(app.nextDue().has_value());
}

TEST_F(Splash, KeysWithoutACharacterDoNotCloseIt) {
    auto& s = app.form<frmSplash>();
    for (std::int16_t code : {plat::keys::F1, plat::keys::F10, plat::keys::Left, plat::keys::Shift,
                              plat::keys::Control})
        app.key(s, code, 0, 0);
    EXPECT_FALSE(handedOver());
    app.runNext();
    EXPECT_TRUE(handedOver());
}

TEST_F(Splash, EnterEscapeAndBackspaceAreCharactersToo) {
    app.key(app.form<frmSplash>(), plat::keys::Escape, 0, 27);
    EXPECT_TRUE(handedOver());
}

TEST_F(Splash, ClickOnThePanelHandsOverAlsoThroughAShape) {
    auto& s = app.form<frmSplash>();
    // Inside Shape2, one of the upright bars: shapes let the click through.
    const plat::Twips x = s.Shape2.absLeft() + 100, y = s.Shape2.absTop() + 100;
    EXPECT_EQ(s.hitTest(x, y), &s.Frame1);
    app.clickAt(s, x, y);
    EXPECT_TRUE(handedOver());
}

TEST_F(Splash, ClicksOnTheLabelsOrTheMarginDoNothing) {
    auto& s = app.form<frmSplash>();
    for (plat::Label* l : {&s.Label1, &s.lblVersion, &s.lblProductName, &s.lblTagline})
        app.clickAt(s, l->absLeft() + l->width / 2, l->absTop() + l->height / 2);
    app.clickAt(s, 40, 40);              // navy margin, top left
    app.clickAt(s, 7380 - 30, 4236 - 30);  // bottom right
    EXPECT_FALSE(handedOver());
}

TEST_F(Splash, AKeyAndTheTickFallingTogetherHandOverOnce) {
    app.advanceTo(2499);
    app.key(app.form<frmSplash>(), ' ', 0, ' ');
    app.advanceTo(2500);
    EXPECT_TRUE(handedOver());
    EXPECT_EQ(app.forms().size(), 1u);
}

TEST_F(Splash, ClosingTheWindowHandsOverLikeTheTimer) {
    app.close(app.form<frmSplash>());
    EXPECT_TRUE(handedOver());
    EXPECT_FALSE(app.ended());
}
