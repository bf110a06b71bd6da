#include "session/solve_session.h"

#include "core/card.h"
#include "core/thread_start.h"
#include "session/memory_estimate.h"
#include "session/node_lock_expansion.h"
#include "session/result_snapshot.h"
#include "session/sizing_text.h"
#include "session/spot_inputs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <stdexcept>
#include <thread>

namespace quendal_app {

// Counts the workers of a session. Shared with every worker, so that a worker
// can report its end after its last touch of the session itself.
struct SolveSession::WorkerGate {
    std::mutex mutex;
    std::condition_variable idle;
    int active = 0;

    void enter() {
        std::lock_guard lock(mutex);
        ++active;
    }
    void leave() {
        {
            std::lock_guard lock(mutex);
            --active;
        }
        idle.notify_all();
    }
};

struct SolveSession::Closure {
    SolveSession* session = nullptr;
    SolveConfig config;
    ProgressCallback on_progress;
    std::shared_ptr<WorkerGate> gate;
    std::uint64_t generation = 0;  // the session's generation at the start
};

namespace {

// A final report takes the snapshot over.
void report(const SolveSession::ProgressCallback& callback, double progress, std::string status,
            SolveResultSnapshot* snapshot = nullptr) {
    if (!callback) {
        return;
    }
    SolveProgress p;
    p.progress = progress;
    p.status = std::move(status);
    if (snapshot != nullptr) {
        p.result = std::move(*snapshot);
    }
    callback(p);
}

// Turns the snapshot into a failed one (keeping board, pot and stack) and
// returns the final status; empty when not even that could be allocated.
std::string failed_status(SolveResultSnapshot& snapshot, const char* what) noexcept {
    SolveResultSnapshot failed;
    failed.starting_pot = snapshot.starting_pot;
    failed.effective_stack = snapshot.effective_stack;
    failed.board = std::move(snapshot.board);
    snapshot = std::move(failed);
    try {
        snapshot.error = what != nullptr ? what : "Unknown error";
        return "Error: " + snapshot.error;
    } catch (...) {
        return std::string();
    }
}

}  // namespace

std::string iteration_status_text(std::uint32_t iteration, float exploitability) {
    std::array<char, 128> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                   static_cast<double>(exploitability), std::chars_format::fixed, 4)
                         .ptr;
    return "Iter " + std::to_string(iteration) + " | exploitability\u2248" +
           std::string(buffer.data(), end);
}

double iteration_fraction(std::uint32_t iteration, std::uint32_t max_iterations) {
    if (max_iterations == 0) {
        return 0.0;
    }
    const double fraction = static_cast<double>(iteration) / static_cast<double>(max_iterations);
    if (std::isnan(fraction)) {
        return 0.0;
    }
    return std::clamp(fraction, 0.0, 0.999);
}

SolveSession::SolveSession()
    : SolveSession([](std::function<void()> body) {
          std::thread([body = std::move(body)] {
              quendal::on_thread_start();
              body();
          }).detach();
      }) {}

SolveSession::SolveSession(WorkerLauncher launcher)
    : launcher_(std::move(launcher)), gate_(std::make_shared<WorkerGate>()) {}

SolveSession::~SolveSession() {
    cancel();
    wait_until_idle();
    std::lock_guard lock(mutex_);
    solver_.reset();
    game_.reset();
    tables_.reset();
}

bool SolveSession::claim() {
    while (running_.exchange(true)) {
        // A solve whose final report is out has nothing left to do but let
        // go; a consumer that starts again on that report must not be refused.
        // From inside the final report itself there is no waiting for it.
        if (!final_report_out_.load() || worker_thread_.load() == std::this_thread::get_id()) {
            return false;
        }
        wait_until_idle();
    }
    final_report_out_.store(false);
    return true;
}

bool SolveSession::start(const SolveConfig& config, ProgressCallback on_progress) {
    if (!claim()) {
        return false;
    }
    cancel_requested_.store(false);
    reset();
    auto closure = std::make_shared<Closure>();
    closure->session = this;
    closure->config = config;
    closure->on_progress = std::move(on_progress);
    closure->gate = gate_;
    {
        std::lock_guard lock(mutex_);
        closure->generation = generation_;
    }
    gate_->enter();
    try {
        launcher_([closure] {
            std::shared_ptr<WorkerGate> gate = closure->gate;
            closure->session->run_worker(*closure);
            gate->leave();
        });
    } catch (const std::exception& e) {
        // No worker: this call ends the solve with its one final report.
        SolveResultSnapshot snapshot;
        snapshot.board = closure->config.board;
        snapshot.error = e.what();
        try {
            report(closure->on_progress, 0.0, "Error: " + snapshot.error, &snapshot);
        } catch (...) {
            // The consumer could not take the report; the solve has ended all the same.
        }
        running_.store(false);
        gate_->leave();
    }
    return true;
}

bool SolveSession::cancel() {
    return cancel_requested_.exchange(true);
}

void SolveSession::reset() {
    std::lock_guard lock(mutex_);
    ++generation_;
    game_.reset();
    solver_.reset();
    tables_.reset();
}

void SolveSession::wait_until_idle() {
    std::unique_lock lock(gate_->mutex);
    gate_->idle.wait(lock, [this] { return gate_->active == 0; });
}

SolveSession::SolvedState SolveSession::solved_state() const {
    std::lock_guard lock(mutex_);
    if (!game_ || !solver_) {
        return {};
    }
    return {game_, solver_, tables_};
}

void SolveSession::deliver_final(const Closure& closure, double progress, std::string status,
                                 SolveResultSnapshot& snapshot) noexcept {
    final_report_out_.store(true);
    std::string failure;
    SolveResultSnapshot failed;
    try {
        failed.board = snapshot.board;
        failed.starting_pot = snapshot.starting_pot;
        failed.effective_stack = snapshot.effective_stack;
        report(closure.on_progress, progress, std::move(status), &snapshot);
        return;
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "Unknown error";
    }
    // The final report could not be handed over (the consumer ran out of
    // memory taking it, say): the solve ends as an error and keeps nothing.
    try {
        {
            std::lock_guard lock(mutex_);
            if (generation_ == closure.generation) {
                game_.reset();
                solver_.reset();
                tables_.reset();
            }
        }
        failed.error = failure;
        report(closure.on_progress, 0.0, "Error: " + failure, &failed);
    } catch (...) {
        // Nothing more can be said; the solve has ended all the same.
    }
}

void SolveSession::run_worker(Closure& closure) noexcept {
    worker_thread_.store(std::this_thread::get_id());
    const SolveConfig& config = closure.config;
    const ProgressCallback& callback = closure.on_progress;
    SolveResultSnapshot snapshot;
    double final_progress = 0.0;
    std::string final_status;
    try {
        snapshot.board = config.board;
        const quendal::Board board = parse_board_text(config.board);
        const quendal::PerSeat<quendal::RangeWeights> ranges = {parse_range_text(config.oop_range),
                                                                parse_range_text(config.ip_range)};
        snapshot.starting_pot = config.starting_pot;
        snapshot.effective_stack = config.effective_stack;
        quendal::TreeConfig tree = tree_config_without_sizing(config);
        build_street_sizing(tree.flop, config.oop_sizing[0], config.ip_sizing[0], "flop");
        build_street_sizing(tree.turn, config.oop_sizing[1], config.ip_sizing[1], "turn");
        build_street_sizing(tree.river, config.oop_sizing[2], config.ip_sizing[2], "river");
        report(callback, 0.0, "Init: building game object...");

        auto game = std::make_shared<quendal::Game>(tree, quendal::CardContext(board, ranges));
        if (!config.node_locks.empty()) {
            apply_solve_node_locks(*game, config.node_locks);
        }
        quendal::DiscountedCfr::Options options;
        options.max_iterations = config.max_iterations;
        options.target_exploitability = config.target_exploitability;
        options.compact_storage = config.compact_storage;
        options.threads = static_cast<std::size_t>(config.thread_count);
        options.exploitability_interval = 50;
        options.verbose = false;
        if (callback) {
            const std::uint32_t max_iterations = config.max_iterations;
            options.progress = [&callback, max_iterations](std::uint32_t iteration,
                                                           float exploitability, double) {
                report(callback, iteration_fraction(iteration, max_iterations),
                       iteration_status_text(iteration, exploitability));
            };
        }
        options.should_stop = [this] { return cancel_requested_.load(); };
        report(callback, 0.0, "Init: building game tree structures...");

        auto solver = std::make_shared<quendal::DiscountedCfr>(std::move(options));
        report(callback, 0.0, "Init: starting solver...");
        solver->run(*game);

        bool stored = false;
        if (!cancel_requested_.load()) {
            const double fraction = iteration_fraction(solver->iterations(), config.max_iterations);
            report(callback, fraction, "Finalizing: computing results...");
            snapshot.iterations = solver->iterations();
            snapshot.exploitability = solver->exploitability();
            const std::array<float, 2> ev = solver->current_ev(*game);
            snapshot.ev_oop = ev[0];
            snapshot.ev_ip = ev[1];
            fill_root_actions(snapshot, *game, *solver, config.starting_pot);
            report(callback, fraction, "Finalizing: building result snapshot...");
            auto parents = std::make_unique<NodeParents>(*game);
            fill_node_records(snapshot, *game, *solver, *parents, config.starting_pot);
            // A cancel, a reset or a new start while finalising ends this
            // solve: its result is stored only into its own generation.
            std::lock_guard lock(mutex_);
            if (!cancel_requested_.load() && generation_ == closure.generation) {
                game_ = game;
                solver_ = solver;
                tables_ = std::make_shared<SolveTables>(std::move(parents));
                stored = true;
            }
        }
        if (stored) {
            snapshot.ok = true;
            final_progress = 1.0;
            final_status = "Done";
        } else {
            solver.reset();
            game.reset();
            snapshot = SolveResultSnapshot{};
            snapshot.board = config.board;
            snapshot.starting_pot = config.starting_pot;
            snapshot.effective_stack = config.effective_stack;
            snapshot.error = "Cancelled";
            final_status = "Cancelled";
        }
    } catch (const std::exception& e) {
        final_status = failed_status(snapshot, e.what());
    } catch (...) {
        final_status = failed_status(snapshot, nullptr);
    }
    if (final_status.empty()) {
        // Not even the failure could be described.
        try {
            snapshot.error = "Out of memory";
            final_status = "Error: Out of memory";
        } catch (...) {
        }
    }
    deliver_final(closure, final_progress, std::move(final_status), snapshot);
    running_.store(false);
}

std::optional<SolveMemoryEstimate> SolveSession::estimate_solve_memory(const SolveConfig& config,
                                                                       std::string* error,
                                                                       std::uint64_t limit_bytes) {
    try {
        const quendal::Board board = parse_board_text(config.board);
        const quendal::PerSeat<quendal::RangeWeights> ranges = {parse_range_text(config.oop_range),
                                                                parse_range_text(config.ip_range)};
        quendal::TreeConfig tree = tree_config_without_sizing(config);
        build_street_sizing_for_estimate(tree.flop, config.oop_sizing[0], config.ip_sizing[0]);
        build_street_sizing_for_estimate(tree.turn, config.oop_sizing[1], config.ip_sizing[1]);
        build_street_sizing_for_estimate(tree.river, config.oop_sizing[2], config.ip_sizing[2]);
        return count_solve_memory(quendal::CardContext::size_of(board, ranges), tree,
                                  config.compact_storage, limit_bytes);
    } catch (const std::exception& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return std::nullopt;
    }
}

}  // namespace quendal_app
