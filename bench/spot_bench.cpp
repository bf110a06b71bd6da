// Whole-spot benchmarks and the behaviour signature.
//
//   spot_bench SPOT [THREADS] [MAX_ITERATIONS]   one JSON line for the spot
//   spot_bench --scaling SPOT [ITERATIONS]       one JSON line per thread count
//   spot_bench --signature FILE                  checksum of fixed short solves,
//                                                compared with the value in FILE
#include "bench_machine.h"
#include "bench_spots.h"
#include "core/discounted_cfr.h"
#include "core/solver_profile.h"

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

struct ProfileField {
    const char* name;
    ProfileMetric metric;
};

constexpr ProfileField kProfileFields[] = {
    {"solve_iteration", kProfileSolveIteration},
    {"exploitability", kProfileExploitability},
    {"terminal_eval", kProfileTerminalEval},
    {"fold", kProfileFold},
    {"showdown_unraked", kProfileShowdownUnraked},
    {"showdown_raked", kProfileShowdownRaked},
    {"incomplete_board", kProfileIncomplete},
    {"regret_matching", kProfileRegretMatching},
    {"update_regrets", kProfileUpdateRegrets},
    {"fma_actions", kProfileFmaActions},
    {"strategy_sum_update", kProfileStrategySumUpdate},
    {"sum_rows_into", kProfileSumRowsInto},
};

// Thread-summed milliseconds of each profiled part, or null when profiling is off.
std::string profile_json() {
    if (!profile_enabled()) {
        return "null";
    }
    const SolverProfile::Aggregate a = profile_aggregate(profile_registry());
    std::string out = "{";
    for (const ProfileField& f : kProfileFields) {
        char field[96];
        std::snprintf(field, sizeof field, "%s\"%s_ms\":%.1f", out.size() > 1 ? "," : "", f.name,
                      static_cast<double>(a.ns[f.metric]) / 1e6);
        out += field;
    }
    return out + "}";
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Bytes of regrets and strategy sums of the decision nodes.
std::size_t solver_array_bytes(const Game& game, std::size_t* decisions) {
    std::size_t bytes = 0;
    *decisions = 0;
    for (const NodeState& node : game.nodes()) {
        if (node.type == kDecisionNode && !node.actions.empty()) {
            ++*decisions;
            bytes += 2 * node.actions.size() * game.card_context().pockets[node.player].size() *
                     sizeof(float);
        }
    }
    return bytes;
}

constexpr std::uint32_t kMeasureEvery = 10;
// Iterations whose times give the median: from the second (the first also
// touches every array for the first time) to the 31st, without measurements.
constexpr std::uint32_t kWindowFirst = 2;
constexpr std::uint32_t kWindowLast = 31;

int run_spot(const BenchSpot& spot, std::size_t threads, std::uint32_t max_iterations) {
    const std::string machine = ",\"commit\":" + json_string(git_commit()) +
                                ",\"flags\":" + json_string(compiler_flags()) +
                                ",\"cpu\":" + json_string(cpu_model());
    double context_ms = 0, game_ms = 0;
    auto game = build_game(spot, &context_ms, &game_ms);
    const long game_kib = peak_memory_kib();
    long first_iteration_kib = 0;
    std::size_t decisions = 0;
    const std::size_t solver_bytes = solver_array_bytes(*game, &decisions);
    const double pot = spot.config.starting_pot;
    DiscountedCfr::Options options;
    options.max_iterations = max_iterations;
    options.exploitability_interval = kMeasureEvery;
    options.target_exploitability = static_cast<float>(0.003 * pot);
    options.threads = threads;
    std::vector<double> iteration_ms;
    struct Reached {
        double fraction;
        std::uint32_t iterations = 0;
        double seconds = 0.0;
    };
    Reached targets[] = {{0.005}, {0.003}};
    const auto start = Clock::now();
    options.progress = [&](std::uint32_t i, float exploitability, double ms) {
        iteration_ms.push_back(ms);
        if (i == 1) {
            first_iteration_kib = peak_memory_kib();
        }
        if (i % kMeasureEvery != 0) {
            return;
        }
        for (Reached& target : targets) {
            if (target.iterations == 0 && exploitability <= target.fraction * pot) {
                target.iterations = i;
                target.seconds = ms_since(start) / 1000.0;
            }
        }
    };
    DiscountedCfr cfr(options);
    cfr.run(*game);
    const double wall_s = ms_since(start) / 1000.0;
    const long peak_kib = peak_memory_kib();

    std::vector<double> plain;
    for (std::uint32_t i = 1; i <= iteration_ms.size(); ++i) {
        if (i % kMeasureEvery != 0 && i >= kWindowFirst && i <= kWindowLast) {
            plain.push_back(iteration_ms[i - 1]);
        }
    }
    if (plain.empty() && !iteration_ms.empty()) {
        plain.push_back(iteration_ms.front());
    }
    const double median_ms = median(plain);
    // A measured iteration's time beyond the median plain one is the measurement's.
    double measurement_ms = 0.0;
    for (std::uint32_t i = kMeasureEvery; i <= iteration_ms.size(); i += kMeasureEvery) {
        measurement_ms += std::max(0.0, iteration_ms[i - 1] - median_ms);
    }
    const std::string profile = profile_json();
    const double exploitability_pct = 100.0 * cfr.exploitability() / pot;
    const std::uint32_t iterations = cfr.iterations();
    const std::size_t nodes = game->nodes().size();
    game.reset();

    // What an iteration moves: the opponent's regret matching reads a node's
    // regrets, the own node's one-pass update reads and writes its regrets and
    // strategy sums. A read stream over the regrets and a read-modify-write
    // stream over both arrays, each at the rate the machine moves that stream.
    const double regret_bytes = static_cast<double>(solver_bytes) / 2.0;
    const double read_bytes = regret_bytes;
    const double update_bytes = 4.0 * regret_bytes;
    const double bytes_per_iteration = read_bytes + update_bytes;
    const double read_gbs = read_bandwidth_gbs(threads);
    const double update_gbs = update_bandwidth_gbs(threads);
    const double bound_s = read_gbs > 0 && update_gbs > 0
                               ? read_bytes / (read_gbs * 1e9) + update_bytes / (update_gbs * 1e9)
                               : 0.0;
    std::printf(
        "{\"spot\":\"%s\",\"threads\":%zu,\"context_ms\":%.1f,\"game_ms\":%.1f,\"nodes\":%zu,"
        "\"decision_nodes\":%zu,\"solver_bytes\":%zu,\"median_iteration_s\":%.4f,"
        "\"iterations\":%u,\"exploitability_pct\":%.4f,"
        "\"iterations_to_0.5pct\":%u,\"seconds_to_0.5pct\":%.2f,"
        "\"iterations_to_0.3pct\":%u,\"seconds_to_0.3pct\":%.2f,\"measurement_s\":%.2f,"
        "\"wall_s\":%.2f,\"game_peak_kib\":%ld,\"first_iteration_peak_kib\":%ld,"
        "\"peak_kib\":%ld,\"bytes_per_iteration\":%.0f,"
        "\"read_bandwidth_gbs\":%.1f,\"update_bandwidth_gbs\":%.1f,\"bandwidth_bound_s\":%.4f,"
        "\"profile\":%s%s}\n",
        spot.name.c_str(), threads, context_ms, game_ms, nodes, decisions, solver_bytes,
        median_ms / 1000.0, iterations, exploitability_pct, targets[0].iterations,
        targets[0].seconds, targets[1].iterations, targets[1].seconds, measurement_ms / 1000.0,
        wall_s, game_kib, first_iteration_kib, peak_kib, bytes_per_iteration, read_gbs, update_gbs,
        bound_s, profile.c_str(), machine.c_str());
    return 0;
}

// Median iteration time at 1, 2, 4 and 8 threads (no measurements), with the
// speed-up over one thread and the efficiency.
int run_scaling(const BenchSpot& spot, std::uint32_t iterations) {
    double one_thread_s = 0.0;
    for (const std::size_t threads : {1u, 2u, 4u, 8u}) {
        auto game = build_game(spot, nullptr, nullptr);
        DiscountedCfr::Options options;
        options.max_iterations = std::max<std::uint32_t>(2, iterations);
        options.threads = threads;
        std::vector<double> iteration_ms;
        options.progress = [&](std::uint32_t i, float, double ms) {
            if (i >= kWindowFirst) {
                iteration_ms.push_back(ms);
            }
        };
        // A measurement at the last iteration is part of the run loop; its
        // iteration is left out of the median.
        DiscountedCfr cfr(options);
        cfr.run(*game);
        if (!iteration_ms.empty()) {
            iteration_ms.pop_back();
        }
        const double s = median(iteration_ms) / 1000.0;
        if (threads == 1) {
            one_thread_s = s;
        }
        const double speedup = s > 0 ? one_thread_s / s : 0.0;
        std::printf(
            "{\"spot\":\"%s\",\"threads\":%zu,\"median_iteration_s\":%.4f,\"speedup\":%.2f,"
            "\"efficiency\":%.2f,\"commit\":%s}\n",
            spot.name.c_str(), threads, s, speedup, speedup / static_cast<double>(threads),
            json_string(git_commit()).c_str());
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc >= 2 ? argv[1] : "";
    if (argc >= 3 && mode == "--signature") {
        return signature(argv[2]);
    }
    if (argc >= 5 && mode == "--checksum" && find_spot(argv[2]) != nullptr) {
        const std::uint64_t h =
            solve_signature(*find_spot(argv[2]), std::strtoul(argv[3], nullptr, 10),
                            std::strtoul(argv[4], nullptr, 10));
        std::printf("%s: %016llx\n", argv[2], static_cast<unsigned long long>(h));
        return 0;
    }
    if (argc >= 3 && mode == "--scaling" && find_spot(argv[2]) != nullptr) {
        const std::uint32_t iterations = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 12;
        return run_scaling(*find_spot(argv[2]), iterations);
    }
    if (argc < 2 || find_spot(argv[1]) == nullptr) {
        std::fprintf(stderr,
                     "usage: spot_bench SPOT [THREADS] [MAX_ITERATIONS] | --scaling SPOT "
                     "[ITERATIONS] | --signature FILE | --checksum SPOT ITERATIONS THREADS\n");
        for (const BenchSpot& spot : bench_spots()) {
            std::fprintf(stderr, "  %s\n", spot.name.c_str());
        }
        return 2;
    }
    const std::size_t threads = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 8;
    const std::uint32_t iterations = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1000;
    return run_spot(*find_spot(argv[1]), threads, iterations);
}
