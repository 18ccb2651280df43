// A form's timer: while enabled, its tick handler runs once per interval of
// model time, each tick a dispatch of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/basics.h"

namespace plat {

class Form;

class Timer {
public:
    Timer(Form& form, std::string name, Ms interval, bool enabled);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    Form& form() const { return *form_; }
    const std::string& name() const { return name_; }
    Ms interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    // Switching on a timer that is off arms it one interval from now;
    // switching on a timer that is on keeps its phase; switching off drops
    // the pending tick.
    void setEnabled(bool on);

    std::function<void()> onTimer;

private:
    friend class App;
    friend class Form;
    void arm();

    Form* form_;
    std::string name_;
    Ms interval_;
    bool enabled_;
    Ms due_ = 0;
    std::uint64_t armSeq_ = 0;
    std::uint64_t createSeq_ = 0;
};

}  // namespace plat
