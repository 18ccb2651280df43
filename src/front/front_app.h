// Runs the model inside Qt's event loop: one window per loaded form, input
// handed to the model as one dispatch each, the model clock driven from a
// Clock (the monotonic clock unless a test gives its own) by a single
// one-shot timer set to the next due tick (so an idle game sleeps), and
// repaints only when the model changed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QPointer>
#include <QTimer>

#include "front/clock.h"
#include "platform/app.h"

namespace kestrin::front {

class FormWindow;

class FrontApp {
public:
    // Model time follows `clock` from now on; the first form counts from the
    // model's current time.
    explicit FrontApp(plat::App& app);  // on the monotonic clock
    FrontApp(plat::App& app, Clock& clock);
    ~FrontApp();
    FrontApp(const FrontApp&) = delete;
    FrontApp& operator=(const FrontApp&) = delete;

    plat::App& app() const { return app_; }

    template <class F>
    void start() {
        catchUp();
        app_.start<F>();
        sync();
    }

    // Input, each brought to the model's current time first and followed
    // by a sync. A form or control that is gone by then is ignored.
    plat::App::KeyOutcome key(plat::Form& form, std::int16_t code, std::int16_t shift, int ch);
    bool clickAt(plat::Form& form, plat::Twips x, plat::Twips y);
    bool click(plat::Form& form, plat::Control& control);
    void close(plat::Form& form);

    // Model time that corresponds to the clock now.
    plat::Ms clockNow() const;
    // Fires the ticks that are due by now, without catching up on missed ones.
    void catchUp();
    // catchUp() then sync(): what the timer does when it fires.
    void update();
    // Matches windows to the model: creates and drops them, shows and hides
    // them, repaints when the revision moved, and re-arms the timer.
    void sync();

    bool live(const plat::Form* form) const;
    FormWindow* windowFor(const plat::Form* form) const;
    const std::vector<FormWindow*>& windows() const { return windows_; }

    // The model time the timer is set for, if it is running.
    std::optional<plat::Ms> scheduledFor() const;
    // Called after any window has painted (start-up timing, tests).
    std::function<void()> onPainted;
    // Called once the model has ended; by default the Qt application quits.
    std::function<void()> onEnded;
    void notifyPainted() {
        if (onPainted) onPainted();
    }

private:
    void schedule();
    void finish();

    plat::App& app_;
    MonotonicClock ownClock_;
    Clock& clock_;
    plat::Ms clockStart_;
    plat::Ms base_;
    QTimer timer_;
    std::optional<plat::Ms> scheduledFor_;
    std::uint64_t seenRevision_ = ~std::uint64_t(0);
    std::vector<FormWindow*> windows_;
    std::vector<QPointer<FormWindow>> dying_;
    bool syncing_ = false;
    bool finished_ = false;
};

}  // namespace kestrin::front
