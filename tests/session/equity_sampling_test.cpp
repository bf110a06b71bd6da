#include "session/equity_sampling.h"

#include "core/hand_evaluator.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

quendal::CardCode card(const char* text) {
    return quendal::parse_card(text);
}

// The draws agree with the standard library's own for this engine.
TEST(EquitySampling, DrawsMatchTheStandardDistributions) {
    std::mt19937 mine(5), standard(5);
    for (std::uint32_t i = 0; i < 20000; ++i) {
        const std::uint32_t m = 1 + (i * 7919u) % 1326;
        std::uniform_int_distribution<std::uint32_t> d(0, m - 1);
        const std::uint32_t x = uniform_below(mine, m);
        ASSERT_EQ(x, d(standard)) << i;
        ASSERT_LT(x, m);
    }
    std::mt19937 a(7), b(7);
    for (int i = 0; i < 2000; ++i) {
        const double r = canonical_real(a);
        ASSERT_EQ(r, (std::generate_canonical<double, 53>(b))) << i;
        ASSERT_LT(r, 1.0);
    }
}

TEST(EquitySampling, CumulativeWeightsAndWeightedIndex) {
    CumulativeWeights table;
    build_cumulative_weights(table, {0.5, -1.0, NAN, 0.0, 1.5, INFINITY});
    EXPECT_EQ(table.running, (std::vector<double>{0.5, 0.5, 0.5, 0.5, 2.0, 2.0}));
    EXPECT_EQ(table.total, 2.0);
    std::mt19937 generator(3);
    int first = 0, fifth = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::int64_t k = weighted_random_index(table, generator);
        ASSERT_TRUE(k == 0 || k == 4) << k;  // never a weightless entry
        (k == 0 ? first : fifth)++;
    }
    EXPECT_NEAR(first / 4000.0, 0.25, 0.03);
    CumulativeWeights empty;
    build_cumulative_weights(empty, {0.0, -2.0});
    EXPECT_EQ(weighted_random_index(empty, generator), -1);
    build_cumulative_weights(empty, {});
    EXPECT_EQ(weighted_random_index(empty, generator), -1);
}

TEST(EquitySampling, RangeEquityEdgeCases) {
    const std::vector<quendal::CardCode> flop = {card("Ah"), card("8d"), card("3c")};
    const quendal::PocketList aces = {quendal::make_pocket(card("As"), card("Ad"))};
    const quendal::PocketList kings = {quendal::make_pocket(card("Ks"), card("Kd"))};
    std::mt19937 generator(1);
    // Set of aces against kings on this flop: the kings need runner-runner.
    const double e =
        sample_equity_vs_range(generator, flop, 255, 255, aces, kings, {1.0}, {1.0f}, 4000);
    EXPECT_GT(e, 0.97);
    EXPECT_LE(e, 1.0);
    EXPECT_TRUE(std::isnan(
        sample_equity_vs_range(generator, flop, 255, 255, aces, kings, {1.0}, {1.0f}, 0)));
    EXPECT_TRUE(std::isnan(
        sample_equity_vs_range(generator, flop, 255, 255, aces, kings, {0.0}, {1.0f}, 100)));
    EXPECT_TRUE(std::isnan(
        sample_equity_vs_range(generator, flop, 255, 255, aces, kings, {1.0}, {1.0f, 1.0f}, 100)));
    // Every villain hand meets the hero's cards: no attempt is done.
    const quendal::PocketList blockers = {quendal::make_pocket(card("As"), card("Kc"))};
    EXPECT_TRUE(std::isnan(
        sample_equity_vs_range(generator, flop, 255, 255, aces, blockers, {1.0}, {1.0f}, 200)));
    // A hero hand holding the dealt turn card is never counted.
    const double turned =
        sample_equity_vs_range(generator, flop, card("Ks"), 255, kings, aces, {1.0}, {1.0f}, 200);
    EXPECT_TRUE(std::isnan(turned));
}

}  // namespace
}  // namespace quendal_app
