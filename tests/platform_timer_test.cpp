// Timer rules on the model clock and the form lifecycle.
#include <gtest/gtest.h>

#include <vector>

#include "platform/app.h"

using namespace plat;

namespace {

class Clocked : public Form {
public:
    explicit Clocked(App& app) : Form(app, "clocked", 3000, 3000) {
        slow.onTimer = [this] { ticks.push_back({'s', this->app().now()}); };
        fast.onTimer = [this] { ticks.push_back({'f', this->app().now()}); };
    }
    void onLoad() override { ++loads; }
    Timer& slow = addTimer("slow", 13000, false);
    Timer& fast = addTimer("fast", 2000, false);
    Timer& atLoad = addTimer("atLoad", 2500, true);
    std::vector<std::pair<char, Ms>> ticks;
    int loads = 0;
};

class Other : public Form {
public:
    explicit Other(App& app) : Form(app, "other", 1000, 1000) {}
    void onLoad() override { show(); }
};

}  // namespace

TEST(Timers, FirstTickComesOneIntervalAfterSwitchingOn) {
    App app;
    auto& f = app.form<Clocked>();
    f.atLoad.setEnabled(false);
    app.advanceTo(500);
    app.dispatch([&] { f.fast.setEnabled(true); });
    app.advanceTo(6500);
    EXPECT_EQ(f.ticks, (std::vector<std::pair<char, Ms>>{{'f', 2500}, {'f', 4500}, {'f', 6500}}));
}

TEST(Timers, SwitchingOnWhileOnKeepsThePhaseOffThenOnRearms) {
    App app;
    auto& f = app.form<Clocked>();
    f.atLoad.setEnabled(false);
    app.dispatch([&] { f.fast.setEnabled(true); });
    app.advanceTo(1500);
    app.dispatch([&] { f.fast.setEnabled(true); });
    EXPECT_EQ(app.nextDue(), 2000);
    app.dispatch([&] {
        f.fast.setEnabled(false);
        f.fast.setEnabled(true);
    });
    EXPECT_EQ(app.nextDue(), 3500);
}

TEST(Timers, TiesGoToTheTimerArmedEarlier) {
    App app;
    auto& f = app.form<Clocked>();
    f.atLoad.setEnabled(false);
    app.dispatch([&] { f.slow.setEnabled(true); });  // due 13000
    app.advanceTo(1000);
    app.dispatch([&] { f.fast.setEnabled(true); });  // 3000, 5000, ... 13000
    app.advanceTo(13000);
    ASSERT_GE(f.ticks.size(), 2u);
    EXPECT_EQ(f.ticks[f.ticks.size() - 2], std::make_pair('s', Ms{13000}));
    EXPECT_EQ(f.ticks.back(), std::make_pair('f', Ms{13000}));
}

TEST(Timers, AHandlerMaySwitchItsOwnTimerOff) {
    App app;
    auto& f = app.form<Clocked>();
    f.atLoad.onTimer = [&] { f.atLoad.setEnabled(false); };
    EXPECT_TRUE(app.runNext());
    EXPECT_FALSE(app.runNext());
    EXPECT_EQ(app.now(), 2500);
}

TEST(Timers, WithoutCatchUpAStalledTimerTicksOnceAndSkipsTheRest) {
    App app;
    auto& f = app.form<Clocked>();
    f.atLoad.setEnabled(false);
    app.dispatch([&] { f.fast.setEnabled(true); });
    app.advanceTo(10500, false);
    EXPECT_EQ(f.ticks.size(), 1u);
    EXPECT_EQ(app.nextDue(), 12000);
}

TEST(Lifecycle, AccessLoadsOnceAndUnloadStopsTimersAndFreesAtDispatchEnd) {
    App app;
    auto& f = app.form<Clocked>();
    app.form<Clocked>();
    EXPECT_EQ(f.loads, 1);
    EXPECT_TRUE(f.loaded());
    EXPECT_FALSE(f.visible());
    app.dispatch([&] {
        f.unload();
        EXPECT_EQ(app.loadedForm<Clocked>(), nullptr);
    });
    EXPECT_FALSE(app.nextDue().has_value());
}

TEST(Lifecycle, LoadHandlerMayShowItsOwnFormAndEndStopsEverything) {
    App app;
    app.start<Other>();
    EXPECT_TRUE(app.form<Other>().visible());
    auto& c = app.form<Clocked>();
    c.atLoad.onTimer = [&] { app.end(); };
    app.runNext();
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(app.nextDue().has_value());
    EXPECT_FALSE(app.form<Other>().visible());
}

TEST(Lifecycle, ClosingAWindowEndsTheProgramByDefault) {
    App app;
    app.start<Other>();
    app.close(app.form<Other>());
    EXPECT_TRUE(app.ended());
}
