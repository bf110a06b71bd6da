#include "session/memory_estimate.h"

#include "address_space_limit.h"
#include "scoped_env.h"
#include "session/sizing_text.h"
#include "session/solve_session.h"
#include "session/spot_inputs.h"
#include "session_fixtures.h"

#include <cstdio>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

// The memory the game and engine of the tiny flop's solve hold once run, as
// a fresh process measures it (a fork would reuse this process's freed heap).
long solve_memory_kib() {
    FILE* probe = popen(SOLVE_MEMORY_PROBE, "r");
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
        // Counted without building, the figures are those of the built plan.
        const SolveMemoryEstimate built =
            measure_solve_memory(game.card_context(), game.plan(), config.compact_storage);
        EXPECT_EQ(estimate->tree_bytes, built.tree_bytes);
        EXPECT_EQ(estimate->total_bytes, built.total_bytes);
        EXPECT_FALSE(estimate->at_least);
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
TEST(MemoryEstimate, CloseToWhatTheSolveOfTheTinyFlopHolds) {
#ifdef TESSAVAL_SANITIZED
    GTEST_SKIP() << "a sanitizer's own memory would be measured";
#endif
    const SolveConfig config = test::tiny_flop_fixture();
    const auto estimate = SolveSession::estimate_solve_memory(config, nullptr);
    ASSERT_TRUE(estimate.has_value());
    const long held_kib = solve_memory_kib();
    ASSERT_GT(held_kib, 0);
    const double measured = held_kib * 1024.0;
    EXPECT_GE(static_cast<double>(estimate->total_bytes), measured * 0.85);
    EXPECT_LE(static_cast<double>(estimate->total_bytes), measured * 1.15);
}

TEST(MemoryEstimate, StopsOnlyOncePastTheLimit) {
    const SolveConfig config = test::tiny_flop_fixture();
    const auto exact = SolveSession::estimate_solve_memory(config, nullptr);
    ASSERT_TRUE(exact.has_value());
    const std::uint64_t need = exact->total_bytes;
    const struct {
        std::uint64_t limit;
        bool at_least;
    } cases[] = {{need, false}, {need + 1, false}, {need - 1, true}, {need / 2, true}, {1, true}};
    for (const auto& c : cases) {
        const auto e = SolveSession::estimate_solve_memory(config, nullptr, c.limit);
        ASSERT_TRUE(e.has_value()) << c.limit;
        EXPECT_EQ(e->at_least, c.at_least) << c.limit;
        if (c.at_least) {
            EXPECT_GT(e->total_bytes, c.limit);
            EXPECT_LE(e->total_bytes, need);
            EXPECT_LE(e->node_count, exact->node_count);
        } else {
            EXPECT_EQ(e->total_bytes, need);
        }
    }
}

// Wide ranges and three sizes on every street: some 180 GiB to solve, and
// about 3 GiB to hold the plan alone.
SolveConfig huge_flop() {
    SolveConfig c;
    c.board = "Ah8d3c";
    c.starting_pot = 1000;
    c.effective_stack = 10000;
    c.oop_range = c.ip_range = "22+, A2+, K2+, Q2+, J2+, T2+, 92+, 82+, 72+, 62+, 52+, 42+, 32";
    for (auto* seat : {&c.oop_sizing, &c.ip_sizing}) {
        for (StreetSizing& s : *seat) {
            s.bet_sizes = "25, 50, 100";
            s.raise_sizes = "60";
            s.add_all_in = true;
        }
    }
    return c;
}

TEST(MemoryEstimate, CountsASpotFarLargerThanTheAddressSpace) {
#ifdef TESSAVAL_SANITIZED
    GTEST_SKIP() << "a sanitizer's reservations do not fit an address-space limit";
#endif
    constexpr std::uint64_t kGiB = 1ull << 30;
    ScopedEnv workers("QUENDAL_CARDCTX_MAX_WORKERS", "2");
    ScopedAddressSpaceLimit cap(2 * kGiB);
    ASSERT_TRUE(cap.active());
    const SolveConfig config = huge_flop();
    std::string error;
    const auto bounded = SolveSession::estimate_solve_memory(config, &error, kGiB);
    ASSERT_TRUE(bounded.has_value()) << error;
    EXPECT_TRUE(bounded->at_least);
    EXPECT_GT(bounded->total_bytes, kGiB);
    const auto whole = SolveSession::estimate_solve_memory(
        config, &error, std::numeric_limits<std::uint64_t>::max());
    ASSERT_TRUE(whole.has_value()) << error;
    EXPECT_FALSE(whole->at_least);
    EXPECT_GT(whole->total_bytes, 100 * kGiB);
    EXPECT_GT(whole->node_count, bounded->node_count);
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
