// The time the front end drives the model clock by: the machine's monotonic
// clock in the program, a clock that moves only when told in tests.
#pragma once

#include <chrono>

#include "platform/basics.h"

namespace kestrin::front {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed start; never goes back.
    virtual plat::Ms elapsed() const = 0;
};

class MonotonicClock final : public Clock {
public:
    plat::Ms elapsed() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

class ManualClock final : public Clock {
public:
    plat::Ms elapsed() const override { return now_; }
    // Time is now t; a clock never goes back, so an earlier t is ignored.
    void set(plat::Ms t) {
        if (t > now_) now_ = t;
    }
    void advance(plat::Ms d) { set(now_ + d); }

private:
    plat::Ms now_ = 0;
};

}  // namespace kestrin::front
