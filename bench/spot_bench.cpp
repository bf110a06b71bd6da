// Whole-spot benchmarks and the behaviour signature.
//
//   spot_bench SPOT [THREADS] [MAX_ITERATIONS]   one JSON line for the spot
//   spot_bench --signature FILE                  checksum of fixed short solves,
//                                                compared with the value in FILE
#include "bench_spots.h"
#include "core/discounted_cfr.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace quendal;
using namespace quendal::bench;

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::unique_ptr<Game> build_game(const BenchSpot& spot, double* context_ms, double* game_ms) {
    auto start = Clock::now();
    CardContext context(board_from_text(spot.board),
                        {parse_range(spot.oop_range), parse_range(spot.ip_range)});
    if (context_ms) {
        *context_ms = ms_since(start);
    }
    start = Clock::now();
    auto game = std::make_unique<Game>(spot.config, std::move(context));
    if (game_ms) {
        *game_ms = ms_since(start);
    }
    return game;
}

long peak_memory_kib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

std::uint64_t fnv(std::uint64_t h, const void* data, std::size_t bytes) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < bytes; ++i) {
        h = (h ^ p[i]) * 0x100000001b3ull;
    }
    return h;
}

// Checksum of every regret, strategy sum and both root EVs after a fixed solve.
std::uint64_t solve_signature(const BenchSpot& spot, std::uint32_t iterations,
                              std::size_t threads) {
    auto game = build_game(spot, nullptr, nullptr);
    DiscountedCfr::Options options;
    options.max_iterations = iterations;
    options.exploitability_interval = 0;
    options.threads = threads;
    DiscountedCfr cfr(options);
    cfr.run(*game);
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const NodeInfo& node : cfr.node_states()) {
        h = fnv(h, node.regrets.data(), node.regrets.size() * sizeof(float));
        h = fnv(h, node.strategy_sums.data(), node.strategy_sums.size() * sizeof(float));
    }
    const std::array<float, 2> ev = cfr.current_ev(*game);
    return fnv(h, ev.data(), sizeof(ev));
}

int signature(const char* file) {
    std::uint64_t combined = 0xcbf29ce484222325ull;
    for (const auto& [name, iterations] : {std::pair{"river", 100u}, std::pair{"turn", 20u}}) {
        const BenchSpot& spot = *find_spot(name);
        const std::uint64_t one = solve_signature(spot, iterations, 1);
        const std::uint64_t eight = solve_signature(spot, iterations, 8);
        std::printf("%s: %016llx (1 thread) %016llx (8 threads)\n", name,
                    static_cast<unsigned long long>(one), static_cast<unsigned long long>(eight));
        if (one != eight) {
            std::printf("signature: thread counts disagree on %s\n", name);
            return 1;
        }
        combined = fnv(combined, &one, sizeof(one));
    }
    char text[32];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(combined));
    std::ifstream in(file);
    std::string recorded;
    in >> recorded;
    std::printf("signature %s, recorded %s\n", text, recorded.c_str());
    if (recorded != text) {
        std::printf("signature: the solver's results changed\n");
        return 1;
    }
    return 0;
}

int run_spot(const BenchSpot& spot, std::size_t threads, std::uint32_t max_iterations) {
    double context_ms = 0, game_ms = 0;
    auto game = build_game(spot, &context_ms, &game_ms);
    std::size_t decisions = 0, solver_bytes = 0;
    for (const NodeState& node : game->nodes()) {
        if (node.type == kDecisionNode && !node.actions.empty()) {
            ++decisions;
            solver_bytes += 2 * node.actions.size() *
                            game->card_context().pockets[node.player].size() * sizeof(float);
        }
    }
    const double pot = spot.config.starting_pot;
    DiscountedCfr::Options options;
    options.max_iterations = max_iterations;
    options.exploitability_interval = 10;
    options.target_exploitability = static_cast<float>(0.003 * pot);
    options.threads = threads;
    std::vector<double> iteration_ms;
    std::uint32_t reached_05 = 0;
    double reached_05_s = 0;
    const auto start = Clock::now();
    options.progress = [&](std::uint32_t i, float exploitability, double ms) {
        iteration_ms.push_back(ms);
        if (i % 10 == 0 && reached_05 == 0 && exploitability <= 0.005 * pot) {
            reached_05 = i;
            reached_05_s = ms_since(start) / 1000.0;
        }
    };
    DiscountedCfr cfr(options);
    cfr.run(*game);
    const double wall_s = ms_since(start) / 1000.0;
    std::vector<double> sorted = iteration_ms;
    std::sort(sorted.begin(), sorted.end());
    const double median_ms = sorted.empty() ? 0.0 : sorted[sorted.size() / 2];
    const bool reached_03 = cfr.exploitability() <= 0.003 * pot;
    std::printf(
        "{\"spot\":\"%s\",\"threads\":%zu,\"context_ms\":%.1f,\"game_ms\":%.1f,\"nodes\":%zu,"
        "\"decision_nodes\":%zu,\"solver_bytes\":%zu,\"median_iteration_s\":%.4f,"
        "\"iterations\":%u,\"exploitability_pct\":%.4f,\"iterations_to_0.5pct\":%u,"
        "\"seconds_to_0.5pct\":%.2f,\"reached_0.3pct\":%s,\"wall_s\":%.2f,\"peak_kib\":%ld}\n",
        spot.name.c_str(), threads, context_ms, game_ms, game->nodes().size(), decisions,
        solver_bytes, median_ms / 1000.0, cfr.iterations(), 100.0 * cfr.exploitability() / pot,
        reached_05, reached_05_s, reached_03 ? "true" : "false", wall_s, peak_memory_kib());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--signature") {
        return signature(argv[2]);
    }
    if (argc < 2 || find_spot(argv[1]) == nullptr) {
        std::fprintf(stderr,
                     "usage: spot_bench SPOT [THREADS] [MAX_ITERATIONS] | --signature FILE\n");
        for (const BenchSpot& spot : bench_spots()) {
            std::fprintf(stderr, "  %s\n", spot.name.c_str());
        }
        return 2;
    }
    const std::size_t threads = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 8;
    const std::uint32_t iterations = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1000;
    return run_spot(*find_spot(argv[1]), threads, iterations);
}
