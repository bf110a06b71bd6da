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
};

namespace {

void report(const SolveSession::ProgressCallback& callback, double progress, std::string status,
            const SolveResultSnapshot* snapshot = nullptr) {
    if (!callback) {
        return;
    }
    SolveProgress p;
    p.progress = progress;
    p.status = std::move(status);
    if (snapshot != nullptr) {
        p.result = *snapshot;
    }
    callback(p);
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

bool SolveSession::start(const SolveConfig& config, ProgressCallback on_progress) {
    if (running_.exchange(true)) {
        return false;
    }
    cancel_requested_.store(false);
    reset();
    auto closure = std::make_shared<Closure>();
    closure->session = this;
    closure->config = config;
    closure->on_progress = std::move(on_progress);
    closure->gate = gate_;
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
        report(closure->on_progress, 0.0, "Error: " + snapshot.error, &snapshot);
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

void SolveSession::run_worker(Closure& closure) {
    const SolveConfig& config = closure.config;
    const ProgressCallback& callback = closure.on_progress;
    SolveResultSnapshot snapshot;
    snapshot.board = config.board;
    try {
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

        if (cancel_requested_.load()) {
            snapshot.ok = false;
            snapshot.error = "Cancelled";
            solver.reset();
            game.reset();
            report(callback, 0.0, "Cancelled", &snapshot);
            running_.store(false);
            return;
        }
        const double fraction = iteration_fraction(solver->iterations(), config.max_iterations);
        report(callback, fraction, "Finalizing: computing results...");
        snapshot.iterations = solver->iterations();
        snapshot.exploitability = solver->exploitability();
        const std::array<float, 2> ev = solver->current_ev(*game);
        snapshot.ev_oop = ev[0];
        snapshot.ev_ip = ev[1];
        fill_root_actions(snapshot, *game, *solver, config.starting_pot);
        report(callback, fraction, "Finalizing: building result snapshot...");
        fill_node_records(snapshot, *game, *solver, config.starting_pot);
        {
            std::lock_guard lock(mutex_);
            game_ = game;
            solver_ = solver;
            tables_ = std::make_shared<SolveTables>();
        }
        snapshot.ok = true;
        report(callback, 1.0, "Done", &snapshot);
    } catch (const std::exception& e) {
        reset();  // a failed solve keeps nothing
        snapshot.ok = false;
        snapshot.error = e.what();
        report(callback, 0.0, "Error: " + snapshot.error, &snapshot);
    } catch (...) {
        reset();
        snapshot.ok = false;
        snapshot.error = "Unknown error";
        report(callback, 0.0, "Error: Unknown error", &snapshot);
    }
    running_.store(false);
}

std::optional<SolveMemoryEstimate> SolveSession::estimate_solve_memory(const SolveConfig& config,
                                                                       std::string* error) {
    try {
        const quendal::Board board = parse_board_text(config.board);
        const quendal::PerSeat<quendal::RangeWeights> ranges = {parse_range_text(config.oop_range),
                                                                parse_range_text(config.ip_range)};
        quendal::TreeConfig tree = tree_config_without_sizing(config);
        build_street_sizing_for_estimate(tree.flop, config.oop_sizing[0], config.ip_sizing[0]);
        build_street_sizing_for_estimate(tree.turn, config.oop_sizing[1], config.ip_sizing[1]);
        build_street_sizing_for_estimate(tree.river, config.oop_sizing[2], config.ip_sizing[2]);
        const quendal::CardContext context(board, ranges);
        const quendal::ActionPlan plan(tree, context);
        return measure_solve_memory(context, plan, config.compact_storage);
    } catch (const std::exception& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return std::nullopt;
    }
}

}  // namespace quendal_app
