#include "session/action_stats.h"

#include "core/hand_evaluator.h"
#include "session/solve_session.h"
#include "session_fixtures.h"

#include <cmath>
#include <numeric>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

using test::Solved;

const std::vector<std::string> kRiverOopClasses = {"AA",  "KK",  "QQ",  "77",  "44",  "AKs", "AKo",
                                                   "KQs", "KQo", "QJs", "JTs", "T9s", "65s"};

void expect_equal_records(const ActionStatsResult& a, const ActionStatsResult& b) {
    ASSERT_EQ(a.equity.size(), b.equity.size());
    for (std::size_t i = 0; i < a.equity.size(); ++i) {
        EXPECT_TRUE(a.equity[i] == b.equity[i] ||
                    (std::isnan(a.equity[i]) && std::isnan(b.equity[i])));
        EXPECT_EQ(a.ev[i], b.ev[i]);
        EXPECT_EQ(a.combos[i], b.combos[i]);
    }
}

// On a complete board the equity is a direct count over hand pairs.
TEST(ActionStats, RiverEquityIsAPairwiseCount) {
    Solved s(test::river_fixture());
    const ActionStatsResult r = s.session.node_action_stats(0);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.labels, (std::vector<std::string>{"Check", "Bet 50%", "Bet 100%"}));
    EXPECT_EQ(r.codes, (std::vector<std::string>{"check", "bet 50%", "bet 100%"}));
    const std::vector<float> mean = s.state.solver->average_strategy(0);
    EXPECT_EQ(r.frequency, mean);

    const auto& ctx = s.ctx();
    const std::vector<float> strategy = s.state.solver->average_strategy_flat(0);
    const std::size_t hands = ctx.pockets[0].size();
    double all_combos = 0.0;
    for (std::size_t a = 0; a < 3; ++a) {
        double total = 0.0, score = 0.0, combos = 0.0;
        for (std::size_t h = 0; h < hands; ++h) {
            const double q = ctx.pocket_weights[0][h] * strategy[a * hands + h];
            combos += q;
            for (std::size_t j = 0; j < ctx.pockets[1].size(); ++j) {
                const double v = ctx.pocket_weights[1][j];
                if (q <= 0.0 || v <= 0.0 ||
                    (quendal::pocket_mask(ctx.pockets[0][h]) &
                     quendal::pocket_mask(ctx.pockets[1][j])) != 0) {
                    continue;
                }
                const auto mine = quendal::evaluate_hand(ctx.pockets[0][h], ctx.board_cards);
                const auto theirs = quendal::evaluate_hand(ctx.pockets[1][j], ctx.board_cards);
                total += q * v;
                score += q * v * (mine > theirs ? 1.0 : mine == theirs ? 0.5 : 0.0);
            }
        }
        EXPECT_NEAR(r.combos[a], combos, 1e-6 * (1 + combos));
        all_combos += r.combos[a];
        if (total > 0.0) {
            EXPECT_NEAR(r.equity[a], score / total, 1e-9) << a;
        } else {
            EXPECT_TRUE(std::isnan(r.equity[a]));
        }
        EXPECT_TRUE(std::isfinite(r.ev[a]));
    }
    // Each hand's probabilities sum to 1, so the combos add up to the range.
    EXPECT_NEAR(all_combos,
                std::accumulate(ctx.pocket_weights[0].begin(), ctx.pocket_weights[0].end(), 0.0),
                1e-4);
    expect_equal_records(r, s.session.node_action_stats(0));
}

// A flop node's sampled equity agrees with an exact enumeration of the runouts.
TEST(ActionStats, FlopEquityAgreesWithExactEnumeration) {
    Solved s(test::tiny_flop_fixture());
    const ActionStatsResult r = s.session.node_action_stats(0);
    ASSERT_TRUE(r.ok);
    const auto& ctx = s.ctx();
    const std::vector<float> strategy = s.state.solver->average_strategy_flat(0);
    const std::size_t hands = ctx.pockets[0].size();
    const auto& flop = ctx.board_cards;
    for (std::size_t a = 0; a < r.equity.size(); ++a) {
        // The sampler draws a hero by weight, a villain by weight among those
        // that fit, then a runout uniformly from the cards left.
        double hero_total = 0.0, exact = 0.0;
        for (std::size_t h = 0; h < hands; ++h) {
            hero_total += ctx.pocket_weights[0][h] * strategy[a * hands + h];
        }
        if (hero_total <= 0.0) {
            EXPECT_TRUE(std::isnan(r.equity[a]));
            continue;
        }
        for (std::size_t h = 0; h < hands; ++h) {
            const double q = ctx.pocket_weights[0][h] * strategy[a * hands + h] / hero_total;
            if (q <= 0.0) {
                continue;
            }
            const std::uint64_t hero_mask = quendal::pocket_mask(ctx.pockets[0][h]);
            double villain_total = 0.0, villain_score = 0.0;
            for (std::size_t j = 0; j < ctx.pockets[1].size(); ++j) {
                const double v = ctx.pocket_weights[1][j];
                const std::uint64_t villain_mask = quendal::pocket_mask(ctx.pockets[1][j]);
                if (v <= 0.0 || (villain_mask & hero_mask) != 0) {
                    continue;
                }
                double runouts = 0.0, score = 0.0;
                for (int t = 0; t < 52; ++t) {
                    for (int u = t + 1; u < 52; ++u) {
                        const std::uint64_t both =
                            (std::uint64_t{1} << t) | (std::uint64_t{1} << u);
                        std::uint64_t dead = hero_mask | villain_mask;
                        for (const auto c : flop) {
                            dead |= std::uint64_t{1} << c;
                        }
                        if ((both & dead) != 0) {
                            continue;
                        }
                        const std::array<quendal::CardCode, 5> board = {
                            flop[0], flop[1], flop[2], static_cast<quendal::CardCode>(t),
                            static_cast<quendal::CardCode>(u)};
                        const auto mine = quendal::evaluate_hand(ctx.pockets[0][h], board);
                        const auto theirs = quendal::evaluate_hand(ctx.pockets[1][j], board);
                        runouts += 1.0;
                        score += mine > theirs ? 1.0 : mine == theirs ? 0.5 : 0.0;
                    }
                }
                villain_total += v;
                villain_score += v * score / runouts;
            }
            exact += q * villain_score / villain_total;
        }
        const double standard_error = std::sqrt(exact * (1.0 - exact) / 6000.0);
        EXPECT_NEAR(r.equity[a], exact, 4.0 * standard_error + 1e-9) << "action " << a;
    }
}

TEST(ActionStats, AnActionNobodyTakesAndTheFailures) {
    SolveConfig config = test::river_fixture();
    test::lock_root_to_first_action(config, kRiverOopClasses);
    Solved s(config);
    const ActionStatsResult r = s.session.node_action_stats(0);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.combos[1], 0.0);
    EXPECT_EQ(r.ev[1], 500.0);  // nothing but the offset: half the pot
    EXPECT_TRUE(std::isnan(r.equity[1]));
    EXPECT_GT(r.combos[0], 0.0);

    const std::size_t count = s.game().nodes().size();
    const std::size_t terminal =
        s.find([](const quendal::NodeState& n) { return n.type == quendal::kTerminalNode; });
    for (const std::uint64_t node : {std::uint64_t{count}, std::uint64_t{terminal}}) {
        const ActionStatsResult bad = s.session.node_action_stats(node);
        EXPECT_FALSE(bad.ok);
        EXPECT_TRUE(bad.labels.empty() && bad.equity.empty() && bad.ev.empty());
    }
    s.session.reset();
    EXPECT_FALSE(s.session.node_action_stats(0).ok);
}

// On a turn node, hands holding the dealt turn card weigh nothing on either side.
TEST(ActionStats, DealtCardsWeighNothing) {
    Solved s(test::tiny_flop_fixture());
    const std::size_t turn_node = s.find([&](const quendal::NodeState& n) {
        if (n.type != quendal::kDecisionNode || n.turn == quendal::kNoCard ||
            n.river != quendal::kNoCard) {
            return false;
        }
        const auto& own = s.ctx().pockets[n.player];
        return std::any_of(own.begin(), own.end(), [&](quendal::Pocket p) {
            return (quendal::pocket_mask(p) >> n.turn) & 1;
        });
    });
    ASSERT_LT(turn_node, s.game().nodes().size());
    const quendal::NodeState& node = s.game().nodes()[turn_node];
    const ActionStatsResult r = s.session.node_action_stats(turn_node);
    ASSERT_TRUE(r.ok);
    double expected = 0.0;
    for (std::size_t h = 0; h < s.ctx().pockets[node.player].size(); ++h) {
        if (((quendal::pocket_mask(s.ctx().pockets[node.player][h]) >> node.turn) & 1) == 0) {
            expected += s.ctx().pocket_weights[node.player][h];
        }
    }
    EXPECT_NEAR(std::accumulate(r.combos.begin(), r.combos.end(), 0.0), expected, 1e-4);
    for (std::size_t a = 0; a < r.ev.size(); ++a) {
        EXPECT_TRUE(std::isfinite(r.ev[a]));
        EXPECT_TRUE(std::isnan(r.equity[a]) || (r.equity[a] >= 0.0 && r.equity[a] <= 1.0));
    }
    expect_equal_records(r, s.session.node_action_stats(turn_node));
}

}  // namespace
}  // namespace quendal_app
