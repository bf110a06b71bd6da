// Repeatable Monte Carlo equity: the draws every sampler of the session
// makes from a standard 32-bit Mersenne Twister, a cumulative-weight table,
// and one range's equity against another.
#pragma once

#include "core/card.h"
#include "core/pocket.h"

#include <cstdint>
#include <random>
#include <vector>

namespace quendal_app {

// An integer in [0, m), m >= 1: the high half of x × m, redrawn while the
// low half falls in the biased zone.
std::uint32_t uniform_below(std::mt19937& generator, std::uint32_t m);

// A double in [0, 1) from two outputs: (x1 + x2 × 2^32) / 2^64.
double canonical_real(std::mt19937& generator);

struct CumulativeWeights {
    std::vector<double> running;
    double total = 0.0;
};

// One running total per weight; weights that are not positive and finite add nothing.
void build_cumulative_weights(CumulativeWeights& table, const std::vector<double>& weights);

// The first position whose running total reaches a uniform draw × total (the
// last when none does); -1 when the table is empty or its total is not positive.
std::int64_t weighted_random_index(const CumulativeWeights& table, std::mt19937& generator);

// The first position of `running` not below `u`, or the last.
std::size_t first_reaching(const std::vector<double>& running, double u);

// Equity of the hero range against the villain range on the flop `board`
// with the turn and river (255 when not dealt) drawn per attempt; NaN when
// nothing could be sampled.
double sample_equity_vs_range(std::mt19937& generator, const std::vector<quendal::CardCode>& board,
                              quendal::CardCode turn, quendal::CardCode river,
                              const quendal::PocketList& hero_pockets,
                              const quendal::PocketList& villain_pockets,
                              const std::vector<double>& hero_weights,
                              const std::vector<float>& villain_weights, std::uint32_t samples);

}  // namespace quendal_app
