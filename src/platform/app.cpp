#include "platform/app.h"

#include <algorithm>
#include <chrono>

#include "platform/utf8.h"

namespace plat {

App::App(std::unique_ptr<Random> random, bool realClock)
    : random_(random ? std::move(random) : std::make_unique<MixRandom>(0x4B657374)),
      realClock_(realClock) {}

App::~App() {
    // Forms hold no references to each other's controls, so any order works;
    // drop the queue first so nothing points at freed controls.
    queue_.clear();
    unloaded_.clear();
    forms_.clear();
}

Form* App::findLoaded(std::type_index t) const {
    for (const Slot& s : forms_)
        if (s.type == t && s.form->loaded()) return s.form.get();
    return nullptr;
}

std::vector<Form*> App::forms() const {
    std::vector<Form*> out;
    for (const Slot& s : forms_)
        if (s.form->loaded()) out.push_back(s.form.get());
    return out;
}

void App::install(std::type_index t, std::unique_ptr<Form> f) {
    Form& ref = *f;
    forms_.push_back({t, std::move(f)});
    load(ref);
}

void App::load(Form& f) {
    f.loaded_ = true;
    for (auto& t : f.timers_)
        if (t->enabled_) armTimer(*t);
    f.onLoad();
}

void App::end() {
    if (ended_) return;
    ended_ = true;
    queue_.clear();
    queueHead_ = 0;
    for (const Slot& s : forms_) {
        s.form->visible_ = false;
        for (auto& t : s.form->timers_) t->enabled_ = false;
    }
}

void App::formUnloaded(Form& f) {
    f.visible_ = false;
    f.loaded_ = false;
    f.owner_ = nullptr;
    for (auto& t : f.timers_) t->enabled_ = false;
    dropNotices(f);
    // Freed at the end of the dispatch: the handler that unloaded its own
    // form is still running.
    auto it = std::find_if(forms_.begin(), forms_.end(),
                           [&](const Slot& s) { return s.form.get() == &f; });
    if (it != forms_.end()) {
        unloaded_.push_back(std::move(it->form));
        forms_.erase(it);
    }
}

// ---- dispatch and focus ----------------------------------------------------

void App::dispatch(const std::function<void()>& fn) {
    if (ended_) return;
    ++depth_;
    fn();
    --depth_;
    if (depth_ == 0) settle();
}

void App::settle() {
    drainFocus();
    for (const Slot& s : forms_) {
        s.form->settledOwner_ = s.form->owner_;
        s.form->settledByUser_ = s.form->ownerByUser_;
    }
    unloaded_.clear();
    ++revision_;
}

void App::requestFocus(Focusable& c, bool byUser) {
    if (ended_) return;
    Form& f = c.form();
    if (!f.loaded() || !f.visible() || !c.shown()) {
        diagnose("focus given to " + c.name() + ", which cannot take it now");
        return;
    }
    // A request for the owner runs no events. From the user (a click, Tab)
    // it says he put the focus there; from the program it changes nothing,
    // so a handler that keeps asking for the focus where it already is (a
    // timer's tick) does not take over a place the user chose.
    if (f.owner_ == &c) {
        if (byUser) f.ownerByUser_ = true;
        return;
    }
    // Nor does the program take it over by sending the focus elsewhere and
    // back within one dispatch (a tick that passes it through another
    // control on its way back): the user never sees it leave. Once the user
    // has moved it himself in this dispatch, though, the program sending it
    // back is a move of the program's.
    if (byUser) f.settledOwner_ = nullptr;
    f.ownerByUser_ = byUser || (&c == f.settledOwner_ && f.settledByUser_);
    if (f.owner_) queue_.push_back({f.owner_, false});
    f.owner_ = &c;
    queue_.push_back({&c, true});
}

void App::dropNotices(const Form& f) {
    for (std::size_t i = queueHead_; i < queue_.size(); ++i)
        if (queue_[i].control && &queue_[i].control->form() == &f) queue_[i].control = nullptr;
}

void App::drainFocus() {
    for (;;) {
        while (queueHead_ < queue_.size() && !ended_) {
            Notice n = queue_[queueHead_++];
            if (!n.control || !n.control->form().loaded()) continue;
            auto& handler = n.got ? n.control->onGotFocus : n.control->onLostFocus;
            if (handler) handler();
        }
        queue_.clear();
        queueHead_ = 0;
        if (ended_) return;
        // A hidden owner loses the focus once the queue is empty; otherwise a
        // request for it later would do nothing.
        bool moved = false;
        for (const Slot& s : forms_) {
            Focusable* o = s.form->owner_;
            if (s.form->loaded() && o && !o->shown()) {
                s.form->owner_ = nullptr;
                queue_.push_back({o, false});
                moved = true;
            }
        }
        if (!moved) return;
    }
}

void App::diagnose(std::string what) { diagnostics_.push_back(std::move(what)); }

// ---- time ----------------------------------------------------------------

void App::armTimer(Timer& t) {
    t.due_ = now_ + t.interval_;
    t.armSeq_ = ++armCounter_;
}

Timer* App::dueTimer(Ms limit) const {
    Timer* best = nullptr;
    for (const Slot& s : forms_) {
        if (!s.form->loaded()) continue;
        for (const auto& t : s.form->timers_) {
            if (!t->enabled_ || t->due_ > limit) continue;
            if (!best || t->due_ < best->due_ ||
                (t->due_ == best->due_ &&
                 (t->armSeq_ < best->armSeq_ ||
                  (t->armSeq_ == best->armSeq_ && t->createSeq_ < best->createSeq_))))
                best = t.get();
        }
    }
    return best;
}

std::optional<Ms> App::nextDue() const {
    if (ended_) return std::nullopt;
    if (Timer* t = dueTimer(INT64_MAX)) return t->due_;
    return std::nullopt;
}

void App::fireTick(Timer& t, Ms target, bool catchUp) {
    now_ = std::max(now_, t.due_);
    dispatch([&] {
        const Ms due = t.due_;
        const std::uint64_t seq = t.armSeq_;
        if (t.onTimer) t.onTimer();
        // Reschedule unless the handler switched the timer off or re-armed it.
        if (t.enabled_ && t.armSeq_ == seq && t.form().loaded()) {
            t.due_ = due + t.interval_;
            if (!catchUp)
                while (t.due_ <= target) t.due_ += t.interval_;
        }
    });
}

void App::advanceTo(Ms t, bool catchUp) {
    while (!ended_) {
        Timer* next = dueTimer(t);
        if (!next) break;
        fireTick(*next, t, catchUp);
    }
    now_ = std::max(now_, t);
}

bool App::runNext() {
    auto due = nextDue();
    if (!due) return false;
    advanceTo(*due);
    return true;
}

bool App::runUntil(const std::function<bool()>& pred, int maxTicks) {
    for (int i = 0; i < maxTicks; ++i) {
        if (pred()) return true;
        if (!runNext()) return pred();
    }
    return pred();
}

void App::reseedFromClock() {
    if (realClock_) {
        const auto ns = std::chrono::steady_clock::now().time_since_epoch().count();
        random_->reseed(static_cast<std::uint64_t>(ns));
    } else {
        random_->reseed(static_cast<std::uint64_t>(now_));
    }
}

// ---- input ---------------------------------------------------------------

bool App::click(Control& c) {
    if (ended_ || !c.form().loaded() || !c.form().visible() || !c.shown()) return false;
    if (c.kind() == ControlKind::Shape || c.kind() == ControlKind::PictureBox) return false;
    dispatch([&] {
        Form& f = c.form();
        if (c.takesFocus()) {
            // The button takes the focus, and its focus events run, before
            // its click.
            const bool moves = f.owner() != &c;
            requestFocus(static_cast<Focusable&>(c), true);
            if (moves) {
                drainFocus();
                if (ended_ || !f.loaded() || !c.shown()) return;
            }
        }
        if (c.onClick) c.onClick();
    });
    return true;
}

bool App::clickAt(Form& f, Twips x, Twips y) {
    if (ended_ || !f.loaded() || !f.visible()) return false;
    Control* c = f.hitTest(x, y);
    return c ? click(*c) : false;
}

void App::moveFocusByTab(Form& f, bool backwards) {
    std::vector<Focusable*> stops;
    for (Focusable* s : f.tabStops())
        if (s->shown()) stops.push_back(s);
    if (stops.empty()) return;
    auto it = std::find(stops.begin(), stops.end(), f.owner());
    std::size_t i;
    if (it == stops.end()) {
        i = backwards ? stops.size() - 1 : 0;
    } else {
        const std::size_t at = static_cast<std::size_t>(it - stops.begin());
        i = backwards ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
    }
    requestFocus(*stops[i], true);
}

App::KeyOutcome App::key(Form& f, std::int16_t keyCode, std::int16_t shift, int ch) {
    KeyOutcome out;
    if (ended_ || !f.loaded() || !f.visible()) return out;
    out.handled = true;
    dispatch([&] {
        if (f.previewKeys) f.onKeyDown(keyCode, shift);
        if (ended_ || !f.loaded()) return;
        if (keyCode == keys::Tab) {
            moveFocusByTab(f, (shift & keys::ShiftMask) != 0);
            return;
        }
        if (ch == 0) return;
        Focusable* owner = f.owner();
        const bool ownerTakesKeys = owner && owner->shown();
        if (f.previewKeys || !ownerTakesKeys) {
            f.onKeyPress(ch);
            if (ch == 0 || ended_ || !f.loaded()) return;
        }
        owner = f.owner();
        if (!owner || !owner->shown()) return;
        if (owner->kind() == ControlKind::TextBox) {
            auto& box = static_cast<TextBox&>(*owner);
            if (box.onKeyPress) box.onKeyPress(ch);
            if (ch != 0) {
                out.insert = true;
                out.ch = ch;
            }
        } else if (owner->kind() == ControlKind::CommandButton && ch == ' ') {
            auto& button = static_cast<CommandButton&>(*owner);
            if (button.onClick && (!button.acceptsKeyClick || button.acceptsKeyClick())) button.onClick();
        }
    });
    return out;
}

void App::type(Form& f, std::string_view text) {
    for (char32_t cp : utf8::decode(text)) {
        std::int16_t code = 0;
        if (cp == '\r' || cp == '\n') {
            cp = '\r';
            code = keys::Enter;
        } else if (cp == '\t') {
            code = keys::Tab;
            key(f, code, 0, 0);
            continue;
        } else if (cp == 8) {
            code = keys::Backspace;
        } else if (cp >= 'a' && cp <= 'z') {
            code = static_cast<std::int16_t>(cp - 'a' + 'A');
        } else if (cp < 128) {
            code = static_cast<std::int16_t>(cp);
        }
        const KeyOutcome o = key(f, code, 0, static_cast<int>(cp));
        if (!o.insert) continue;
        auto* box = dynamic_cast<TextBox*>(f.owner());
        if (!box) continue;
        if (o.ch == 8)
            utf8::popBack(box->text);
        else if (TextBox::keeps(static_cast<char32_t>(o.ch)))
            utf8::append(box->text, static_cast<char32_t>(o.ch));
    }
}

void App::close(Form& f) {
    if (ended_ || !f.loaded()) return;
    dispatch([&] { f.onClose(); });
}

}  // namespace plat
