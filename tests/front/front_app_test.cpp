// The front end drives the model clock from its clock with one timer set to
// the next due tick, and matches its windows to the model's forms. The clock
// here is a manual one: nothing depends on the pace of the machine.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "front/form_window.h"
#include "front/front_app.h"
#include "platform/app.h"

using namespace plat;
using kestrin::front::FrontApp;
using kestrin::front::ManualClock;

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
    ManualClock clock;
    FrontApp front{app, clock};
    bool ended = false;
    void SetUp() override { front.onEnded = [this] { ended = true; }; }
};

}  // namespace

TEST_F(FrontAppTest, TimerFollowsNextDue) {
    front.start<Clocked>();
    Clocked& f = *app.loadedForm<Clocked>();
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(60000));
    clock.set(59999);
    front.update();
    EXPECT_EQ(f.slowTicks, 0);
    clock.set(60000);
    front.update();
    EXPECT_EQ(f.slowTicks, 1);
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(120000));
    // Switching the timer off leaves nothing to wait for: no timer runs.
    front.click(f, f.stop);
    EXPECT_EQ(app.nextDue(), std::nullopt);
    EXPECT_EQ(front.scheduledFor(), std::nullopt);
    ASSERT_NE(front.windowFor(&f), nullptr);
    EXPECT_TRUE(front.windowFor(&f)->isVisible());
}

// A clock that jumped over several ticks (a machine that stalled) fires one
// and lets the missed ones go.
TEST_F(FrontAppTest, AClockThatJumpsFiresOneTickAndSkipsTheMissedOnes) {
    front.start<Clocked>();
    Clocked& f = *app.loadedForm<Clocked>();
    app.dispatch([&] { f.fast.setEnabled(true); });
    front.sync();
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(40));
    clock.set(40);
    front.update();
    EXPECT_EQ(f.fastTicks, 1);
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(80));
    clock.set(200);
    front.update();
    EXPECT_EQ(f.fastTicks, 2);
    EXPECT_EQ(app.now(), 200);
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(240));
    EXPECT_EQ(f.slowTicks, 0);
}

// The Qt timer fires in the event loop by itself and brings the model to the
// clock's time: exactly the ticks due by then, however long the wait took.
TEST_F(FrontAppTest, TheEventLoopRunsTheTicksThatAreDue) {
    front.start<Clocked>();
    Clocked& f = *app.loadedForm<Clocked>();
    app.dispatch([&] { f.fast.setEnabled(true); });
    clock.set(40);
    front.sync();
    QEventLoop loop;
    QTimer poll;  // every pass of the loop
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (f.fastTicks > 0) loop.quit();
    });
    poll.start(0);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);  // only a bound on a hang
    loop.exec();
    EXPECT_EQ(f.fastTicks, 1);
    EXPECT_EQ(app.now(), 40);
    EXPECT_EQ(front.scheduledFor(), std::optional<Ms>(80));
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
