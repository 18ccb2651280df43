// Plays whole games headless: from the splash screen to the table, with the
// model clock, scripted input and a seeded generator, and audits the chips.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "platform/app.h"
#include "startup/settings.h"
#include "table/tables.h"

namespace kestrin::test {

class GameDriver {
public:
    explicit GameDriver(std::uint64_t seed, std::string_view name = "Ann");

    plat::App app;
    tables& table;

    // Chips the table must hold: the starting 10,000, plus what newcomers
    // brought, less what sitting out on the button cost.
    std::int64_t chipsOwed() const;
    // The stacks, and the pot until the showdown has paid it out.
    std::int64_t chipsHeld() const;

    // The user's turn is open: the bet panel stands.
    bool panelUp() const;
    // The game is waiting for the user: no timer is on.
    bool waiting() const { return !app.ended() && !app.nextDue(); }
};

// A user who acts at random: every button, amounts good and bad, Enter, Tab,
// F9, F10, "Sit Out" and clicks anywhere but on "Exit". Half of the time it
// plays with sense instead (it peeks at its place, so it lasts to the final
// table often enough and wins there now and then), otherwise it would be out
// within a few hands.
class RandomUser {
public:
    explicit RandomUser(std::uint64_t seed) : rng_(seed) {}
    // One input, as one dispatch.
    void act(GameDriver& game);
    // A sensible move on the bet panel: in with first place, often all in,
    // out otherwise.
    void play(GameDriver& game);

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    std::mt19937_64 rng_;
};

}  // namespace kestrin::test
