#include "core/cfr_kernels.h"

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

std::vector<float> random_values(std::size_t n, std::mt19937& rng, float lo = -2.0f,
                                 float hi = 2.0f) {
    std::uniform_real_distribution<float> dist(lo, hi);
    std::vector<float> v(n);
    for (float& x : v) {
        x = dist(rng);
    }
    return v;
}

void expect_close(const std::vector<float>& got, const std::vector<double>& want, const char* what,
                  std::size_t a, std::size_t h) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (std::isnan(want[i])) {
            EXPECT_TRUE(std::isnan(got[i])) << what << " A=" << a << " H=" << h << " i=" << i;
        } else {
            EXPECT_NEAR(got[i], want[i], 1e-5 * (1.0 + std::fabs(want[i])))
                << what << " A=" << a << " H=" << h << " i=" << i;
        }
    }
}

// Every kernel against the plain formula, for lengths that cover the vector
// body, the remainder and both together.
TEST(CfrKernels, MatchScalarFormulasForAllShapes) {
    std::mt19937 rng(3);
    for (std::size_t actions : {1u, 2u, 3u, 5u}) {
        for (std::size_t hands = 0; hands <= 33; ++hands) {
            const std::size_t n = actions * hands;
            const auto strategy = random_values(n, rng, 0.0f, 1.0f);
            const auto values = random_values(n, rng);
            const auto node = random_values(hands, rng);

            std::vector<float> out(hands, 7.0f);
            fma_actions(out.data(), strategy.data(), values.data(), actions, hands);
            std::vector<double> want(hands, 0.0);
            for (std::size_t h = 0; h < hands; ++h) {
                for (std::size_t a = 0; a < actions; ++a) {
                    want[h] += double(strategy[a * hands + h]) * values[a * hands + h];
                }
            }
            expect_close(out, want, "fma_actions", actions, hands);

            auto regrets = random_values(n, rng);
            if (n > 0) {
                regrets[n / 2] = kNaN;
            }
            std::vector<double> want_r(n);
            for (std::size_t a = 0; a < actions; ++a) {
                for (std::size_t h = 0; h < hands; ++h) {
                    const std::size_t i = a * hands + h;
                    const double r = regrets[i];
                    const double factor = r >= 0.0 ? 0.9 : 0.25;  // NaN takes the negative factor
                    want_r[i] = double(float(factor * r + values[i])) - node[h];
                }
            }
            update_regrets(regrets.data(), values.data(), node.data(), actions, hands, 0.9f, 0.25f);
            expect_close(regrets, want_r, "update_regrets", actions, hands);

            std::vector<float> sums = random_values(n, rng);
            std::vector<double> want_s(n);
            for (std::size_t i = 0; i < n; ++i) {
                want_s[i] = 0.5 * sums[i] + strategy[i];
            }
            strategy_sum_update(sums.data(), strategy.data(), 0.5f, n);
            expect_close(sums, want_s, "strategy_sum_update", actions, hands);

            std::vector<float> acc(hands, 1.5f);
            std::vector<double> want_acc(hands, 1.5);
            for (std::size_t a = 0; a < actions; ++a) {
                for (std::size_t h = 0; h < hands; ++h) {
                    want_acc[h] += values[a * hands + h];
                }
            }
            sum_rows_into(acc.data(), values.data(), actions, hands);
            expect_close(acc, want_acc, "sum_rows_into", actions, hands);

            // Bit-exact: summed in double in action order, rounded once. Values
            // of very different sizes make float summation differ.
            std::vector<float> mixed = values;
            for (std::size_t i = 0; i < n; i += 2) {
                mixed[i] *= 3.0e7f;
            }
            std::vector<float> summed(hands, 7.0f);
            sum_actions_double(summed.data(), mixed.data(), actions, hands);
            for (std::size_t h = 0; h < hands; ++h) {
                double want_sum = 0.0;
                for (std::size_t a = 0; a < actions; ++a) {
                    want_sum += mixed[a * hands + h];
                }
                ASSERT_EQ(summed[h], static_cast<float>(want_sum)) << actions << " " << h;
            }

            std::vector<float> product(n), scaled(n), axpy_dst(values);
            std::vector<double> want_p(n), want_sc(n), want_ax(n);
            for (std::size_t i = 0; i < n; ++i) {
                want_p[i] = double(strategy[i]) * values[i];
                want_sc[i] = -3.0 * values[i];
                want_ax[i] = values[i] + 0.75 * strategy[i];
            }
            multiply_into(product.data(), strategy.data(), values.data(), n);
            scale_into(scaled.data(), values.data(), -3.0f, n);
            axpy(axpy_dst.data(), strategy.data(), n, 0.75f);
            expect_close(product, want_p, "multiply_into", actions, hands);
            expect_close(scaled, want_sc, "scale_into", actions, hands);
            expect_close(axpy_dst, want_ax, "axpy", actions, hands);
        }
    }
}

TEST(CfrKernels, RegretMatchingMatchesFormulaWithUniformFallback) {
    std::mt19937 rng(5);
    for (std::size_t actions : {1u, 2u, 3u, 5u}) {
        for (std::size_t hands = 0; hands <= 33; ++hands) {
            auto regrets = random_values(actions * hands, rng);
            // Some hands with no positive regret at all, one with a NaN.
            for (std::size_t h = 0; h < hands; h += 4) {
                for (std::size_t a = 0; a < actions; ++a) {
                    regrets[a * hands + h] = -std::fabs(regrets[a * hands + h]);
                }
            }
            if (hands > 2) {
                regrets[2] = kNaN;
            }
            std::vector<float> strategy(actions * hands), scratch(hands, 99.0f);
            regret_matching(strategy.data(), scratch.data(), regrets.data(), actions, hands);
            // With reach: each probability times the hand's reach, rounded once more.
            const auto reach = random_values(hands, rng, 0.0f, 1.0f);
            std::vector<float> rows(actions * hands), row_scratch(hands);
            regret_matching_reach(rows.data(), row_scratch.data(), regrets.data(), reach.data(),
                                  actions, hands);
            EXPECT_EQ(row_scratch, scratch);
            for (std::size_t h = 0; h < hands; ++h) {
                // The same float operations in the same order, on every path.
                float positive_sum = 0.0f;
                for (std::size_t a = 0; a < actions; ++a) {
                    const float r = regrets[a * hands + h];
                    positive_sum += r > 0.0f ? r : 0.0f;
                }
                const float inverse = positive_sum > 0.0f ? 1.0f / positive_sum : 0.0f;
                ASSERT_EQ(scratch[h], inverse) << "A=" << actions << " h=" << h;
                double total = 0.0;
                for (std::size_t a = 0; a < actions; ++a) {
                    const std::size_t i = a * hands + h;
                    const float r = regrets[i];
                    const float want = inverse > 0.0f ? (r > 0.0f ? r : 0.0f) * inverse
                                                      : 1.0f / static_cast<float>(actions);
                    ASSERT_EQ(strategy[i], want) << "A=" << actions << " h=" << h;
                    ASSERT_EQ(rows[i], want * reach[h]) << "A=" << actions << " h=" << h;
                    total += strategy[i];
                }
                EXPECT_NEAR(total, 1.0, 1e-5);
            }
        }
    }
}

// The one-pass update of an own node gives the bits of its four steps.
TEST(CfrKernels, OwnNodeUpdateGivesTheStepsBits) {
    std::mt19937 rng(7);
    for (std::size_t actions : {1u, 2u, 3u, 5u}) {
        for (std::size_t hands = 0; hands <= 33; ++hands) {
            const std::size_t n = actions * hands;
            auto regrets = random_values(n, rng);
            for (std::size_t h = 0; h < hands; h += 3) {
                for (std::size_t a = 0; a < actions; ++a) {
                    regrets[a * hands + h] = -std::fabs(regrets[a * hands + h]);
                }
            }
            if (n > 4) {
                regrets[4] = kNaN;
            }
            const auto values = random_values(n, rng);
            auto sums = random_values(n, rng, 0.0f, 3.0f);
            auto want_regrets = regrets, want_sums = sums;
            std::vector<float> strategy(n), scratch(hands), want_out(hands, 7.0f);
            regret_matching(strategy.data(), scratch.data(), want_regrets.data(), actions, hands);
            fma_actions(want_out.data(), strategy.data(), values.data(), actions, hands);
            strategy_sum_update(want_sums.data(), strategy.data(), 0.8f, n);
            update_regrets(want_regrets.data(), values.data(), want_out.data(), actions, hands,
                           0.9f, 0.5f);

            std::vector<float> out(hands, 7.0f);
            update_own_node(out.data(), regrets.data(), sums.data(), values.data(), strategy.data(),
                            scratch.data(), actions, hands, 0.8f, 0.9f, 0.5f);
            const auto same_bits = [&](const std::vector<float>& got,
                                       const std::vector<float>& want, const char* what) {
                ASSERT_EQ(got.size(), want.size());
                for (std::size_t i = 0; i < got.size(); ++i) {
                    ASSERT_TRUE(got[i] == want[i] || (std::isnan(got[i]) && std::isnan(want[i])))
                        << what << " A=" << actions << " H=" << hands << " i=" << i;
                }
            };
            same_bits(out, want_out, "node value");
            same_bits(sums, want_sums, "strategy sums");
            same_bits(regrets, want_regrets, "regrets");
        }
    }
}

TEST(CfrKernels, EdgeCasesOfTheFormulas) {
    // A zero factor leaves dst alone even against NaN sources.
    std::vector<float> dst(19, 1.0f), nan_src(19, kNaN);
    axpy(dst.data(), nan_src.data(), dst.size(), 0.0f);
    for (float x : dst) {
        EXPECT_EQ(x, 1.0f);
    }
    // p = 1, q = 0.5 halves negative regrets before adding the instant regret.
    std::vector<float> regrets{-4.0f, 4.0f, 0.0f, -1.0f}, instant{1.0f, 1.0f, 1.0f, 1.0f};
    std::vector<float> node{0.5f, 0.5f};
    update_regrets(regrets.data(), instant.data(), node.data(), 2, 2, 1.0f, 0.5f);
    EXPECT_EQ(regrets, (std::vector<float>{-1.5f, 4.5f, 0.5f, 0.0f}));
    // One positive regret plays that action with certainty.
    std::vector<float> one{-1.0f, 3.0f, -2.0f}, strategy(3), scratch(1);
    regret_matching(strategy.data(), scratch.data(), one.data(), 3, 1);
    EXPECT_EQ(strategy, (std::vector<float>{0.0f, 1.0f, 0.0f}));
    // Zero counts touch nothing.
    float untouched = 5.0f;
    fma_actions(&untouched, nullptr, nullptr, 0, 1);
    regret_matching(&untouched, &untouched, nullptr, 0, 1);
    sum_rows_into(&untouched, nullptr, 0, 1);
    EXPECT_EQ(untouched, 5.0f);
}

}  // namespace
}  // namespace quendal
