// One next deal on the table window, headless: the field's steps, the reset,
// the draw of 25 cards, the button, the deal and both runs of the
// classification, then the focus handed to the first seat.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "platform/app.h"
#include "table/tables.h"

namespace {

using kestrin::tables;

void run_deals(benchmark::State& state, std::int16_t playersOut) {
    plat::App app(std::make_unique<plat::MixRandom>(42));
    app.start<tables>();
    tables& table = app.form<tables>();
    for (auto _ : state) {
        // Hold the field where it is, so every deal takes the same road.
        table.field.players_out = playersOut;
        table.field.chips_out = 1000 * std::min<std::int32_t>(playersOut, 990);
        for (int seat = 1; seat <= kestrin::kSeats; ++seat) table.state.players[seat].prize = 1000;
        app.dispatch([&] { table.new_deal(); });
        benchmark::DoNotOptimize(table.state.players[1].handnumber);
    }
}

void BM_NewDealLargeField(benchmark::State& state) { run_deals(state, 500); }
void BM_NewDealFinalTable(benchmark::State& state) { run_deals(state, 995); }

}  // namespace

BENCHMARK(BM_NewDealLargeField);
BENCHMARK(BM_NewDealFinalTable);
BENCHMARK_MAIN();
