#include "core/terminal_batch.h"

#include "terminal_spot.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

// A batch gives every terminal the values terminal_eval gives it alone, bit
// for bit, on either kernel path: folds by either seat, showdowns with and
// without rake, one to eight terminals, lanes where nobody arrives and
// reaches where most hands are missing.
TEST(TerminalBatch, EveryLaneGetsTheLoneTerminalsValuesExactly) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> dist(0.0f, 1.0f);
    const KernelPath in_use = kernel_path();
    for (const KernelPath path : {KernelPath::kPortable, KernelPath::kAvx2Fma}) {
        if (!kernel_path_available(path)) {
            continue;
        }
        set_kernel_path_for_testing(path);
        for (const auto& [rate, cap] : {std::pair{0.0, 0.0}, {0.05, 300.0}, {0.05, 0.0}}) {
            // Many ties: a raked value then sums three nonzero products.
            const Game game = make_terminal_game("Kc8d3h2s9c", "22+, A2s+, KTo+, QJs, 76s, QQ, AK",
                                                 "TT-44, AJs+, KQo, 76s, 9h8h, QQ, AK", rate, cap);
            const CardContext& ctx = game.card_context();
            for (int seat = 0; seat < 2; ++seat) {
                for (const auto& [action, actor] :
                     {std::pair<std::uint8_t, std::uint8_t>{kCall, 1}, {kFold, 0}, {kFold, 1}}) {
                    for (std::size_t n = 1; n <= kTerminalBatch; ++n) {
                        std::vector<NodeState> nodes;
                        std::vector<std::vector<float>> reach(n), got(n);
                        std::vector<TerminalLane> lanes(n);
                        TerminalKind kind = TerminalKind::kOther;
                        for (std::size_t l = 0; l < n; ++l) {
                            nodes.push_back(board_terminal(
                                game, 100 * static_cast<std::int32_t>(l + 1), action, actor));
                            const float sparse = l == 2 ? 1.0f : (l % 2 == 0 ? 0.2f : 0.9f);
                            for (std::size_t o = 0; o < ctx.pockets[1 - seat].size(); ++o) {
                                reach[l].push_back(dist(rng) < sparse ? 0.0f : dist(rng));
                            }
                            got[l].assign(ctx.pockets[seat].size(), 42.0f);
                            lanes[l].opp_reach = reach[l].data();
                            lanes[l].out = got[l].data();
                            kind = plan_terminal(game, nodes[l], seat, lanes[l].units);
                        }
                        ASSERT_NE(kind, TerminalKind::kOther);
                        with_kernel_path([&]<KernelPath P>() {
                            terminal_eval_batch<P>(game, nodes[0], seat, kind, lanes);
                        });
                        for (std::size_t l = 0; l < n; ++l) {
                            std::vector<float> want(ctx.pockets[seat].size());
                            terminal_eval(game, nodes[l], seat, reach[l], want);
                            EXPECT_EQ(std::memcmp(want.data(), got[l].data(),
                                                  want.size() * sizeof(float)),
                                      0)
                                << "rate " << rate << " cap " << cap << " seat " << seat
                                << " action " << int(action) << " batch " << n << " lane " << l
                                << " path " << int(path);
                        }
                    }
                }
            }
        }
    }
    set_kernel_path_for_testing(in_use);
}

// All-ins on a turn board average their river runouts as a lone all-in
// does, raked or not.
TEST(TerminalBatch, TurnAllInsAverageTheirRunoutsAsALoneAllInDoes) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> dist(0.0f, 1.0f);
    for (const double rate : {0.0, 0.05}) {
        const Game game = make_terminal_game("Kc8d3h2s", "22+, A2s+, KTo+, QJs, 76s",
                                             "TT-44, AJs+, KQo, 9h8h, JTs", rate, 300);
        const CardContext& ctx = game.card_context();
        for (const std::size_t n : {std::size_t{2}, std::size_t{5}}) {
            std::vector<NodeState> nodes;
            std::vector<std::vector<float>> reach(n), got(n);
            std::vector<TerminalLane> lanes(n);
            TerminalKind kind = TerminalKind::kOther;
            for (std::size_t l = 0; l < n; ++l) {
                NodeState node =
                    board_terminal(game, 1000 + 333 * static_cast<std::int32_t>(l), kCall, 0);
                node.river = kNoCard;
                nodes.push_back(node);
                for (std::size_t o = 0; o < ctx.pockets[0].size(); ++o) {
                    reach[l].push_back(dist(rng) < 0.6f ? 0.0f : dist(rng));
                }
                got[l].assign(ctx.pockets[1].size(), 42.0f);
                lanes[l] = {reach[l].data(), got[l].data(), {}};
                kind = plan_terminal(game, nodes[l], 1, lanes[l].units);
            }
            ASSERT_EQ(kind,
                      rate > 0 ? TerminalKind::kTurnAllInRaked : TerminalKind::kTurnAllInUnraked);
            with_kernel_path(
                [&]<KernelPath P>() { terminal_eval_batch<P>(game, nodes[0], 1, kind, lanes); });
            for (std::size_t l = 0; l < n; ++l) {
                std::vector<float> want(ctx.pockets[1].size());
                terminal_eval(game, nodes[l], 1, reach[l], want);
                EXPECT_EQ(std::memcmp(want.data(), got[l].data(), want.size() * sizeof(float)), 0)
                    << "rate " << rate << " batch " << n << " lane " << l;
            }
        }
    }
}

// A raked value that nearly cancels shows whether the batch rounds its
// three products as the lone sweep does: QhQd beats JhJd, ties QsQc and
// loses to KhKd, with the reach of JhJd chosen to offset the other two.
TEST(TerminalBatch, RakedValuesThatNearlyCancelMatchTheLoneSweep) {
    const Game game = make_terminal_game("Kc8d3h2s9c", "QhQd", "JhJd, KhKd, QsQc", 0.05);
    const CardContext& ctx = game.card_context();
    // A pot whose units are not exact in binary, so that the products round.
    const NodeState node = board_terminal(game, 707, kCall, 1);
    const auto index_of = [&](const char* text) {
        const Pocket p = make_pocket(parse_card(std::string_view(text, 2)),
                                     parse_card(std::string_view(text + 2, 2)));
        return static_cast<std::size_t>(std::find(ctx.pockets[1].begin(), ctx.pockets[1].end(), p) -
                                        ctx.pockets[1].begin());
    };
    const std::size_t weaker = index_of("JhJd"), stronger = index_of("KhKd"),
                      tied = index_of("QsQc");
    ASSERT_LT(std::max({weaker, stronger, tied}), ctx.pockets[1].size());
    const double pot = node.pot, rake = pot * game.config().rake_rate;
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> dist(0.01f, 1.0f);
    for (const KernelPath path : {KernelPath::kPortable, KernelPath::kAvx2Fma}) {
        if (!kernel_path_available(path)) {
            continue;
        }
        const KernelPath in_use = kernel_path();
        set_kernel_path_for_testing(path);
        for (int round = 0; round < 64; ++round) {
            std::vector<std::vector<float>> reach(kTerminalBatch), got(kTerminalBatch);
            std::vector<TerminalLane> lanes(kTerminalBatch);
            TerminalKind kind = TerminalKind::kOther;
            for (std::size_t l = 0; l < kTerminalBatch; ++l) {
                reach[l].assign(ctx.pockets[1].size(), 0.0f);
                const float b = dist(rng), c = dist(rng);
                reach[l][stronger] = b;
                reach[l][tied] = c;
                reach[l][weaker] =
                    static_cast<float>((b * pot / 2 + c * rake / 2) / (pot / 2 - rake));
                got[l].assign(ctx.pockets[0].size(), 42.0f);
                lanes[l] = {reach[l].data(), got[l].data(), {}};
                kind = plan_terminal(game, node, 0, lanes[l].units);
            }
            ASSERT_EQ(kind, TerminalKind::kRaked);
            with_kernel_path(
                [&]<KernelPath P>() { terminal_eval_batch<P>(game, node, 0, kind, lanes); });
            for (std::size_t l = 0; l < kTerminalBatch; ++l) {
                std::vector<float> want(ctx.pockets[0].size());
                terminal_eval(game, node, 0, reach[l], want);
                ASSERT_EQ(std::memcmp(want.data(), got[l].data(), want.size() * sizeof(float)), 0)
                    << "round " << round << " lane " << l << " path " << int(path) << ": "
                    << want[0] << " against " << got[l][0];
            }
        }
        set_kernel_path_for_testing(in_use);
    }
}

}  // namespace
}  // namespace quendal
