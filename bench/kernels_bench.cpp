// Flat-array kernels at the shapes the solver meets: A actions, H hands.
#include "core/cfr_kernels.h"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

std::vector<float> filled(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    std::vector<float> v(n);
    for (float& x : v) {
        x = dist(rng);
    }
    return v;
}

void shapes(benchmark::internal::Benchmark* b) {
    for (int actions : {2, 3, 5}) {
        for (int hands : {64, 330, 500, 1176}) {
            b->Args({actions, hands});
        }
    }
}

void BM_RegretMatching(benchmark::State& state) {
    const std::size_t a = state.range(0), h = state.range(1);
    auto regrets = filled(a * h, 1);
    std::vector<float> strategy(a * h), scratch(h);
    for (auto _ : state) {
        quendal::regret_matching(strategy.data(), scratch.data(), regrets.data(), a, h);
        benchmark::DoNotOptimize(strategy.data());
    }
}
BENCHMARK(BM_RegretMatching)->Apply(shapes);

void BM_UpdateRegrets(benchmark::State& state) {
    const std::size_t a = state.range(0), h = state.range(1);
    auto regrets = filled(a * h, 2), values = filled(a * h, 3), node = filled(h, 4);
    for (auto _ : state) {
        quendal::update_regrets(regrets.data(), values.data(), node.data(), a, h, 0.99f, 0.5f);
        benchmark::DoNotOptimize(regrets.data());
    }
}
BENCHMARK(BM_UpdateRegrets)->Apply(shapes);

void BM_FmaActions(benchmark::State& state) {
    const std::size_t a = state.range(0), h = state.range(1);
    auto strategy = filled(a * h, 5), values = filled(a * h, 6);
    std::vector<float> out(h);
    for (auto _ : state) {
        quendal::fma_actions(out.data(), strategy.data(), values.data(), a, h);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_FmaActions)->Apply(shapes);

void BM_StrategySumUpdate(benchmark::State& state) {
    const std::size_t n = state.range(0) * state.range(1);
    auto sums = filled(n, 7), sigma = filled(n, 8);
    for (auto _ : state) {
        quendal::strategy_sum_update(sums.data(), sigma.data(), 0.98f, n);
        benchmark::DoNotOptimize(sums.data());
    }
}
BENCHMARK(BM_StrategySumUpdate)->Apply(shapes);

void BM_SumRowsInto(benchmark::State& state) {
    const std::size_t a = state.range(0), h = state.range(1);
    auto rows = filled(a * h, 9);
    std::vector<float> out(h);
    for (auto _ : state) {
        quendal::sum_rows_into(out.data(), rows.data(), a, h);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_SumRowsInto)->Apply(shapes);

}  // namespace
