// Runs in its own executable: profiling is switched on before anything reads
// the switch, as a process started with QUENDAL_PROFILE=1 would be.
#include "core/solver_profile.h"

#include "core/cfr_kernels.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(SolverProfile, SwitchReadsOnlyTheFirstCharacter) {
    EXPECT_FALSE(profile_switch_from_text(nullptr));
    EXPECT_FALSE(profile_switch_from_text(""));
    EXPECT_FALSE(profile_switch_from_text("0"));
    EXPECT_FALSE(profile_switch_from_text("0yes"));
    EXPECT_TRUE(profile_switch_from_text("1"));
    EXPECT_TRUE(profile_switch_from_text("false"));
    EXPECT_TRUE(profile_switch_from_text(" 0"));
}

TEST(SolverProfile, CountsPerThreadAndResetsEveryThread) {
    ASSERT_TRUE(profile_enabled());
    ::setenv("QUENDAL_PROFILE", "0", 1);  // too late: the switch is decided
    EXPECT_TRUE(profile_enabled());

    SolverProfile::Registry& registry = profile_registry();
    float out[4] = {}, s[8] = {1, 1, 1, 1, 1, 1, 1, 1}, v[8] = {2, 2, 2, 2, 2, 2, 2, 2};
    std::thread worker([&] {
        float mine[4] = {};
        for (int i = 0; i < 3; ++i) {
            fma_actions(mine, s, v, 2, 4);
        }
    });
    worker.join();  // its counters stay registered after it ends
    fma_actions(out, s, v, 2, 4);
    SolverProfile::Aggregate a = profile_aggregate(registry);
    EXPECT_EQ(a.calls[kProfileFmaActions], 4u);
    EXPECT_GE(a.ns[kProfileFmaActions], a.max_thread_ns[kProfileFmaActions]);
    EXPECT_EQ(a.calls[kProfileChanceAggregateReuse], 0u);

    profile_reset(registry);
    regret_matching(out, out, s, 0, 0);  // zero counts still record the call
    a = profile_aggregate(registry);
    EXPECT_EQ(a.calls[kProfileFmaActions], 0u);
    EXPECT_EQ(a.calls[kProfileRegretMatching], 1u);

    try {
        ProfileScope scope(kProfileTerminalEval);
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(profile_aggregate(registry).calls[kProfileTerminalEval], 1u);
}

TEST(SolverProfile, SummaryFormat) {
    SolverProfile::Aggregate a;
    a.ns[kProfileTotalRun] = 2500000;
    a.max_thread_ns[kProfileTotalRun] = 1250000;
    a.calls[kProfileSolveIteration] = 10;
    a.ns[kProfileSolveIteration] = 1000000;
    a.max_thread_ns[kProfileSolveIteration] = 999;
    a.calls[kProfileExploitability] = 2;
    a.ns[kProfileMesEv] = 1500;
    a.ns[kProfileCurrentEv] = 2000000;
    a.calls[kProfileRegretMatching] = 7;
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    print_profile_summary(file, {10, 500, 8, 50}, a);
    std::rewind(file);
    std::string text;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, file) != nullptr) {
        text += buffer;
    }
    std::fclose(file);
    EXPECT_EQ(
        text,
        "\n"
        "[QUENDAL_PROFILE] DiscountedCfr::run summary\n"
        "  iterations_completed=10  max_iterations=500  threads=8  exploitability_interval=50\n"
        "  total_run_ms=2.500  max_thread_ms=1.250\n"
        "  solve_iteration: calls=10  total_ms=1.000  max_thread_ms=0.001\n"
        "  exploitability:  calls=2  total_ms=0.000  max_thread_ms=0.000  (mes_ev_ms=0.002, "
        "current_ev_ms=2.000)\n"
        "  terminal_eval:   calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "    fold:          calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "    showdown_u:    calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "    showdown_r:    calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "    incomplete:    calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "  kernels (flat arrays):\n"
        "    regret_matching:     calls=7  total_ms=0.000  max_thread_ms=0.000\n"
        "    update_regrets:      calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "    fma_actions:         calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "    strategy_sum_update: calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "    sum_rows_into:       calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "  chance_aggregate_reuse: calls=0  total_ms=0.000  max_thread_ms=0.000\n"
        "\n");
}

}  // namespace
}  // namespace quendal

int main(int argc, char** argv) {
    ::setenv("QUENDAL_PROFILE", "1", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
