// Hand evaluation and the runout ranking built on it.
#include "core/card_context.h"
#include "core/hand_evaluator.h"
#include "core/range.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>
#include <vector>

namespace {

using namespace quendal;

// Seven distinct cards per deal, drawn once so the timing holds only the evaluator.
std::vector<std::array<CardCode, 7>> random_deals(std::size_t n) {
    std::mt19937 rng(11);
    std::array<CardCode, kCardCount> deck{};
    std::iota(deck.begin(), deck.end(), CardCode{0});
    std::vector<std::array<CardCode, 7>> deals(n);
    for (auto& deal : deals) {
        std::shuffle(deck.begin(), deck.end(), rng);
        std::copy_n(deck.begin(), 7, deal.begin());
    }
    return deals;
}

void BM_EvaluateSeven(benchmark::State& state) {
    const auto deals = random_deals(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate_seven(deals[i]));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_EvaluateSeven);

// The whole per-flop ranking: every runout, both ranges (about 500 and 330
// live hands), at 1 and 8 workers.
void BM_CardContextFlop(benchmark::State& state) {
    const Board board = {static_cast<CardCode>(48), static_cast<CardCode>(25),
                         static_cast<CardCode>(4), kNoCard, kNoCard};
    const PerSeat<RangeWeights> ranges = {
        parse_range("22+, A2s+, K2s+, Q4s+, J6s+, T6s+, 96s+, 85s+, 75s+, 64s+, 54s, A2o+, K8o+, "
                    "Q9o+, J9o+, T9o"),
        parse_range("22+, A2s+, K7s+, Q8s+, J8s+, T8s+, 98s, 87s, 76s, ATo+, KJo+")};
    for (auto _ : state) {
        CardContext context(board, ranges);
        benchmark::DoNotOptimize(context.runouts.data());
    }
}
BENCHMARK(BM_CardContextFlop)->Unit(benchmark::kMillisecond);

}  // namespace
