#include "core/solver_profile.h"

#include <algorithm>
#include <cstdlib>

namespace quendal {

namespace detail {

std::atomic<int> profile_switch{-1};

bool decide_profile_switch() {
    const bool on = profile_switch_from_text(std::getenv("QUENDAL_PROFILE"));
    int expected = -1;
    profile_switch.compare_exchange_strong(expected, on ? 1 : 0, std::memory_order_relaxed);
    return profile_switch.load(std::memory_order_relaxed) != 0;
}

}  // namespace detail

bool profile_switch_from_text(const char* text) {
    return text != nullptr && text[0] != '\0' && text[0] != '0';
}

SolverProfile::Registry& profile_registry() {
    static SolverProfile::Registry registry;
    return registry;
}

SolverProfile::Local& profile_local() {
    thread_local std::shared_ptr<SolverProfile::Local> local = [] {
        auto created = std::make_shared<SolverProfile::Local>();
        SolverProfile::Registry& registry = profile_registry();
        std::lock_guard lock(registry.mutex);
        registry.locals.push_back(created);
        return created;
    }();
    return *local;
}

SolverProfile::Aggregate profile_aggregate(SolverProfile::Registry& registry) {
    SolverProfile::Aggregate sum;
    std::lock_guard lock(registry.mutex);
    for (const auto& local : registry.locals) {
        for (int m = 0; m < kProfileMetricCount; ++m) {
            sum.ns[m] += local->ns[m];
            sum.calls[m] += local->calls[m];
            sum.max_thread_ns[m] = std::max(sum.max_thread_ns[m], local->ns[m]);
        }
    }
    return sum;
}

void profile_reset(SolverProfile::Registry& registry) {
    std::lock_guard lock(registry.mutex);
    for (const auto& local : registry.locals) {
        *local = SolverProfile::Local{};
    }
}

void print_profile_summary(std::FILE* out, const ProfileRunInfo& run,
                           const SolverProfile::Aggregate& a) {
    const auto ms = [](std::uint64_t ns) { return static_cast<double>(ns) / 1e6; };
    const auto line = [&](const char* label, int m) {
        std::fprintf(out, "%scalls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n", label,
                     static_cast<unsigned long long>(a.calls[m]), ms(a.ns[m]),
                     ms(a.max_thread_ns[m]));
    };
    std::fprintf(out, "\n[QUENDAL_PROFILE] DiscountedCfr::run summary\n");
    std::fprintf(out,
                 "  iterations_completed=%u  max_iterations=%u  threads=%zu  "
                 "exploitability_interval=%u\n",
                 run.iterations_completed, run.max_iterations, run.threads,
                 run.exploitability_interval);
    std::fprintf(out, "  total_run_ms=%.3f  max_thread_ms=%.3f\n", ms(a.ns[kProfileTotalRun]),
                 ms(a.max_thread_ns[kProfileTotalRun]));
    line("  solve_iteration: ", kProfileSolveIteration);
    std::fprintf(out,
                 "  exploitability:  calls=%llu  total_ms=%.3f  max_thread_ms=%.3f  "
                 "(mes_ev_ms=%.3f, current_ev_ms=%.3f)\n",
                 static_cast<unsigned long long>(a.calls[kProfileExploitability]),
                 ms(a.ns[kProfileExploitability]), ms(a.max_thread_ns[kProfileExploitability]),
                 ms(a.ns[kProfileMesEv]), ms(a.ns[kProfileCurrentEv]));
    line("  terminal_eval:   ", kProfileTerminalEval);
    line("    fold:          ", kProfileFold);
    line("    showdown_u:    ", kProfileShowdownUnraked);
    line("    showdown_r:    ", kProfileShowdownRaked);
    line("    incomplete:    ", kProfileIncomplete);
    std::fprintf(out, "  kernels (flat arrays):\n");
    line("    regret_matching:     ", kProfileRegretMatching);
    line("    update_regrets:      ", kProfileUpdateRegrets);
    line("    fma_actions:         ", kProfileFmaActions);
    line("    strategy_sum_update: ", kProfileStrategySumUpdate);
    line("    sum_rows_into:       ", kProfileSumRowsInto);
    line("  chance_aggregate_reuse: ", kProfileChanceAggregateReuse);
    std::fprintf(out, "\n");
}

}  // namespace quendal
