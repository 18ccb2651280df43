// The front end drives the model clock with one timer set to the next due
// tick, and matches its windows to the model's forms.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "front/form_window.h"
#include "front/front_app.h"
#include "platform/app.h"

using namespace plat;
using kestrin::front::FrontApp;

namespace {

class Clocked : public Form {
public:
    explicit Clocked(App& app) : Form(app, "clocked", 2400, 1200) {
        slow.onTimer = [this] { ++slowTicks; };
        fast.onTimer = [this] { ++fastTicks; };
        stop.onClick = [this] { slow.setEnabled(false); };
    }
    void onLoad() override { show(); }
    Timer& slow = addTimer("slow", 60000, true);
    Timer& fast = addTimer("fast", 40, false);
    CommandButton& stop = add<CommandButton>("stop", 0, 0, 1200, 600);
    int slowTicks = 0, fastTicks = 0;
};

class Quitter : public Form {
public:
    explicit Quitter(App& app) : Form(app, "quitter", 2400, 1200) {}
    void onLoad() override { show(); }
};

struct FrontAppTest : ::testing::Test {
    App app;
    FrontApp front{app};
    bool ended = false;
    void SetUp() override { front.onEnded = [this] { ended = true; }; }
};

}  // namespace

TEST_F(FrontAppTest, TimerFollowsNextDue) {
    front.start<Clocked>();
    Clocked& f = *app.loadedForm<Clocked>();
    EXPECT_EQ(front.scheduledFor(), app.nextDue());
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(60000));
    // Switching the timer off leaves nothing to wait for: no timer runs.
    front.click(f, f.stop);
    EXPECT_EQ(app.nextDue(), std::nullopt);
    EXPECT_EQ(front.scheduledFor(), std::nullopt);
    ASSERT_NE(front.windowFor(&f), nullptr);
    EXPECT_TRUE(front.windowFor(&f)->isVisible());
}

TEST_F(FrontAppTest, ExpiryAdvancesTheModelAndRearms) {
    front.start<Clocked>();
    Clocked& f = *app.loadedForm<Clocked>();
    app.dispatch([&] { f.fast.setEnabled(true); });
    front.sync();
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(app.now() + 40));
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(5000);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (f.fastTicks >= 2) loop.quit();
    });
    poll.start(5);
    loop.exec();
    EXPECT_GE(f.fastTicks, 2);
    EXPECT_GE(app.now(), 80);
    EXPECT_EQ(front.scheduledFor(), app.nextDue());
    EXPECT_EQ(f.slowTicks, 0);
}

TEST_F(FrontAppTest, EndingTheModelClosesEverything) {
    front.start<Quitter>();
    Form* f = app.loadedForm<Quitter>();
    ASSERT_NE(front.windowFor(f), nullptr);
    front.close(*f);  // the default way out ends the program
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(ended);
    EXPECT_TRUE(front.windows().empty());
    EXPECT_EQ(front.scheduledFor(), std::nullopt);
}
