#include "core/kernel_path.h"

#include "board_text.h"
#include "core/cfr_kernels.h"
#include "core/discounted_cfr.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

// Puts a path in use for one scope, then the one chosen at start-up back.
class ScopedKernelPath {
public:
    explicit ScopedKernelPath(KernelPath path) : saved_(kernel_path()) {
        set_kernel_path_for_testing(path);
    }
    ~ScopedKernelPath() { set_kernel_path_for_testing(saved_); }
    ScopedKernelPath(const ScopedKernelPath&) = delete;
    ScopedKernelPath& operator=(const ScopedKernelPath&) = delete;

private:
    KernelPath saved_;
};

TEST(KernelPath, StartsOnTheFastestPathTheProcessorRuns) {
    const bool avx2 = kernel_path_available(KernelPath::kAvx2Fma);
    EXPECT_TRUE(kernel_path_available(KernelPath::kPortable));
    EXPECT_EQ(kernel_path(), avx2 ? KernelPath::kAvx2Fma : KernelPath::kPortable);
    EXPECT_STREQ(kernel_path_name(), avx2 ? "avx2+fma" : "portable");
    if (avx2) {
        ScopedKernelPath portable(KernelPath::kPortable);
        EXPECT_EQ(kernel_path(), KernelPath::kPortable);
        EXPECT_STREQ(kernel_path_name(), "portable");
    } else {
        EXPECT_THROW(set_kernel_path_for_testing(KernelPath::kAvx2Fma), std::invalid_argument);
        EXPECT_EQ(kernel_path(), KernelPath::kPortable);
    }
}

// -1 + (1 + 2^-12)^2: fused, the product keeps its last bit (2^-11 + 2^-24);
// rounded first, it ties to even and loses it (2^-11). Nine hands cover the
// eight-lane body and the scalar remainder.
TEST(KernelPath, ThePlainKernelsRunTheBuildOfThePathInUse) {
    constexpr std::size_t kHands = 9;
    std::vector<float> strategy(2 * kHands, 1.0f + 0x1p-12f);
    std::vector<float> values(2 * kHands, 1.0f + 0x1p-12f);
    std::fill(strategy.begin(), strategy.begin() + kHands, 1.0f);
    std::fill(values.begin(), values.begin() + kHands, -1.0f);
    for (KernelPath path : {KernelPath::kPortable, KernelPath::kAvx2Fma}) {
        if (!kernel_path_available(path)) {
            continue;
        }
        ScopedKernelPath use(path);
        std::vector<float> out(kHands, 0.0f);
        fma_actions(out.data(), strategy.data(), values.data(), 2, kHands);
        const float want = path == KernelPath::kAvx2Fma ? 0x1p-11f + 0x1p-24f : 0x1p-11f;
        for (std::size_t h = 0; h < kHands; ++h) {
            EXPECT_EQ(out[h], want) << kernel_path_name() << " hand " << h;
        }
    }
}

// The average strategy as a plain loop: per hand the kept sums (negative as
// 0) added in action order, each divided by that total, 1 / A without a
// positive total.
std::vector<float> plain_average(const std::vector<float>& sums, std::size_t actions,
                                 std::size_t hands) {
    std::vector<float> out(actions * hands);
    for (std::size_t h = 0; h < hands; ++h) {
        float total = 0.0f;
        for (std::size_t a = 0; a < actions; ++a) {
            total += std::max(sums[a * hands + h], 0.0f);
        }
        for (std::size_t a = 0; a < actions; ++a) {
            out[a * hands + h] = total > 0.0f ? std::max(sums[a * hands + h], 0.0f) / total
                                              : 1.0f / static_cast<float>(actions);
        }
    }
    return out;
}

// On either path the blocked kernel gives the plain loop's bits: hand counts
// around the vector width and the block of hands, hands with only negative
// or zero sums, -0, a NaN and sums too large to add without overflow.
TEST(KernelPath, AverageStrategyRowsGiveThePlainLoopsBits) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> dist(-1.0f, 3.0f);
    for (KernelPath path : {KernelPath::kPortable, KernelPath::kAvx2Fma}) {
        if (!kernel_path_available(path)) {
            continue;
        }
        ScopedKernelPath use(path);
        for (std::size_t actions : {1u, 2u, 3u, 6u}) {
            for (std::size_t hands : {0u, 1u, 7u, 8u, 9u, 17u, 255u, 256u, 257u, 530u}) {
                std::vector<float> sums(actions * hands);
                for (float& x : sums) {
                    x = dist(rng);
                }
                for (std::size_t h = 0; h < hands; h += 5) {
                    for (std::size_t a = 0; a < actions; ++a) {
                        sums[a * hands + h] = h % 10 == 0 ? -std::fabs(sums[a * hands + h]) : -0.0f;
                    }
                }
                if (hands > 3) {
                    sums[3] = std::numeric_limits<float>::quiet_NaN();
                }
                if (hands > 6 && actions > 1) {
                    sums[6] = sums[hands + 6] = std::numeric_limits<float>::max();
                }
                std::vector<float> out(actions * hands, -7.0f);
                average_strategy_rows(out.data(), sums.data(), actions, hands);
                const std::vector<float> want = plain_average(sums, actions, hands);
                for (std::size_t i = 0; i < out.size(); ++i) {
                    ASSERT_TRUE(std::bit_cast<std::uint32_t>(out[i]) ==
                                    std::bit_cast<std::uint32_t>(want[i]) ||
                                (std::isnan(out[i]) && std::isnan(want[i])))
                        << kernel_path_name() << " A=" << actions << " H=" << hands << " i=" << i
                        << ": " << out[i] << " against " << want[i];
                }
            }
        }
    }
}

struct SolveResult {
    std::vector<std::vector<float>> regrets;
    std::vector<std::vector<float>> sums;
    std::array<float, 2> ev{};
    float exploitability = 0.0f;
};

SolveResult solve(const TreeConfig& config, const char* board, const char* oop, const char* ip,
                  std::uint32_t iterations) {
    Game game(config, CardContext(make_board(board), {parse_range(oop), parse_range(ip)}));
    DiscountedCfr::Options options;
    options.max_iterations = iterations;
    options.threads = 4;
    DiscountedCfr cfr(options);
    cfr.run(game);
    SolveResult result{{}, {}, cfr.current_ev(game), cfr.exploitability()};
    for (const NodeInfo& node : cfr.node_states()) {
        result.regrets.emplace_back(node.regrets.begin(), node.regrets.end());
        result.sums.emplace_back(node.strategy_sums.begin(), node.strategy_sums.end());
    }
    return result;
}

// Entries of the two paths agree to `tolerance` times the largest magnitude.
void expect_near_everywhere(const std::vector<std::vector<float>>& a,
                            const std::vector<std::vector<float>>& b, double tolerance,
                            const char* what) {
    ASSERT_EQ(a.size(), b.size());
    double largest = 0.0;
    for (const auto& row : a) {
        for (float x : row) {
            largest = std::max(largest, std::fabs(double(x)));
        }
    }
    for (std::size_t n = 0; n < a.size(); ++n) {
        ASSERT_EQ(a[n].size(), b[n].size()) << what << " node " << n;
        for (std::size_t i = 0; i < a[n].size(); ++i) {
            ASSERT_NEAR(a[n][i], b[n][i], tolerance * largest)
                << what << " node " << n << " entry " << i;
        }
    }
}

// The portable path rounds where the AVX2 path fuses multiply-adds, so the
// solves differ, but only by rounding. Only that far: once regrets have been matched,
// a hand whose actions tie exactly takes its regret signs from the rounding
// and plays another pure strategy, so a tree with such ties (the turn spot)
// is compared after its first iteration, and the all-in flop spot, which has
// none, after thirty.
TEST(KernelPath, PortableSolveMatchesTheAvx2SolveToRounding) {
    if (!kernel_path_available(KernelPath::kAvx2Fma)) {
        GTEST_SKIP() << "no AVX2 + FMA path in this build or on this processor";
    }
    TreeConfig turn;
    turn.start_street = 1;
    turn.starting_pot = 1000;
    turn.effective_stack = 3000;
    for (StreetConfig* s : {&turn.turn, &turn.river}) {
        s->oop = s->ip = parse_street_sizes("50%, a", "a");
    }
    TreeConfig flop;
    flop.start_street = 0;
    flop.starting_pot = 1000;
    flop.effective_stack = 1000;
    flop.rake_rate = 0.05;
    flop.rake_cap = 30;
    flop.flop.oop.bets = flop.flop.ip.bets = parse_bet_size_list("a", false);
    const struct {
        const TreeConfig& config;
        const char* board;
        const char* oop;
        const char* ip;
        std::uint32_t iterations;
    } spots[] = {
        {turn, "Kc8d3h2s", "22+, A2s+, K9s+, QTs+, JTs, ATo+, KJo+", "55+, A8s+, KTs+, KQo", 1},
        {flop, "Ah8d3c", "22+, A2s+, KTs+, QJs, AJo+", "55+, A8s+, KQ", 30},
    };
    for (const auto& spot : spots) {
        SCOPED_TRACE(spot.board);
        const SolveResult avx2 = solve(spot.config, spot.board, spot.oop, spot.ip, spot.iterations);
        SolveResult portable;
        {
            ScopedKernelPath use(KernelPath::kPortable);
            portable = solve(spot.config, spot.board, spot.oop, spot.ip, spot.iterations);
        }
        const std::vector<std::vector<float>>* regrets[2] = {&avx2.regrets, &portable.regrets};
        const std::vector<std::vector<float>>* sums[2] = {&avx2.sums, &portable.sums};
        // Equal bits would mean the second solve did not run the portable build.
        EXPECT_NE(*regrets[0], *regrets[1]);
        expect_near_everywhere(*regrets[0], *regrets[1], 1e-5, "regrets");
        expect_near_everywhere(*sums[0], *sums[1], 1e-5, "strategy sums");
        for (int seat = 0; seat < 2; ++seat) {
            EXPECT_NEAR(avx2.ev[seat], portable.ev[seat], 1e-5 * std::fabs(avx2.ev[seat]));
        }
        EXPECT_NEAR(avx2.exploitability, portable.exploitability, 1e-4 * avx2.exploitability);
        EXPECT_GT(avx2.exploitability, 0.0f);
    }
}

}  // namespace
}  // namespace quendal
