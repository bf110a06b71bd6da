#include "session/hand_queries.h"

#include "session/action_labels.h"
#include "session/solve_session.h"
#include "session_fixtures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

using test::Solved;

bool holds(quendal::Pocket p, quendal::CardCode c) {
    return quendal::pocket_low(p) == c || quendal::pocket_high(p) == c;
}

TEST(HandQueries, StrategyPerClassAtTheRoot) {
    Solved s(test::river_fixture());
    const HandStrategyResult r = s.session.node_hand_strategy(0);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.labels, hand_class_labels_169());
    const std::size_t actions = r.action_names.size();
    ASSERT_EQ(actions, 3u);
    EXPECT_EQ(r.action_names[1], "Bet 50%");
    ASSERT_EQ(r.probs.size(), 169 * actions);
    for (std::size_t c = 0; c < 169; ++c) {
        double sum = 0.0;
        for (std::size_t a = 0; a < actions; ++a) {
            sum += r.probs[c * actions + a];
        }
        if (r.weights[c] > 0.0f) {
            EXPECT_NEAR(sum, 1.0, 1e-5) << r.labels[c];
            EXPECT_FALSE(r.dominant[c].empty());
        } else {
            EXPECT_EQ(sum, 0.0) << r.labels[c];
            EXPECT_EQ(r.dominant[c], "");
        }
    }
    // AA is in OOP's range, 32o is not.
    EXPECT_GT(r.weights[0], 0.0f);
    EXPECT_EQ(r.weights[167], 0.0f);
    double total = 0.0;
    for (const float w : r.weights) {
        total += w;
    }
    // At the root every hand counts with its range weight.
    const auto& range = s.ctx().pocket_weights[0];
    EXPECT_NEAR(total, std::accumulate(range.begin(), range.end(), 0.0), 1e-3);
}

TEST(HandQueries, EqualGreatestProbabilitiesKeepTheEarlierAction) {
    SolveConfig config = test::river_fixture();
    SolveNodeLock lock;
    lock.node_index = 0;
    lock.hand = "AA";
    lock.action_probs = {1.0f, 1.0f, 0.0f};
    config.node_locks = {lock};
    Solved s(config);
    const HandStrategyResult r = s.session.node_hand_strategy(0);
    ASSERT_TRUE(r.ok);
    EXPECT_FLOAT_EQ(r.probs[0], 0.5f);
    EXPECT_FLOAT_EQ(r.probs[1], 0.5f);
    EXPECT_EQ(r.dominant[0], "check");
}

TEST(HandQueries, CombosAgreeWithTheEngineAtTheRoot) {
    Solved s(test::river_fixture());
    const HandCombosResult r = s.session.node_hand_combos(0);
    ASSERT_TRUE(r.ok);
    const auto& weights = s.ctx().pocket_weights[0];
    std::size_t live = 0;
    for (const float w : weights) {
        live += w > 0.0f;
    }
    ASSERT_EQ(r.rows.size(), live);
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        const HandComboRecord& row = r.rows[i];
        if (i > 0) {
            EXPECT_GE(r.rows[i - 1].ev, row.ev);  // highest first
        }
        // At the root every weight is the range weight.
        const quendal::Pocket p =
            quendal::make_pocket(quendal::parse_card(row.c1), quendal::parse_card(row.c2));
        const auto& pockets = s.ctx().pockets[0];
        const std::size_t h = static_cast<std::size_t>(
            std::find(pockets.begin(), pockets.end(), p) - pockets.begin());
        ASSERT_LT(h, pockets.size());
        EXPECT_DOUBLE_EQ(row.weight, weights[h]);
        EXPECT_FALSE(row.buckets.empty());
        ASSERT_EQ(row.action_evs.size(), 3u);
        ASSERT_EQ(row.action_probs.size(), 3u);
        EXPECT_NEAR(std::accumulate(row.action_probs.begin(), row.action_probs.end(), 0.0), 1.0,
                    1e-5);
        // The node's value is the strategy's mix of its actions' values.
        double mixed = 0.0;
        for (std::size_t a = 0; a < 3; ++a) {
            mixed += row.action_probs[a] * row.action_evs[a];
        }
        EXPECT_NEAR(row.ev, mixed, 1e-3 * (1.0 + std::fabs(row.ev))) << row.c1 << row.c2;

        // The named-hand query gives the same action EVs.
        const PocketActionEvsResult evs =
            s.session.node_pocket_action_evs(0, false, row.c1, row.c2);
        ASSERT_TRUE(evs.ok) << row.c1 << row.c2;
        for (std::size_t a = 0; a < 3; ++a) {
            EXPECT_NEAR(evs.evs[a], row.action_evs[a], 1e-2 * (1.0 + std::fabs(row.action_evs[a])));
        }
    }
    // Two calls give identical rows, in the same order.
    const HandCombosResult again = s.session.node_hand_combos(0);
    ASSERT_EQ(again.rows.size(), r.rows.size());
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        EXPECT_EQ(again.rows[i].c1 + again.rows[i].c2, r.rows[i].c1 + r.rows[i].c2);
        EXPECT_EQ(again.rows[i].ev, r.rows[i].ev);
    }
}

// Pockets holding a card dealt on the way weigh nothing at the node.
TEST(HandQueries, DealtCardsWeighNothingOnTurnAndRiverNodes) {
    Solved flop(test::tiny_flop_fixture());
    // A turn node whose turn card some hand of the acting seat holds.
    const std::size_t turn_node = flop.find([&](const quendal::NodeState& n) {
        if (n.type != quendal::kDecisionNode || n.turn == quendal::kNoCard ||
            n.river != quendal::kNoCard || n.actions.empty()) {
            return false;
        }
        const auto& own = flop.ctx().pockets[n.player];
        return std::any_of(own.begin(), own.end(),
                           [&](quendal::Pocket p) { return holds(p, n.turn); });
    });
    ASSERT_LT(turn_node, flop.game().nodes().size());
    const quendal::NodeState& node = flop.game().nodes()[turn_node];
    const int player = node.player;
    const auto& pockets = flop.ctx().pockets[player];
    std::size_t holders = 0;
    for (std::size_t h = 0; h < pockets.size(); ++h) {
        holders += holds(pockets[h], node.turn);
    }
    ASSERT_GT(holders, 0u);
    // The seat's hands there with their reach weights, the holders left out.
    const HandCombosResult seat = flop.session.node_seat_hand_combos(turn_node, player == 1);
    ASSERT_TRUE(seat.ok);
    double expected = 0.0;
    for (const HandComboRecord& row : seat.rows) {
        expected += row.weight;
    }

    const HandStrategyResult strategy = flop.session.node_hand_strategy(turn_node);
    ASSERT_TRUE(strategy.ok);
    EXPECT_NEAR(std::accumulate(strategy.weights.begin(), strategy.weights.end(), 0.0), expected,
                1e-3);

    const HandCombosResult combos = flop.session.node_hand_combos(turn_node);
    ASSERT_TRUE(combos.ok);
    const std::string turn_text = quendal::card_to_string(static_cast<std::int8_t>(node.turn));
    std::size_t zero_rows = 0;
    for (const HandComboRecord& row : combos.rows) {
        if (row.c1 == turn_text || row.c2 == turn_text) {
            EXPECT_EQ(row.weight, 0.0);
            ++zero_rows;
        }
    }
    EXPECT_EQ(zero_rows, holders);

    for (const HandComboRecord& row : seat.rows) {
        EXPECT_NE(row.c1, turn_text);
        EXPECT_NE(row.c2, turn_text);
        EXPECT_EQ(row.ev, 0.0);
        EXPECT_TRUE(row.action_evs.empty());
    }
    EXPECT_EQ(seat.rows.size(), pockets.size() - holders);
    // At the root the same seat keeps them all.
    EXPECT_EQ(flop.session.node_seat_hand_combos(0, player == 1).rows.size(), pockets.size());

    // Buckets: each remaining hand counts once per bucket word, or in air.
    const HandBucketsResult buckets = flop.session.node_hand_buckets(turn_node);
    ASSERT_TRUE(buckets.ok);
    double bucketed = 0.0, want = 0.0;
    for (const HandBucketRecord& b : buckets.buckets) {
        bucketed += b.combos;
    }
    const auto& names = hand_bucket_names();
    const std::vector<quendal::CardCode> board = node_board_cards(flop.game(), node);
    for (const HandComboRecord& row : seat.rows) {
        const quendal::Pocket p =
            quendal::make_pocket(quendal::parse_card(row.c1), quendal::parse_card(row.c2));
        int in = 0;
        for (const std::string& word : hand_words(p, board)) {
            in += std::find(names.begin(), names.end(), word) != names.end();
        }
        want += row.weight * std::max(in, 1);
    }
    EXPECT_NEAR(bucketed, want, 1e-4);
}

// The action statistics and the combos computed together, from one walk of
// the children serving both where it can and the node's values following
// from its children's, against a plain reference: one walk of the engine
// per child and one of the node, for each query's own opponent reach. Flop
// nodes where the two reaches are the same (the root) and where they are
// not, turn and river nodes of both seats.
TEST(HandQueries, StatsAndCombosTogetherAgreeWithOneWalkPerChild) {
    Solved s(test::tiny_flop_fixture());
    quendal::Game& game = *s.state.game;
    quendal::DiscountedCfr& solver = *s.state.solver;
    const NodeParents& parents = s.state.tables->parents(game);
    const quendal::CardContext& ctx = game.card_context();
    const auto& nodes = game.nodes();
    std::vector<std::size_t> picked = {0};
    for (const std::uint64_t child : nodes[0].children) {
        if (nodes[child].type == quendal::kDecisionNode) {
            picked.push_back(child);
        }
    }
    for (const int seat : {0, 1}) {
        for (const bool river : {false, true}) {
            picked.push_back(s.find([&](const quendal::NodeState& n) {
                return n.type == quendal::kDecisionNode && n.player == seat &&
                       n.turn != quendal::kNoCard && (n.river != quendal::kNoCard) == river;
            }));
        }
    }
    for (const std::size_t n : picked) {
        ASSERT_LT(n, nodes.size());
        const quendal::NodeState& node = nodes[n];
        const int player = node.player;
        const int opponent = 1 - player;
        const std::size_t actions = node.actions.size();
        const NodeStatsAndCombos both = s.session.node_stats_and_combos(n);
        ASSERT_TRUE(both.stats.ok && both.combos.ok) << "node " << n;

        // Each on its own gives the same.
        const ActionStatsResult stats = s.session.node_action_stats(n);
        ASSERT_TRUE(stats.ok);
        EXPECT_EQ(stats.labels, both.stats.labels);
        EXPECT_EQ(stats.frequency, both.stats.frequency);
        EXPECT_EQ(stats.combos, both.stats.combos);
        EXPECT_EQ(stats.ev, both.stats.ev);
        const HandCombosResult combos = s.session.node_hand_combos(n);
        ASSERT_EQ(combos.rows.size(), both.combos.rows.size());
        for (std::size_t i = 0; i < combos.rows.size(); ++i) {
            EXPECT_EQ(combos.rows[i].c1 + combos.rows[i].c2,
                      both.combos.rows[i].c1 + both.combos.rows[i].c2);
            EXPECT_EQ(combos.rows[i].ev, both.combos.rows[i].ev);
            EXPECT_EQ(combos.rows[i].action_evs, both.combos.rows[i].action_evs);
        }

        // The reference walks.
        const std::uint64_t dead = node_dead_cards(game, node);
        const auto path = parents.path_to(n);
        ASSERT_TRUE(path.has_value());
        const std::vector<float> opp_reach =
            seat_reach_along(game, solver, *path, opponent, ctx.pocket_weights[opponent], dead);
        std::vector<float> villain = ctx.pocket_weights[opponent];
        for (std::size_t j = 0; j < villain.size(); ++j) {
            if ((quendal::pocket_mask(ctx.pockets[opponent][j]) & dead) != 0) {
                villain[j] = 0.0f;
            }
        }
        std::vector<std::vector<float>> by_reach, by_villain;
        for (std::size_t a = 0; a < actions; ++a) {
            by_reach.push_back(
                solver.compute_node_values_with_reach(game, node.children[a], player, opp_reach));
            by_villain.push_back(
                solver.compute_node_values_with_reach(game, node.children[a], player, villain));
        }
        const std::vector<float> own_values =
            solver.compute_node_values_with_reach(game, n, player, opp_reach);
        const double offset = ev_offset(game, node);
        const UnblockedWeight unblocked(ctx, opponent, opp_reach);
        for (const HandComboRecord& row : both.combos.rows) {
            const quendal::Pocket p =
                quendal::make_pocket(quendal::parse_card(row.c1), quendal::parse_card(row.c2));
            const auto& pockets = ctx.pockets[player];
            const std::size_t h = static_cast<std::size_t>(
                std::find(pockets.begin(), pockets.end(), p) - pockets.begin());
            ASSERT_LT(h, pockets.size());
            const double m = unblocked(h);
            EXPECT_EQ(row.ev, scaled_hand_value(own_values[h], ctx.matchup_normaliser, m, offset))
                << "node " << n << " " << row.c1 << row.c2;
            for (std::size_t a = 0; a < actions; ++a) {
                EXPECT_EQ(row.action_evs[a],
                          scaled_hand_value(by_reach[a][h], ctx.matchup_normaliser, m, offset))
                    << "node " << n << " " << row.c1 << row.c2 << " action " << a;
            }
        }
        // The statistics weigh each child's values by the acting seat's
        // reach weights under the strategy, against the opponent's whole range.
        const std::vector<float> strategy = solver.average_strategy_flat(n);
        const std::vector<double> own = seat_reach_weights(game, solver, *path, player, dead);
        const std::size_t hands = own.size();
        const UnblockedWeight against_range(ctx, opponent, villain);
        for (std::size_t a = 0; a < actions; ++a) {
            double k_sum = 0.0, ev_sum = 0.0;
            for (std::size_t h = 0; h < hands; ++h) {
                const float q = strategy[a * hands + h];
                if (!(own[h] > 0.0) || !(q > 0.0f)) {
                    continue;
                }
                const double k = static_cast<double>(q) * own[h];
                k_sum += k;
                const double m = against_range(h);
                ev_sum += k * by_villain[a][h] * (m > 0.0 ? ctx.matchup_normaliser / m : 1.0);
            }
            const double want = (k_sum > 0.0 ? ev_sum / k_sum : 0.0) + offset;
            EXPECT_NEAR(both.stats.ev[a], want, 1e-9 * (1.0 + std::fabs(want)))
                << "node " << n << " action " << a;
        }
    }
}

// Each hand of a seat counts at a node with its reach weight there: its
// range weight times its own probabilities on the way. The combo rows of
// the acting seat carry those weights and are the reference for the node's
// frequencies in the snapshot and in the action statistics, for the
// statistics' combos, for the seat's combos, and for the combos and mixes of
// the hand buckets and of the 169 classes; the other seat's weights follow
// from the rows of the node above, where it acted. OOP's range is partly
// weighted, so that the root weighs its hands too.
TEST(HandQueries, NodeFiguresWeighHandsByTheirReach) {
    SolveConfig config = test::river_fixture();
    config.oop_range = "AA, KK, QQ, 77, 44, AK, KQ:0.5, QJs, JTs, T9s, 65s";
    SolveSession session;
    const std::vector<SolveProgress> reports = test::solve_and_wait(session, config);
    ASSERT_FALSE(reports.empty());
    ASSERT_TRUE(reports.back().result && reports.back().result->ok) << reports.back().status;
    const SolveResultSnapshot& snapshot = *reports.back().result;
    const SolveSession::SolvedState state = session.solved_state();
    ASSERT_TRUE(state);

    using Weights = std::map<std::string, double>;
    const auto expect_weights = [](const HandCombosResult& got, const Weights& want) {
        ASSERT_TRUE(got.ok);
        Weights seen;
        for (const HandComboRecord& r : got.rows) {
            seen[r.c1 + r.c2] = r.weight;
        }
        ASSERT_EQ(seen.size(), want.size());
        for (const auto& [hand, weight] : want) {
            ASSERT_TRUE(seen.contains(hand)) << hand;
            EXPECT_NEAR(seen[hand], weight, 1e-6) << hand;
        }
    };
    struct Row {
        std::vector<std::string> line;  // action codes from the root
        double gap;                     // plain and reach-weighted means differ by more
    };
    std::size_t unreached_classes = 0;
    const Row rows[] = {
        {{}, 0.01},
        {{"check", "bet 50%"}, 0.05},           // OOP facing a half-pot bet
        {{"check", "bet 100%"}, 0.05},          // OOP facing a pot bet
        {{"check", "bet 50%", "allin"}, 0.05},  // IP facing a check-raise all-in
    };
    for (const Row& row : rows) {
        std::string name = "root";
        std::size_t node = 0, above = 0, taken = 0;
        for (const std::string& code : row.line) {
            const SolveNodeMeta meta = snapshot.nodes[node];
            const std::vector<SolveActionMeta>& actions = meta.actions;
            const auto it = std::find_if(actions.begin(), actions.end(),
                                         [&](const SolveActionMeta& a) { return a.code == code; });
            ASSERT_NE(it, actions.end()) << code;
            above = node;
            taken = static_cast<std::size_t>(it - actions.begin());
            node = it->child;
            name += " / " + code;
        }
        SCOPED_TRACE(name);
        const quendal::NodeState& n = state.game->nodes()[node];
        ASSERT_EQ(n.type, quendal::kDecisionNode);
        const std::size_t actions = n.actions.size();
        const HandCombosResult own = session.node_hand_combos(node);
        ASSERT_TRUE(own.ok);
        std::vector<double> combos(actions, 0.0);
        double total = 0.0;
        std::size_t unreached = 0;
        Weights reaching;
        for (const HandComboRecord& r : own.rows) {
            total += r.weight;
            for (std::size_t a = 0; a < actions; ++a) {
                combos[a] += r.weight * r.action_probs[a];
            }
            if (r.weight > 0.0) {
                reaching[r.c1 + r.c2] = r.weight;
            } else {
                ++unreached;
            }
        }
        ASSERT_GT(total, 0.0);
        if (!row.line.empty()) {
            ASSERT_GT(unreached, 0u);
        }
        const std::vector<float> plain = state.solver->average_strategy(node);
        double gap = 0.0;
        for (std::size_t a = 0; a < actions; ++a) {
            gap = std::max(gap, std::fabs(plain[a] - combos[a] / total));
        }
        ASSERT_GT(gap, row.gap);

        const ActionStatsResult stats = session.node_action_stats(node);
        ASSERT_TRUE(stats.ok);
        for (std::size_t a = 0; a < actions; ++a) {
            const double want = combos[a] / total;
            EXPECT_NEAR(snapshot.nodes[node].actions[a].frequency, want, 1e-5) << a;
            if (row.line.empty()) {
                EXPECT_NEAR(snapshot.root_action_frequencies[a], want, 1e-5) << a;
            }
            EXPECT_NEAR(stats.frequency[a], want, 1e-5) << a;
            EXPECT_NEAR(stats.combos[a], combos[a], 1e-5 * (1.0 + combos[a])) << a;
        }

        expect_weights(session.node_seat_hand_combos(node, n.player == 1), reaching);

        // The buckets and the classes: the rows' weights summed, their
        // action probabilities averaged by those weights.
        struct Mix {
            double weight = 0.0;
            std::vector<double> probs;
        };
        std::map<std::string, Mix> by_bucket, by_class;
        const auto add = [&](Mix& mix, const HandComboRecord& r) {
            mix.probs.resize(actions);
            mix.weight += r.weight;
            for (std::size_t a = 0; a < actions; ++a) {
                mix.probs[a] += r.weight * r.action_probs[a];
            }
        };
        const auto& names = hand_bucket_names();
        for (const HandComboRecord& r : own.rows) {
            if (!(r.weight > 0.0)) {
                continue;
            }
            bool placed = false;
            for (const std::string& word : r.buckets) {
                if (std::find(names.begin(), names.end(), word) != names.end()) {
                    add(by_bucket[word], r);
                    placed = true;
                }
            }
            if (!placed) {
                add(by_bucket["air"], r);
            }
            add(by_class[hand_class_label(
                    quendal::make_pocket(quendal::parse_card(r.c1), quendal::parse_card(r.c2)))],
                r);
        }
        const auto expect_mix = [&](const Mix& want, double weight, const float* probs,
                                    const std::string& what) {
            EXPECT_NEAR(weight, want.weight, 1e-5 * (1.0 + want.weight)) << what;
            for (std::size_t a = 0; a < actions; ++a) {
                EXPECT_NEAR(probs[a], want.probs[a] / want.weight, 1e-5) << what << " " << a;
            }
        };
        const HandBucketsResult buckets = session.node_hand_buckets(node);
        ASSERT_TRUE(buckets.ok);
        EXPECT_EQ(buckets.buckets.size(), by_bucket.size());
        for (const HandBucketRecord& b : buckets.buckets) {
            ASSERT_TRUE(by_bucket.contains(b.name)) << b.name;
            expect_mix(by_bucket[b.name], b.combos, b.action_probs.data(), b.name);
        }
        // A class no hand of which gets here weighs nothing and keeps its
        // range's mix, which a lock seeded from the grid holds it to.
        std::set<std::string> in_range;
        for (std::size_t h = 0; h < state.game->card_context().pockets[n.player].size(); ++h) {
            if (state.game->card_context().pocket_weights[n.player][h] > 0.0f) {
                in_range.insert(hand_class_label(state.game->card_context().pockets[n.player][h]));
            }
        }
        const HandStrategyResult strategy = session.node_hand_strategy(node);
        ASSERT_TRUE(strategy.ok);
        double range_total = 0.0;
        for (std::size_t c = 0; c < strategy.labels.size(); ++c) {
            const std::string& label = strategy.labels[c];
            const float* probs = strategy.probs.data() + c * actions;
            if (by_class.contains(label)) {
                expect_mix(by_class[label], strategy.weights[c], probs, label);
                EXPECT_FALSE(strategy.dominant[c].empty()) << label;
                continue;
            }
            EXPECT_EQ(strategy.weights[c], 0.0f) << label;
            EXPECT_EQ(strategy.dominant[c], "") << label;
            unreached_classes += in_range.contains(label);
            EXPECT_NEAR(std::accumulate(probs, probs + actions, 0.0),
                        in_range.contains(label) ? 1.0 : 0.0, 1e-5)
                << label;
        }
        for (const float w : state.game->card_context().pocket_weights[n.player]) {
            range_total += w;
        }
        if (!row.line.empty()) {
            EXPECT_LT(total, 0.8 * range_total);  // far from the range

            // The other seat took the last action of the line at the node above.
            const HandCombosResult before = session.node_hand_combos(above);
            ASSERT_TRUE(before.ok);
            Weights other;
            for (const HandComboRecord& r : before.rows) {
                if (r.weight * r.action_probs[taken] > 0.0) {
                    other[r.c1 + r.c2] = r.weight * r.action_probs[taken];
                }
            }
            expect_weights(session.node_seat_hand_combos(node, n.player == 0), other);
        }
    }
    EXPECT_GT(unreached_classes, 0u);
}

// The snapshot takes every node's reach from one walk down the tree; on a
// flop, through the deals, each node's frequencies are those of the reach
// along its own path.
TEST(HandQueries, SnapshotFrequenciesFollowEachNodesPath) {
    SolveSession session;
    const std::vector<SolveProgress> reports =
        test::solve_and_wait(session, test::tiny_flop_fixture());
    ASSERT_FALSE(reports.empty());
    ASSERT_TRUE(reports.back().result && reports.back().result->ok) << reports.back().status;
    const SolveResultSnapshot& snapshot = *reports.back().result;
    const SolveSession::SolvedState state = session.solved_state();
    quendal::Game& game = *state.game;
    const NodeParents& parents = state.tables->parents(game);
    std::size_t differ = 0;
    for (std::size_t i = 0; i < game.nodes().size(); ++i) {
        const quendal::NodeState& node = game.nodes()[i];
        if (node.type != quendal::kDecisionNode) {
            continue;
        }
        const auto path = parents.path_to(i);
        ASSERT_TRUE(path.has_value());
        const std::vector<double> weights = seat_reach_weights(
            game, *state.solver, *path, node.player, node_dead_cards(game, node));
        const std::vector<float> want = reach_weighted_frequencies(
            state.solver->average_strategy_flat(i), node.actions.size(), weights.size(), weights);
        const std::vector<float> plain = state.solver->average_strategy(i);
        ASSERT_EQ(want.size(), snapshot.nodes[i].actions.size());
        for (std::size_t a = 0; a < want.size(); ++a) {
            ASSERT_NEAR(snapshot.nodes[i].actions[a].frequency, want[a], 1e-6)
                << "node " << i << " action " << a;
            differ += std::fabs(want[a] - plain[a]) > 0.05f;
        }
    }
    EXPECT_GT(differ, 0u);
}

// OOP always checks, so no hand of OOP gets to the all-in it faces after
// betting: the node keeps the plain mean, no combo takes an action and the
// seat has no combos there.
TEST(HandQueries, ANodeNoHandReachesKeepsThePlainMean) {
    SolveConfig config = test::river_fixture();
    test::lock_root_to_first_action(config, {"AA", "KK", "QQ", "77", "44", "AKs", "AKo", "KQs",
                                             "KQo", "QJs", "JTs", "T9s", "65s"});
    SolveSession session;
    const std::vector<SolveProgress> reports = test::solve_and_wait(session, config);
    ASSERT_FALSE(reports.empty());
    ASSERT_TRUE(reports.back().result && reports.back().result->ok) << reports.back().status;
    const SolveResultSnapshot& snapshot = *reports.back().result;
    std::size_t node = 0;
    for (const std::string code : {"bet 50%", "allin"}) {
        const SolveNodeMeta meta = snapshot.nodes[node];
        const std::vector<SolveActionMeta>& actions = meta.actions;
        const auto it = std::find_if(actions.begin(), actions.end(),
                                     [&](const SolveActionMeta& a) { return a.code == code; });
        ASSERT_NE(it, actions.end()) << code;
        node = it->child;
    }
    const std::vector<float> plain = session.solved_state().solver->average_strategy(node);
    ASSERT_EQ(snapshot.nodes[node].actions.size(), plain.size());
    for (std::size_t a = 0; a < plain.size(); ++a) {
        EXPECT_NEAR(snapshot.nodes[node].actions[a].frequency, plain[a], 1e-6) << a;
    }
    const ActionStatsResult stats = session.node_action_stats(node);
    ASSERT_TRUE(stats.ok);
    EXPECT_EQ(stats.frequency, plain);
    EXPECT_EQ(stats.combos, std::vector<double>(plain.size(), 0.0));
    const HandCombosResult seat = session.node_seat_hand_combos(node, false);
    EXPECT_TRUE(seat.ok);
    EXPECT_TRUE(seat.rows.empty());
}

TEST(HandQueries, EveryFailureIsOkFalseWithEmptyLists) {
    SolveSession empty;
    EXPECT_FALSE(empty.node_hand_strategy(0).ok);
    EXPECT_FALSE(empty.node_hand_combos(0).ok);
    EXPECT_FALSE(empty.node_pocket_action_evs(0, false, "As", "Ah").ok);
    EXPECT_FALSE(empty.node_seat_hand_combos(0, false).ok);
    EXPECT_FALSE(empty.node_hand_buckets(0).ok);

    Solved s(test::river_fixture());
    const std::size_t count = s.game().nodes().size();
    const std::size_t terminal =
        s.find([](const quendal::NodeState& n) { return n.type == quendal::kTerminalNode; });
    for (const std::uint64_t node : {std::uint64_t{count}, std::uint64_t{terminal}}) {
        const HandStrategyResult st = s.session.node_hand_strategy(node);
        EXPECT_FALSE(st.ok);
        EXPECT_TRUE(st.labels.empty() && st.probs.empty() && st.weights.empty());
        const HandCombosResult combos = s.session.node_hand_combos(node);
        EXPECT_FALSE(combos.ok);
        EXPECT_TRUE(combos.rows.empty());
        EXPECT_FALSE(s.session.node_pocket_action_evs(node, false, "As", "Ah").ok);
    }
    EXPECT_FALSE(s.session.node_seat_hand_combos(count, false).ok);
    EXPECT_TRUE(s.session.node_seat_hand_combos(terminal, false).ok);  // any node kind

    const auto evs = [&](bool ip, const char* a, const char* b) {
        const PocketActionEvsResult r = s.session.node_pocket_action_evs(0, ip, a, b);
        EXPECT_TRUE(r.ok || r.evs.empty());
        return r.ok;
    };
    EXPECT_TRUE(evs(false, "As", "Ah"));
    EXPECT_TRUE(evs(false, "Ah", "As"));   // either order
    EXPECT_FALSE(evs(true, "Qh", "Qc"));   // IP does not act at the root
    EXPECT_FALSE(evs(false, "As", "As"));  // equal cards
    EXPECT_FALSE(evs(false, "A", "Ah"));   // one character
    EXPECT_FALSE(evs(false, "3s", "2h"));  // not in the range
    EXPECT_FALSE(evs(false, "Zz", "Ah"));  // not a card: answered, never thrown
}

}  // namespace
}  // namespace quendal_app
