// Classification, scoring and placing of one whole deal of ten seats.
// Counts heap allocations inside the timed loop: there should be none once
// the records' texts have grown to their longest.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "evaluation/player_cards.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

// Replaced to count; GCC cannot see that these two pair with each other.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

using kestrin::EvaluationContext;
using kestrin::kSeats;
using kestrin::PlayerRecord;
using kestrin::TableState;

// 25 distinct card texts: two per seat, then the board.
using Deal = std::array<std::string, 25>;

std::vector<Deal> make_deals(std::size_t count) {
    static const char* const ranks[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    static const char suits[] = {'c', 'd', 'h', 's'};
    std::vector<std::string> deck;
    for (const char* r : ranks)
        for (const char s : suits) deck.push_back(std::string(r) + s);
    std::mt19937 rng(20240607);
    std::vector<Deal> deals(count);
    for (Deal& d : deals) {
        std::shuffle(deck.begin(), deck.end(), rng);
        std::copy_n(deck.begin(), d.size(), d.begin());
    }
    return deals;
}

// What the deal writes before the classification: cards, board and the
// emptied hand fields.
void lay_out(TableState& t, const Deal& d) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& p = t.players[seat];
        const std::size_t i = static_cast<std::size_t>(seat - 1);
        p.cardtext1 = d[i];
        p.cardtext2 = d[i + kSeats];
        p.flop1 = d[20];
        p.flop2 = d[21];
        p.flop3 = d[22];
        p.flop4 = d[23];
        p.flop5 = d[24];
        p.handrank = 0;
        p.handnumber = 0;
        for (std::string* s : {&p.handvalue, &p.handvaluetops, &p.handvaluepair, &p.handvaluetwok,
                               &p.handvaluethreek, &p.handvaluestraight, &p.handvalueflush, &p.handvaluefullhouse,
                               &p.handvaluefourk, &p.handvaluesflush, &p.handvaluerflush}) {
            s->clear();
        }
    }
    t.flopvalue.clear();
}

void BM_ClassifyDeal(benchmark::State& state) {
    const std::vector<Deal> deals = make_deals(1024);
    TableState t;
    for (int seat = 1; seat <= kSeats; ++seat) t.players[seat].caption = "Opponent number " + std::to_string(seat);
    std::string label23;
    std::string winner;
    EvaluationContext ctx{t, label23, winner};

    // Let every text grow to its longest form once, as a long game would.
    for (int seat = 1; seat <= kSeats; ++seat) {
        PlayerRecord& p = t.players[seat];
        p.handvaluesflush = "straight flush 10";
        p.handvaluerflush = "royal flush diamonds";
        p.handvalue = p.handvaluerflush;
    }
    winner = t.players[1].caption + " royal flush diamonds";
    for (const Deal& d : deals) {
        lay_out(t, d);
        kestrin::evaluate_player_cards(ctx);
    }

    std::size_t next = 0;
    const long before = g_allocations.load();
    for (auto _ : state) {
        lay_out(t, deals[next]);
        kestrin::evaluate_player_cards(ctx);
        benchmark::DoNotOptimize(t.numberofwinners);
        next = (next + 1) % deals.size();
    }
    const long allocations = g_allocations.load() - before;
    state.counters["allocs/deal"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ClassifyDeal);

}  // namespace

BENCHMARK_MAIN();
