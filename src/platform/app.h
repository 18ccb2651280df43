// The program: its forms, one dispatcher for every outside event, the
// deferred focus queue, the model clock and its timers, and the random
// source. The game never runs the dispatcher itself.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/random.h"

namespace plat {

namespace keys {
inline constexpr std::int16_t Backspace = 8;
inline constexpr std::int16_t Tab = 9;
inline constexpr std::int16_t Enter = 13;
inline constexpr std::int16_t Shift = 16;
inline constexpr std::int16_t Control = 17;
inline constexpr std::int16_t Escape = 27;
inline constexpr std::int16_t Space = 32;
inline constexpr std::int16_t Left = 37;
inline constexpr std::int16_t Up = 38;
inline constexpr std::int16_t Right = 39;
inline constexpr std::int16_t Down = 40;
inline constexpr std::int16_t F1 = 112;
inline constexpr std::int16_t F9 = 120;
inline constexpr std::int16_t F10 = 121;
inline constexpr std::int16_t ShiftMask = 1;
}  // namespace keys

class App {
public:
    // realClock: reseeds mix the wall clock; otherwise the model clock, so a
    // seeded test replays the same game.
    explicit App(std::unique_ptr<Random> random = nullptr, bool realClock = false);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The one instance of a form; using a form that is not loaded loads it,
    // and its load handler runs to its end first.
    template <class F>
    F& form() {
        if (Form* f = findLoaded(typeid(F))) return static_cast<F&>(*f);
        auto owned = std::make_unique<F>(*this);
        F& ref = *owned;
        install(typeid(F), std::move(owned));
        return ref;
    }
    template <class F>
    F* loadedForm() const {
        return static_cast<F*>(findLoaded(typeid(F)));
    }
    std::vector<Form*> forms() const;  // loaded, in load order

    // Loads and shows the start-up form, as one dispatch.
    template <class F>
    void start() {
        dispatch([this] { form<F>().show(); });
    }
    // Ends the program at once: timers stop, queued focus events are
    // dropped, windows close, nothing more is dispatched.
    void end();
    bool ended() const { return ended_; }

    // Model time. It moves only between dispatches.
    Ms now() const { return now_; }
    std::optional<Ms> nextDue() const;
    // Fires every tick due up to t, in order, one dispatch each. Without
    // catch-up a timer that fell behind (a stalled real clock) ticks once
    // and its missed ticks are skipped.
    void advanceTo(Ms t, bool catchUp = true);
    // Jumps to the next due tick and fires it; false when no timer is on.
    bool runNext();
    // Runs ticks until pred holds, no timer is on, or maxTicks ticks ran.
    bool runUntil(const std::function<bool()>& pred, int maxTicks = 1000000);

    // Input, one dispatch each; ignored for hidden or unloaded targets.
    bool click(Control& c);
    bool clickAt(Form& f, Twips x, Twips y);
    struct KeyOutcome {
        bool handled = false;
        bool insert = false;  // the character should go into the focused text box
        int ch = 0;
    };
    KeyOutcome key(Form& f, std::int16_t keyCode, std::int16_t shift = 0, int ch = 0);
    // Types UTF-8 text key by key, editing the focused text box as a user's
    // typing would (Backspace deletes the last character).
    void type(Form& f, std::string_view text);
    void close(Form& f);

    Random& random() { return *random_; }
    void reseedFromClock();

    // Bumped at the end of every dispatch, for repaints.
    std::uint64_t revision() const { return revision_; }
    // Programming errors of the game (focus to a hidden control and so on);
    // tests fail on them.
    std::vector<std::string>& diagnostics() { return diagnostics_; }

    // Runs fn as one dispatch: the handler, then the focus queue, then the
    // release of unloaded forms.
    void dispatch(const std::function<void()>& fn);

private:
    friend class Focusable;
    friend class Form;
    friend class Timer;

    struct Slot {
        std::type_index type;
        std::unique_ptr<Form> form;
    };
    struct Notice {
        Focusable* control;
        bool got;
    };

    Form* findLoaded(std::type_index t) const;
    void install(std::type_index t, std::unique_ptr<Form> f);
    void load(Form& f);
    void requestFocus(Focusable& c, bool byUser = false);
    void drainFocus();
    void dropNotices(const Form& f);
    void formUnloaded(Form& f);
    void armTimer(Timer& t);
    Timer* dueTimer(Ms limit) const;
    void fireTick(Timer& t, Ms target, bool catchUp);
    void settle();
    void diagnose(std::string what);
    void moveFocusByTab(Form& f, bool backwards);

    std::unique_ptr<Random> random_;
    bool realClock_;
    std::vector<Slot> forms_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    std::vector<Notice> queue_;
    std::size_t queueHead_ = 0;
    int depth_ = 0;
    bool ended_ = false;
    Ms now_ = 0;
    std::uint64_t armCounter_ = 0;
    std::uint64_t timerCounter_ = 0;
    std::uint64_t revision_ = 0;
    std::vector<std::string> diagnostics_;
};

}  // namespace plat
