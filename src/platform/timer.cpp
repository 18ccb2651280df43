#include "platform/timer.h"

#include "platform/app.h"
#include "platform/form.h"

namespace plat {

Timer::Timer(Form& form, std::string name, Ms interval, bool enabled)
    : form_(&form), name_(std::move(name)), interval_(interval), enabled_(enabled) {}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) arm();
}

void Timer::arm() {
    if (form_->loaded() && !form_->app().ended()) form_->app().armTimer(*this);
}

}  // namespace plat
