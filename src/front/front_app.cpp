#include "front/front_app.h"

#include <algorithm>
#include <climits>

#include <QCoreApplication>

#include "front/form_window.h"
#include "front/renderer.h"

namespace kestrin::front {

// ownClock_ is constructed before the delegated constructor reads clock_.
FrontApp::FrontApp(plat::App& app) : FrontApp(app, ownClock_) {}

FrontApp::FrontApp(plat::App& app, Clock& clock)
    : app_(app), clock_(clock), clockStart_(clock.elapsed()), base_(app.now()) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.callOnTimeout([this] {
        scheduledFor_.reset();
        update();
    });
}

FrontApp::~FrontApp() {
    timer_.stop();
    for (FormWindow* w : windows_) delete w;
    for (const QPointer<FormWindow>& w : dying_) delete w.data();
}

plat::Ms FrontApp::clockNow() const {
    return std::max(app_.now(), base_ + (clock_.elapsed() - clockStart_));
}

void FrontApp::catchUp() { app_.advanceTo(clockNow(), /*catchUp=*/false); }

void FrontApp::update() {
    catchUp();
    sync();
}

bool FrontApp::live(const plat::Form* form) const {
    if (!form) return false;
    const auto forms = app_.forms();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

FormWindow* FrontApp::windowFor(const plat::Form* form) const {
    for (FormWindow* w : windows_)
        if (w->form() == form) return w;
    return nullptr;
}

plat::App::KeyOutcome FrontApp::key(plat::Form& form, std::int16_t code, std::int16_t shift,
                                    int ch) {
    catchUp();
    plat::App::KeyOutcome out;
    if (live(&form)) out = app_.key(form, code, shift, ch);
    sync();
    return out;
}

bool FrontApp::clickAt(plat::Form& form, plat::Twips x, plat::Twips y) {
    catchUp();
    const bool done = live(&form) && app_.clickAt(form, x, y);
    sync();
    return done;
}

bool FrontApp::click(plat::Form& form, plat::Control& control) {
    catchUp();
    const bool done = live(&form) && app_.click(control);
    sync();
    return done;
}

void FrontApp::close(plat::Form& form) {
    catchUp();
    if (live(&form)) app_.close(form);
    sync();
}

void FrontApp::sync() {
    if (syncing_ || finished_) return;
    syncing_ = true;
    if (app_.ended()) {
        finish();
        syncing_ = false;
        return;
    }
    const auto forms = app_.forms();
    bool changed = false;
    // Windows of forms that were unloaded go; the form object may already be
    // freed, so it is only compared, never read, unless it is still loaded.
    for (auto it = windows_.begin(); it != windows_.end();) {
        FormWindow* w = *it;
        const bool loaded = std::find(forms.begin(), forms.end(), w->form()) != forms.end();
        if (loaded && w->form()->name() == w->formName()) {
            ++it;
            continue;
        }
        w->detach();
        w->hide();
        w->deleteLater();
        dying_.emplace_back(w);
        it = windows_.erase(it);
        changed = true;
    }
    for (plat::Form* f : forms) {
        if (windowFor(f)) continue;
        windows_.push_back(new FormWindow(*this, *f));
        changed = true;
    }
    if (changed || app_.revision() != seenRevision_) {
        seenRevision_ = app_.revision();
        for (FormWindow* w : windows_) w->syncFromModel();
    }
    schedule();
    syncing_ = false;
}

void FrontApp::schedule() {
    const auto due = app_.nextDue();
    if (!due) {
        timer_.stop();
        scheduledFor_.reset();
        return;
    }
    if (scheduledFor_ == due && timer_.isActive()) return;
    const plat::Ms delay = std::clamp<plat::Ms>(*due - clockNow(), 0, INT_MAX);
    scheduledFor_ = due;
    timer_.start(static_cast<int>(delay));
}

std::optional<plat::Ms> FrontApp::scheduledFor() const {
    if (!timer_.isActive()) return std::nullopt;
    return scheduledFor_;
}

void FrontApp::finish() {
    finished_ = true;
    timer_.stop();
    scheduledFor_.reset();
    for (FormWindow* w : windows_) {
        w->detach();
        w->hide();
        w->deleteLater();
        dying_.emplace_back(w);
    }
    windows_.clear();
    if (onEnded) {
        onEnded();
        return;
    }
    // Queued, so it also works when the model ends before the loop runs.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace kestrin::front
