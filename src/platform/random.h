// The game's random source: uniform values in [0, 1), never 1.0.
#pragma once

#include <cstdint>
#include <deque>

namespace plat {

class Random {
public:
    virtual ~Random() = default;
    // Folds a clock reading into the state. It never restarts the sequence,
    // so several reseeds at one clock reading still give different values.
    virtual void reseed(std::uint64_t clock) = 0;
    // k / 2^24 for a 24-bit k: exact in single precision, so never 1.0.
    virtual float next() = 0;
};

// A seeded mixing generator (splitmix64).
class MixRandom : public Random {
public:
    explicit MixRandom(std::uint64_t seed) : state_(seed) {}
    void reseed(std::uint64_t clock) override;
    float next() override;

private:
    std::uint64_t nextWord();
    std::uint64_t state_;
    std::uint64_t reseeds_ = 0;
};

// Hands out given values first, then falls back to a seeded generator.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::uint64_t fallbackSeed = 1) : fallback_(fallbackSeed) {}
    void push(float value) { values_.push_back(value); }
    std::size_t pending() const { return values_.size(); }
    void reseed(std::uint64_t clock) override { fallback_.reseed(clock); }
    float next() override;

private:
    std::deque<float> values_;
    MixRandom fallback_;
};

}  // namespace plat
