#include "platform/form.h"

#include <algorithm>

#include "platform/app.h"

namespace plat {

Form::Form(App& app, std::string name, Twips clientWidth, Twips clientHeight)
    : clientWidth(clientWidth), clientHeight(clientHeight), app_(&app), name_(std::move(name)) {}

Form::~Form() = default;

void Form::onClose() { app_->end(); }

void Form::show() {
    if (!loaded_ || app_->ended()) return;
    visible_ = true;
    if (!owner_) {
        for (Focusable* f : tabStops()) {
            if (f->shown()) {
                f->setFocus();
                break;
            }
        }
    }
    refresh();
}

void Form::hide() { visible_ = false; }

void Form::unload() {
    if (!loaded_) return;
    app_->formUnloaded(*this);
}

void Form::refresh() {}

Control* Form::find(std::string_view name, int index) const {
    for (Control* c : order_)
        if (c->name() == name && c->index() == index) return c;
    return nullptr;
}

std::vector<Timer*> Form::timers() const {
    std::vector<Timer*> out;
    for (const auto& t : timers_) out.push_back(t.get());
    return out;
}

Timer& Form::addTimer(std::string name, Ms interval, bool enabled) {
    timers_.push_back(std::make_unique<Timer>(*this, std::move(name), interval, enabled));
    timers_.back()->createSeq_ = ++app_->timerCounter_;
    return *timers_.back();
}

void Form::adopt(std::unique_ptr<Control> c) {
    if (auto* f = dynamic_cast<Focusable*>(c.get())) f->tabIndex = nextTabIndex_++;
    order_.push_back(c.get());
    owned_.push_back(std::move(c));
}

void Form::appendChildren(const Frame* container, std::vector<Control*>& out) const {
    for (int pass = 0; pass < 2; ++pass) {
        for (Control* c : order_) {
            if (c->parent != container || c->lightweight() != (pass == 0)) continue;
            out.push_back(c);
            if (c->kind() == ControlKind::Frame) appendChildren(static_cast<Frame*>(c), out);
        }
    }
}

std::vector<Control*> Form::paintOrder() const {
    std::vector<Control*> out;
    out.reserve(order_.size());
    appendChildren(nullptr, out);
    return out;
}

Control* Form::hitTest(Twips x, Twips y) const {
    const auto order = paintOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Control* c = *it;
        if (c->kind() == ControlKind::Shape || !c->shown() || !c->contains(x, y)) continue;
        return c;
    }
    return nullptr;
}

std::vector<Focusable*> Form::tabStops() const {
    std::vector<Focusable*> out;
    for (Control* c : order_) {
        auto* f = dynamic_cast<Focusable*>(c);
        if (f && f->tabStop && c->kind() != ControlKind::PictureBox) out.push_back(f);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Focusable* a, const Focusable* b) { return a->tabIndex < b->tabIndex; });
    return out;
}

}  // namespace plat
