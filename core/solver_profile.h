// Opt-in timing profiler of the solver (QUENDAL_PROFILE). Each thread counts
// into its own block without locking; a summary sums the blocks of every
// thread that ever counted. With profiling off a scope is one integer test.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

namespace quendal {

enum ProfileMetric : int {
    kProfileTotalRun = 0,
    kProfileSolveIteration,
    kProfileExploitability,
    kProfileMesEv,
    kProfileCurrentEv,
    kProfileTerminalEval,
    kProfileFold,
    kProfileShowdownUnraked,
    kProfileShowdownRaked,
    kProfileIncomplete,
    kProfileRegretMatching,
    kProfileUpdateRegrets,
    kProfileFmaActions,
    kProfileStrategySumUpdate,
    kProfileSumRowsInto,
    kProfileChanceAggregateReuse,
    kProfileMetricCount
};

struct SolverProfile {
    struct Local {
        std::uint64_t ns[kProfileMetricCount] = {};
        std::uint64_t calls[kProfileMetricCount] = {};
    };
    struct Aggregate {
        std::array<std::uint64_t, kProfileMetricCount> ns{};
        std::array<std::uint64_t, kProfileMetricCount> calls{};
        std::array<std::uint64_t, kProfileMetricCount> max_thread_ns{};
    };
    struct Registry {
        std::mutex mutex;
        std::vector<std::shared_ptr<Local>> locals;
    };
};

// Off for an unset or empty value or one whose first character is '0'.
bool profile_switch_from_text(const char* text);

namespace detail {
extern std::atomic<int> profile_switch;  // -1 undecided, 0 off, 1 on
bool decide_profile_switch();
}  // namespace detail

// Read once per process; later changes of the variable are ignored.
inline bool profile_enabled() {
    const int state = detail::profile_switch.load(std::memory_order_relaxed);
    return state < 0 ? detail::decide_profile_switch() : state != 0;
}

SolverProfile::Registry& profile_registry();
SolverProfile::Local& profile_local();
SolverProfile::Aggregate profile_aggregate(SolverProfile::Registry& registry);
void profile_reset(SolverProfile::Registry& registry);

// Times one metric for the life of the scope (exceptions included).
class ProfileScope {
public:
    explicit ProfileScope(ProfileMetric metric) {
        if (profile_enabled()) {
            local_ = &profile_local();
            metric_ = metric;
            local_->calls[metric] += 1;
            start_ = std::chrono::steady_clock::now();
        }
    }
    ~ProfileScope() { profile_scope_end(); }
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;

    void profile_scope_end() {
        if (local_ != nullptr) {
            const auto elapsed = std::chrono::steady_clock::now() - start_;
            local_->ns[metric_] += static_cast<std::uint64_t>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count());
            local_ = nullptr;
        }
    }

private:
    SolverProfile::Local* local_ = nullptr;
    ProfileMetric metric_ = kProfileTotalRun;
    std::chrono::steady_clock::time_point start_;
};

struct ProfileRunInfo {
    unsigned iterations_completed = 0;
    unsigned max_iterations = 0;
    std::size_t threads = 0;
    unsigned exploitability_interval = 0;
};

// Writes the run summary.
void print_profile_summary(std::FILE* out, const ProfileRunInfo& run,
                           const SolverProfile::Aggregate& aggregate);

}  // namespace quendal
