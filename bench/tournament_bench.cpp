// Whole tournaments of game logic on the model clock, no drawing: the user
// always calls or checks. Reports hands per second and the peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "platform/app.h"
#include "startup/settings.h"
#include "startup/splash.h"
#include "table/tables.h"

namespace {

using namespace kestrin;

// Plays one tournament to its end; returns the hands played.
int playTournament(std::uint64_t seed) {
    plat::App app(std::make_unique<plat::MixRandom>(seed));
    app.start<frmSplash>();
    app.runNext();
    app.click(app.form<settings>().Command1);
    tables& t = *app.loadedForm<tables>();
    int hands = 0;
    bool decided = false;
    while (!app.ended()) {
        if (t.state.closer == 1 && !t.Timer1.enabled()) break;  // won: waits for "Exit"
        if (!app.nextDue()) {
            if (!app.click(t.Command7.visible ? t.Command7 : t.Command5)) break;
        } else {
            app.runNext();
        }
        if (t.state.gameover && !decided) ++hands;
        decided = t.state.gameover;
    }
    return hands;
}

void BM_Tournament(benchmark::State& state) {
    std::uint64_t seed = 1;
    std::int64_t hands = 0;
    for (auto _ : state) hands += playTournament(seed++);
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
    state.counters["hands/tournament"] = static_cast<double>(hands) / static_cast<double>(state.iterations());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_kb"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(BM_Tournament)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
