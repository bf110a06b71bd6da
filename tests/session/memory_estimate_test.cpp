#include "session/memory_estimate.h"

#include "session/sizing_text.h"
#include "session/solve_session.h"
#include "session/spot_inputs.h"
#include "session_fixtures.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

// Peak resident memory the game and engine of the tiny flop's solve add to a
// fresh process (a fork would reuse this process's freed heap).
long solve_peak_kib() {
    FILE* probe = popen(SOLVE_PEAK_PROBE, "r");
    if (probe == nullptr) {
        return -1;
    }
    long kib = -1;
    if (std::fscanf(probe, "%ld", &kib) != 1) {
        kib = -1;
    }
    pclose(probe);
    return kib;
}

TEST(MemoryEstimate, CountsTheTreeTheGameBuilds) {
    for (const SolveConfig& config :
         {test::river_fixture(), test::turn_fixture(), test::tiny_flop_fixture()}) {
        std::string error;
        const auto estimate = SolveSession::estimate_solve_memory(config, &error);
        ASSERT_TRUE(estimate.has_value()) << error;
        test::Solved solved(config);
        const auto& game = solved.game();
        EXPECT_EQ(estimate->node_count, game.nodes().size());
        std::uint64_t decisions = 0, solver = 0;
        for (const auto& node : game.nodes()) {
            if (node.type == quendal::kDecisionNode && !node.actions.empty()) {
                ++decisions;
                solver += 8 * node.actions.size() * game.card_context().pockets[node.player].size();
            }
        }
        EXPECT_EQ(estimate->decision_node_count, decisions);
        EXPECT_EQ(estimate->solver_bytes, solver);
        EXPECT_EQ(estimate->oop_hand_count, game.card_context().pockets[0].size());
        EXPECT_EQ(estimate->ip_hand_count, game.card_context().pockets[1].size());
        EXPECT_EQ(estimate->card_context_bytes, game.card_context().memory_bytes());
        EXPECT_EQ(estimate->total_bytes,
                  static_cast<std::uint64_t>((static_cast<double>(estimate->tree_bytes) +
                                              static_cast<double>(estimate->card_context_bytes) +
                                              static_cast<double>(estimate->solver_bytes)) *
                                             1.1));

        SolveConfig compact = config;
        compact.compact_storage = true;
        const auto halved = SolveSession::estimate_solve_memory(compact, nullptr);
        ASSERT_TRUE(halved.has_value());
        EXPECT_EQ(halved->solver_bytes * 2, estimate->solver_bytes);
        EXPECT_EQ(halved->tree_bytes, estimate->tree_bytes);
        EXPECT_EQ(halved->card_context_bytes, estimate->card_context_bytes);
    }
}

// The figure that decides whether a solve may start is within 15% of what
// the solve really takes.
TEST(MemoryEstimate, CloseToTheMeasuredPeakOfTheTinyFlop) {
#ifdef TESSAVAL_SANITIZED
    GTEST_SKIP() << "a sanitizer's own memory would be measured";
#endif
    const SolveConfig config = test::tiny_flop_fixture();
    const auto estimate = SolveSession::estimate_solve_memory(config, nullptr);
    ASSERT_TRUE(estimate.has_value());
    const long peak_kib = solve_peak_kib();
    ASSERT_GT(peak_kib, 0);
    const double measured = peak_kib * 1024.0;
    EXPECT_GE(static_cast<double>(estimate->total_bytes), measured * 0.85);
    EXPECT_LE(static_cast<double>(estimate->total_bytes), measured * 1.15);
}

TEST(MemoryEstimate, FailuresGiveNoFigure) {
    std::string error;
    SolveConfig config = test::river_fixture();
    config.board.assign("AhKs");
    EXPECT_FALSE(SolveSession::estimate_solve_memory(config, &error).has_value());
    EXPECT_EQ(error, "Board must include at least a flop (6 chars, e.g. AhKsQd)");
    config = test::river_fixture();
    config.oop_sizing[1].raise_sizes.assign(1, 'x');
    EXPECT_FALSE(SolveSession::estimate_solve_memory(config, &error).has_value());
    EXPECT_EQ(error, "Sizing: invalid token 'x'");  // no seat or street prefix
    EXPECT_FALSE(SolveSession::estimate_solve_memory(config, nullptr).has_value());
    config = test::river_fixture();
    config.starting_pot = 0;
    EXPECT_FALSE(SolveSession::estimate_solve_memory(config, &error).has_value());
    EXPECT_EQ(error, "Starting pot must be greater than 0");
}

}  // namespace
}  // namespace quendal_app
