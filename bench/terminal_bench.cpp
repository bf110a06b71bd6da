// Terminal payoffs of a spot with about 500 and 330 live hands.
#include "core/terminal_payoffs.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <vector>

namespace {

using namespace quendal;

struct BenchSpot {
    std::unique_ptr<Game> game;
    std::vector<float> reach;
    std::vector<float> out;

    BenchSpot(const char* board_text, double rake_rate) {
        Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
        for (std::size_t i = 0; board_text[2 * i] != '\0'; ++i) {
            board[i] = parse_card(std::string_view(board_text + 2 * i, 2));
        }
        const char* oop =
            "22+, A2+, K2s+, K7o+, Q4s+, Q9o+, J7s+, J9o+, T7s+, T9o, 97s+, 86s+, 75s+, 64s+, 54s";
        const char* ip =
            "22+, A2s+, A7o+, K8s+, KTo+, Q9s+, QTo+, J9s+, JTo, T8s+, 97s+, 87s, 76s, 65s, 54s";
        TreeConfig config;
        config.start_street = board[3] == kNoCard ? 0 : (board[4] == kNoCard ? 1 : 2);
        config.starting_pot = 1000;
        config.effective_stack = 1000;
        config.rake_rate = rake_rate;
        game =
            std::make_unique<Game>(config, CardContext(board, {parse_range(oop), parse_range(ip)}));
        std::mt19937 rng(1);
        std::uniform_real_distribution<float> dist(0.0f, 1.0f);
        reach.resize(game->card_context().pockets[1].size());
        for (float& r : reach) {
            r = dist(rng);
        }
        out.resize(game->card_context().pockets[0].size());
    }

    NodeState node(std::uint8_t last_action) const {
        NodeState n;
        n.type = kTerminalNode;
        n.matched = 500;
        n.pot = 2000;
        n.last_action = last_action;
        n.last_actor = 1;
        n.turn = game->card_context().board[3];
        n.river = game->card_context().board[4];
        return n;
    }
};

void run(benchmark::State& state, const BenchSpot& spot, const NodeState& node) {
    std::vector<float> out(spot.out.size());
    for (auto _ : state) {
        terminal_eval(*spot.game, node, 0, spot.reach, out);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_Fold(benchmark::State& state) {
    static const BenchSpot spot("Ks7d2c9h4s", 0.0);
    run(state, spot, spot.node(kFold));
}
BENCHMARK(BM_Fold);

void BM_ShowdownUnraked(benchmark::State& state) {
    static const BenchSpot spot("Ks7d2c9h4s", 0.0);
    run(state, spot, spot.node(kCall));
}
BENCHMARK(BM_ShowdownUnraked);

void BM_ShowdownRaked(benchmark::State& state) {
    static const BenchSpot spot("Ks7d2c9h4s", 0.05);
    run(state, spot, spot.node(kCall));
}
BENCHMARK(BM_ShowdownRaked);

void BM_FlopAllIn(benchmark::State& state) {
    static const BenchSpot spot("Ks7d2c", 0.0);
    run(state, spot, spot.node(kCall));
}
BENCHMARK(BM_FlopAllIn)->Unit(benchmark::kMillisecond);

}  // namespace
