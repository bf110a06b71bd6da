// Times the node queries of a solved spot, on the calling thread as the
// application runs them (the distributions on a worker of their own).
//
//   query_bench SPOT [ITERATIONS] [THREADS]
//
// First line: the queries at the root. The spot `page-flop` is the results
// page's realistic flop (Qs Jh 2h, pot 10, stack 95, about 40 hand classes a
// seat, bets 33% and 75%, raises 60%, all-in added), configured and solved
// through the session as the application does it; for it, and for any flop
// spot, one more line per node below the root follows: the flop decision
// after a check, the flop decision facing the first bet, the first turn
// decision after check-check and the first river decision after
// check-check on the turn, with the action statistics, the hand combos, the
// two together, the per-class strategy and the hand buckets of each.
#include "bench_machine.h"
#include "bench_spots.h"
#include "core/discounted_cfr.h"
#include "session/action_stats.h"
#include "session/hand_buckets.h"
#include "session/hand_distributions.h"
#include "session/hand_queries.h"
#include "session/solve_session.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
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

quendal_app::SolveConfig page_flop(std::uint32_t iterations, std::size_t threads) {
    quendal_app::SolveConfig c;
    c.board = "QsJh2h";
    c.starting_street = "flop";
    c.starting_pot = 1000;
    c.effective_stack = 9500;
    c.oop_range = "AA-22, AKs-A2s, KQs-K9s, QJs-Q9s, JTs-J9s, T9s, 98s, 87s, AKo-ATo, KQo-KJo";
    c.ip_range = "JJ-22, AQs-A2s, KQs-K8s, QJs-Q8s, JTs-J8s, T9s-T8s, 98s, 87s, 76s, AQo-AJo, KQo";
    for (auto* seat : {&c.oop_sizing, &c.ip_sizing}) {
        for (quendal_app::StreetSizing& s : *seat) {
            s.bet_sizes = "33, 75";
            s.raise_sizes = "60";
            s.add_all_in = true;
        }
    }
    c.max_iterations = iterations;
    c.target_exploitability = 0.0f;
    c.thread_count = threads;
    return c;
}

// The first decision node at or below `node` along first actions (chance
// nodes taking their first card) once `decisions` decision nodes were passed;
// the node count when there is none.
std::size_t along(const Game& game, std::size_t node, int decisions) {
    const auto& nodes = game.nodes();
    while (node < nodes.size()) {
        if (nodes[node].type == kDecisionNode) {
            if (decisions-- == 0) {
                return node;
            }
        } else if (nodes[node].type != kChanceNode) {
            return nodes.size();
        }
        if (nodes[node].children.empty()) {
            return nodes.size();
        }
        node = nodes[node].children[0];
    }
    return nodes.size();
}

void time_node(Game& game, DiscountedCfr& solver, const quendal_app::NodeParents& parents,
               const char* label, std::size_t node) {
    if (node >= game.nodes().size()) {
        return;
    }
    const double stats_ms =
        time_ms([&] { quendal_app::compute_node_action_stats(game, solver, parents, node); });
    const double combos_ms =
        time_ms([&] { quendal_app::compute_node_hand_combos(game, solver, parents, node); });
    const double both_ms =
        time_ms([&] { quendal_app::compute_node_stats_and_combos(game, solver, parents, node); });
    const double strategy_ms =
        time_ms([&] { quendal_app::compute_node_hand_strategy(game, solver, parents, node); });
    const double buckets_ms =
        time_ms([&] { quendal_app::compute_node_hand_buckets(game, solver, parents, node); });
    std::printf(
        "{\"node\":\"%s\",\"index\":%zu,\"action_stats_ms\":%.1f,\"hand_combos_ms\":%.1f,"
        "\"stats_and_combos_ms\":%.1f,\"hand_strategy_ms\":%.1f,\"hand_buckets_ms\":%.1f}\n",
        label, node, stats_ms, combos_ms, both_ms, strategy_ms, buckets_ms);
}

}  // namespace

int main(int argc, char** argv) {
    const bool page = argc >= 2 && std::string(argv[1]) == "page-flop";
    if (argc < 2 || (!page && find_spot(argv[1]) == nullptr)) {
        std::fprintf(stderr, "usage: query_bench SPOT [ITERATIONS] [THREADS]\n");
        return 2;
    }
    const std::uint32_t iterations = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20;
    const std::size_t threads = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 8;
    // Either solved here, or through a session that keeps the solved state.
    std::unique_ptr<quendal_app::SolveSession> session;
    std::shared_ptr<Game> game;
    std::shared_ptr<DiscountedCfr> solver;
    std::string name = argv[1];
    if (page) {
        session = std::make_unique<quendal_app::SolveSession>();
        session->start(page_flop(iterations, threads), [](const quendal_app::SolveProgress&) {});
        session->wait_until_idle();
        const quendal_app::SolveSession::SolvedState state = session->solved_state();
        if (!state) {
            std::fprintf(stderr, "the solve kept no result\n");
            return 1;
        }
        game = state.game;
        solver = state.solver;
    } else {
        const BenchSpot& spot = *find_spot(argv[1]);
        game = std::make_shared<Game>(
            spot.config, CardContext(board_from_text(spot.board),
                                     {parse_range(spot.oop_range), parse_range(spot.ip_range)}));
        DiscountedCfr::Options options;
        options.max_iterations = iterations;
        options.threads = threads;
        solver = std::make_shared<DiscountedCfr>(options);
        solver->run(*game);
    }

    quendal_app::HandDistributionsResult distributions;
    const double parents_ms = time_ms([&] { quendal_app::NodeParents parents(*game); });
    const quendal_app::NodeParents parents(*game);
    const double distributions_ms = time_ms([&] {
        distributions = quendal_app::compute_node_hand_distributions(*game, *solver, parents, 0);
    });
    const double stats_ms =
        time_ms([&] { quendal_app::compute_node_action_stats(*game, *solver, parents, 0); });
    const double combos_ms =
        time_ms([&] { quendal_app::compute_node_hand_combos(*game, *solver, parents, 0); });
    const double both_ms =
        time_ms([&] { quendal_app::compute_node_stats_and_combos(*game, *solver, parents, 0); });
    const double strategy_ms =
        time_ms([&] { quendal_app::compute_node_hand_strategy(*game, *solver, parents, 0); });
    std::printf(
        "{\"spot\":\"%s\",\"threads\":%zu,\"nodes\":%zu,\"oop_hands\":%zu,\"ip_hands\":%zu,"
        "\"parents_ms\":%.1f,\"distributions_ms\":%.1f,\"distributions_ok\":%s,"
        "\"action_stats_ms\":%.1f,\"hand_combos_ms\":%.1f,\"stats_and_combos_ms\":%.1f,"
        "\"hand_strategy_ms\":%.1f,\"commit\":%s}\n",
        name.c_str(), threads, game->nodes().size(), distributions.oop_hands.size(),
        distributions.ip_hands.size(), parents_ms, distributions_ms,
        distributions.ok ? "true" : "false", stats_ms, combos_ms, both_ms, strategy_ms,
        json_string(git_commit()).c_str());
    if (game->config().start_street == 0) {
        const std::size_t after_check =
            game->nodes()[0].children.empty() ? game->nodes().size() : game->nodes()[0].children[0];
        time_node(*game, *solver, parents, "flop_after_check", after_check);
        if (game->nodes()[0].children.size() > 1) {
            time_node(*game, *solver, parents, "flop_facing_bet", game->nodes()[0].children[1]);
        }
        time_node(*game, *solver, parents, "turn", along(*game, after_check, 1));
        time_node(*game, *solver, parents, "river", along(*game, after_check, 3));
    }
    return 0;
}
