#include "platform/random.h"

namespace plat {

std::uint64_t MixRandom::nextWord() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void MixRandom::reseed(std::uint64_t clock) {
    ++reseeds_;
    state_ ^= (clock * 0xD1B54A32D192ED03ull) ^ (reseeds_ * 0x8CB92BA72F3D8DD7ull);
    nextWord();
}

float MixRandom::next() {
    return static_cast<float>(nextWord() >> 40) / 16777216.0f;
}

float ScriptedRandom::next() {
    if (values_.empty()) return fallback_.next();
    float v = values_.front();
    values_.pop_front();
    return v;
}

}  // namespace plat
