// Times the node queries at the root of a solved spot, on the calling thread
// as the application runs them (the distributions on a worker of their own).
//
//   query_bench SPOT [ITERATIONS] [THREADS]
#include "bench_machine.h"
#include "bench_spots.h"
#include "core/discounted_cfr.h"
#include "session/action_stats.h"
#include "session/hand_distributions.h"
#include "session/hand_queries.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace quendal;
using namespace quendal::bench;

namespace {

template <typename Body>
double time_ms(const Body& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || find_spot(argv[1]) == nullptr) {
        std::fprintf(stderr, "usage: query_bench SPOT [ITERATIONS] [THREADS]\n");
        return 2;
    }
    const BenchSpot& spot = *find_spot(argv[1]);
    const std::uint32_t iterations = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20;
    const std::size_t threads = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 8;
    Game game(spot.config, CardContext(board_from_text(spot.board),
                                       {parse_range(spot.oop_range), parse_range(spot.ip_range)}));
    DiscountedCfr::Options options;
    options.max_iterations = iterations;
    options.threads = threads;
    DiscountedCfr solver(options);
    solver.run(game);

    quendal_app::HandDistributionsResult distributions;
    const double parents_ms = time_ms([&] { quendal_app::NodeParents parents(game); });
    const quendal_app::NodeParents parents(game);
    const double distributions_ms = time_ms([&] {
        distributions = quendal_app::compute_node_hand_distributions(game, solver, parents, 0);
    });
    const double stats_ms =
        time_ms([&] { quendal_app::compute_node_action_stats(game, solver, 0); });
    const double combos_ms =
        time_ms([&] { quendal_app::compute_node_hand_combos(game, solver, parents, 0); });
    const double strategy_ms =
        time_ms([&] { quendal_app::compute_node_hand_strategy(game, solver, 0); });
    std::printf(
        "{\"spot\":\"%s\",\"threads\":%zu,\"nodes\":%zu,\"oop_hands\":%zu,\"ip_hands\":%zu,"
        "\"parents_ms\":%.1f,\"distributions_ms\":%.1f,\"distributions_ok\":%s,"
        "\"action_stats_ms\":%.1f,\"hand_combos_ms\":%.1f,\"hand_strategy_ms\":%.1f,"
        "\"commit\":%s}\n",
        spot.name.c_str(), threads, game.nodes().size(), distributions.oop_hands.size(),
        distributions.ip_hands.size(), parents_ms, distributions_ms,
        distributions.ok ? "true" : "false", stats_ms, combos_ms, strategy_ms,
        json_string(git_commit()).c_str());
    return 0;
}
