// One solve at a time on a worker thread: the configuration becomes a Game,
// the engine runs with progress reports, and the solved state is kept for
// the queries until the next start or reset.
#pragma once

#include "core/discounted_cfr.h"
#include "core/game.h"
#include "session/action_stats.h"
#include "session/chance_card_classes.h"
#include "session/hand_buckets.h"
#include "session/hand_queries.h"
#include "session/solve_records.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace quendal_app {

class SolveSession {
public:
    using ProgressCallback = std::function<void(const SolveProgress&)>;
    // Runs a worker body on a thread of its own; throws when none can be started.
    using WorkerLauncher = std::function<void(std::function<void()>)>;

    // Workers run on detached threads.
    SolveSession();
    explicit SolveSession(WorkerLauncher launcher);
    // Cancels a running solve and waits until its worker has finished.
    ~SolveSession();
    SolveSession(const SolveSession&) = delete;
    SolveSession& operator=(const SolveSession&) = delete;

    // Starts a solve and returns at once; false (and no report) while one runs.
    // A solve whose final report is already out never refuses a start: the
    // call waits the moment its worker needs to let go. Every accepted solve
    // ends with exactly one report carrying a snapshot.
    bool start(const SolveConfig& config, ProgressCallback on_progress);
    // Asks the running solve to stop at the next iteration; returns the previous request.
    bool cancel();
    // Drops the kept solved state. A solve still running when this is called
    // keeps nothing either: it ends as "Cancelled" when it is also cancelled,
    // and never stores its result.
    void reset();
    // True from start until the final report has been handed over.
    bool is_running() const { return running_.load(); }
    // Returns once no worker of this session is left.
    void wait_until_idle();

    // Tables of one solved game that several queries need; the parents
    // come built with the result (built on first use when not given).
    class SolveTables {
    public:
        explicit SolveTables(std::unique_ptr<NodeParents> parents);
        const NodeParents& parents(const quendal::Game& game);

    private:
        std::once_flag once_;
        std::unique_ptr<NodeParents> parents_;
    };

    // The kept game and engine of the last finished solve, both or neither.
    struct SolvedState {
        std::shared_ptr<quendal::Game> game;
        std::shared_ptr<quendal::DiscountedCfr> solver;
        std::shared_ptr<SolveTables> tables;
        explicit operator bool() const { return game && solver; }
    };
    SolvedState solved_state() const;

    // Memory a solve of the configuration would take, from the card context
    // and the tree's shape; the tree is counted, not built, so any spot can
    // be counted. The count stops once the total passes `limit_bytes` (the
    // figure then is marked `at_least`). Nothing when the configuration is
    // unusable (the message goes to `error` when given). Any thread, any time.
    static std::optional<SolveMemoryEstimate> estimate_solve_memory(
        const SolveConfig& config, std::string* error,
        std::uint64_t limit_bytes = std::numeric_limits<std::uint64_t>::max());

    // Read-only queries of one node of the kept solve; each answers ok false
    // when there is none, the node does not fit or any check fails.
    HandBucketsResult node_hand_buckets(std::uint64_t node) const;
    HandStrategyResult node_hand_strategy(std::uint64_t node) const;
    HandCombosResult node_hand_combos(std::uint64_t node) const;
    PocketActionEvsResult node_pocket_action_evs(std::uint64_t node, bool ip,
                                                 std::string_view first,
                                                 std::string_view second) const;
    // Any kind of node; the seat's hands with their reach weights there.
    HandCombosResult node_seat_hand_combos(std::uint64_t node, bool ip) const;
    ActionStatsResult node_action_stats(std::uint64_t node) const;
    // node_action_stats and node_hand_combos of one node together, its
    // children walked once for the two.
    NodeStatsAndCombos node_stats_and_combos(std::uint64_t node) const;
    // A node that deals a card: the deal action each live card is dealt as.
    ChanceCardClassesResult node_chance_card_classes(std::uint64_t node) const;
    // The most expensive query; safe to run on any thread beside the others.
    HandDistributionsResult node_hand_distributions(std::uint64_t node) const;

private:
    struct WorkerGate;
    struct Closure;

    // Claims the session for a new solve; false while another one runs.
    bool claim();
    void run_worker(Closure& closure) noexcept;
    // Hands the final report over; a report that fails ends the solve as an error.
    void deliver_final(const Closure& closure, double progress, std::string status,
                       SolveResultSnapshot& snapshot) noexcept;

    std::atomic<bool> running_{false};
    std::atomic<bool> cancel_requested_{false};
    // Set when the running solve's final report is being handed over.
    std::atomic<bool> final_report_out_{false};
    std::atomic<std::thread::id> worker_thread_{};
    mutable std::mutex mutex_;  // guards generation_, game_, solver_ and tables_
    // Bumped by every reset: a solve stores its result only into the
    // generation it was started in.
    std::uint64_t generation_ = 0;
    std::shared_ptr<quendal::Game> game_;
    std::shared_ptr<quendal::DiscountedCfr> solver_;
    std::shared_ptr<SolveTables> tables_;
    WorkerLauncher launcher_;
    std::shared_ptr<WorkerGate> gate_;
};

// "Iter 150 | exploitability≈12.5000", whatever the process locale.
std::string iteration_status_text(std::uint32_t iteration, float exploitability);

// iteration / max_iterations clamped to [0, 0.999]; 0 when max is 0 or NaN.
double iteration_fraction(std::uint32_t iteration, std::uint32_t max_iterations);

}  // namespace quendal_app
