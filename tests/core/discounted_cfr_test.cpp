#include "core/discounted_cfr.h"

#include "board_text.h"
#include "core/terminal_payoffs.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {

// Reaches the engine's private traversal.
struct DiscountedCfrTestAccess {
    static void prepare(DiscountedCfr& cfr, Game& game) { cfr.prepare_states(game); }
    static void iterate(DiscountedCfr& cfr, Game& game, std::uint32_t t) {
        cfr.solve_iteration(game, t);
    }
    static void traverse(DiscountedCfr& cfr, Game& game, std::size_t node, int seat,
                         std::span<const float> reach, std::span<float> out) {
        ScratchStack scratch;
        with_kernel_path([&]<KernelPath P>() {
            cfr.solve_recursive<P>(game, node, seat, reach, out, 0, scratch);
        });
    }
    static std::vector<NodeInfo>& nodes(DiscountedCfr& cfr) { return cfr.nodes_; }
    // Every node's regrets, then its strategy sums, copied out of the engine.
    static std::vector<std::vector<float>> arrays(DiscountedCfr& cfr) {
        std::vector<std::vector<float>> out;
        for (const NodeInfo& info : cfr.nodes_) {
            out.emplace_back(info.regrets.begin(), info.regrets.end());
            out.emplace_back(info.strategy_sums.begin(), info.strategy_sums.end());
        }
        return out;
    }
};

namespace {

using Access = DiscountedCfrTestAccess;

DiscountedCfr::Options options(std::size_t threads, bool compact = false) {
    DiscountedCfr::Options o;
    o.threads = threads;
    o.compact_storage = compact;
    return o;
}

TreeConfig spot_config(std::uint8_t street, const char* bets = "", const char* raises = "") {
    TreeConfig c;
    c.start_street = street;
    c.starting_pot = 1000;
    c.effective_stack = 3000;
    for (StreetConfig* s : {&c.flop, &c.turn, &c.river}) {
        s->oop = s->ip = parse_street_sizes(bets, raises);
    }
    return c;
}

Game make_game(const TreeConfig& c, const char* board, const char* oop, const char* ip) {
    return Game(c, CardContext(make_board(board), {parse_range(oop), parse_range(ip)}));
}

TEST(DiscountedCfrSchedule, DiscountsFollowTheWorkedValues) {
    const struct {
        std::uint32_t iteration;
        float positive, weight;
    } cases[] = {{1, 0, 0},
                 {2, 0, 0},
                 {3, 0.5f, 0.125f},
                 {4, 0.738796f, 0.296296f},
                 {5, 0.838610f, 0},
                 {6, 0.888889f, 0.125f},
                 {9, 0.948771f, 0.512f},
                 {17, 0.983078f, 0},
                 {65, 0.998004f, 0}};
    for (const auto& c : cases) {
        const auto d = DiscountedCfr::discounts_for(c.iteration - 1);
        EXPECT_NEAR(d.positive, c.positive, 1e-6) << c.iteration;
        EXPECT_NEAR(d.strategy_weight, c.weight, 1e-6) << c.iteration;
        EXPECT_EQ(d.negative, 0.5f);
    }
    // The power-of-4 search stops where the product wraps.
    EXPECT_GT(DiscountedCfr::discounts_for(4294967295u).strategy_weight, 0.99f);
}

// Checking down from a flop or turn root is worth, hand by hand, what the
// same ranges get from an all-in terminal there: the chance nodes scale by
// 1/45 and 1/44 and add folded cards through their images exactly.
TEST(DiscountedCfrTraversal, CheckDownThroughChanceNodesEqualsTheRunoutAverage) {
    for (const char* board : {"Kc8d3h", "AhKh7h", "Kc8d3h2s"}) {
        for (const auto& [oop, ip] : {std::pair{"AA, KK, QJs, 76s", "QQ, AKs, 98s"},
                                      std::pair{"AhKh, QQ, 54s", "JJ, KQs, Ts9s"}}) {
            const std::uint8_t street = std::string(board).size() == 6 ? 0 : 1;
            Game game = make_game(spot_config(street), board, oop, ip);
            DiscountedCfr cfr(options(1));
            Access::prepare(cfr, game);
            NodeState allin = game.nodes()[0];
            allin.type = kTerminalNode;
            allin.last_action = kCall;
            for (int seat = 0; seat < 2; ++seat) {
                const auto& reach = game.card_context().pocket_weights[1 - seat];
                std::vector<float> traversed(game.card_context().pockets[seat].size());
                std::vector<float> averaged(traversed.size());
                Access::traverse(cfr, game, 0, seat, reach, traversed);
                terminal_eval(game, allin, seat, reach, averaged);
                for (std::size_t h = 0; h < traversed.size(); ++h) {
                    EXPECT_NEAR(traversed[h], averaged[h], 1e-4 * (1.0 + std::fabs(averaged[h])))
                        << board << " " << oop << " seat " << seat << " hand " << h;
                }
            }
        }
    }
}

TEST(DiscountedCfrTraversal, ParallelChanceNodesGiveBitIdenticalState) {
    const TreeConfig c = spot_config(1, "50%", "a");
    const char* range = "22+, A2s+, K9s+, QTs+, JTs, ATo+, KJo+";
    std::vector<std::vector<std::vector<float>>> states;
    for (std::size_t threads : {1u, 8u}) {
        Game game = make_game(c, "Kc8d3h2s", range, range);
        DiscountedCfr cfr(options(threads));
        Access::prepare(cfr, game);
        for (std::uint32_t t = 0; t < 20; ++t) {
            Access::iterate(cfr, game, t);
        }
        states.push_back(Access::arrays(cfr));
    }
    ASSERT_EQ(states[0].size(), states[1].size());
    for (std::size_t i = 0; i < states[0].size(); ++i) {
        ASSERT_EQ(states[0][i], states[1][i]) << "node " << i / 2;
    }
}

// An all-in before the turn sweeps its runouts on the pool and adds them up
// in runout order, so every thread count gives the serial bits, raked or not.
TEST(DiscountedCfrTraversal, FlopAllInSweptOnThePoolGivesBitIdenticalState) {
    for (const double rake : {0.0, 0.05}) {
        TreeConfig c = spot_config(0);
        c.effective_stack = 1000;
        c.rake_rate = rake;
        c.rake_cap = 30;
        c.flop.oop.bets = c.flop.ip.bets = parse_bet_size_list("a", false);
        std::vector<std::vector<std::vector<float>>> states;
        std::vector<std::vector<float>> root;
        for (std::size_t threads : {1u, 3u, 8u}) {
            Game game = make_game(c, "Ah8d3c", "22+, A2s+, KTs+, QJs, AJo+", "55+, A8s+, KQ");
            DiscountedCfr cfr(options(threads));
            Access::prepare(cfr, game);
            for (std::uint32_t t = 0; t < 3; ++t) {
                Access::iterate(cfr, game, t);
            }
            states.push_back(Access::arrays(cfr));
            root.push_back(cfr.root_values(0));
            root.push_back(cfr.root_values(1));
            const std::array<float, 2> ev = cfr.current_ev(game);
            root.push_back({ev[0], ev[1]});
        }
        for (std::size_t k = 1; k < states.size(); ++k) {
            ASSERT_EQ(states[0].size(), states[k].size());
            for (std::size_t i = 0; i < states[0].size(); ++i) {
                ASSERT_EQ(states[0][i], states[k][i]) << "rake " << rake << " node " << i / 2;
            }
            for (std::size_t j = 0; j < 3; ++j) {
                EXPECT_EQ(root[j], root[3 * k + j]) << "rake " << rake << " threads " << k;
            }
        }
    }
}

// The read-only walks hand chance nodes and whole children to the pool, yet
// every row is the one-thread walk's bits: a node's values, and its
// children's for several opponent reaches at once, at flop, turn and river
// nodes of both seats, with and without folded suits.
TEST(DiscountedCfrTraversal, ReadOnlyWalksOnThePoolGiveTheOneThreadBits) {
    TreeConfig c = spot_config(0, "100%");
    c.effective_stack = 1000;
    for (const char* board : {"Ah8d3c", "AhKh7h"}) {
        struct Solved {
            std::unique_ptr<Game> game;
            std::unique_ptr<DiscountedCfr> cfr;
        };
        std::vector<Solved> solved;
        for (std::size_t threads : {1u, 4u}) {
            Solved s{
                std::make_unique<Game>(
                    c, CardContext(make_board(board), {parse_range("AA, 88, A8s, KQs, 76s, QJs"),
                                                       parse_range("33, AKs, QJs, T9s, 98s")})),
                std::make_unique<DiscountedCfr>(options(threads))};
            Access::prepare(*s.cfr, *s.game);
            for (std::uint32_t t = 0; t < 4; ++t) {
                Access::iterate(*s.cfr, *s.game, t);
            }
            solved.push_back(std::move(s));
        }
        Game& game = *solved[1].game;
        DiscountedCfr& pooled = *solved[1].cfr;
        DiscountedCfr& serial = *solved[0].cfr;
        const auto& nodes = game.nodes();
        // The root, its children, and the first decision node on the turn and the river.
        std::vector<std::size_t> picked = {0};
        for (const std::uint64_t child : nodes[0].children) {
            picked.push_back(child);
        }
        for (const bool river : {false, true}) {
            for (std::size_t i = 0; i < nodes.size(); ++i) {
                if (nodes[i].type == kDecisionNode && nodes[i].turn != kNoCard &&
                    (nodes[i].river != kNoCard) == river) {
                    picked.push_back(i);
                    break;
                }
            }
        }
        ASSERT_EQ(picked.size(), 1 + nodes[0].children.size() + 2) << board;
        for (const std::size_t n : picked) {
            for (int seat = 0; seat < 2; ++seat) {
                const std::vector<float>& full = game.card_context().pocket_weights[1 - seat];
                std::vector<float> part(full.size());
                for (std::size_t j = 0; j < part.size(); ++j) {
                    part[j] = full[j] * static_cast<float>(j % 3) * 0.375f;
                }
                const std::span<const float> reaches[] = {full, part};
                EXPECT_EQ(pooled.compute_node_values_with_reach(game, n, seat, full),
                          serial.compute_node_values_with_reach(*solved[0].game, n, seat, full))
                    << board << " node " << n << " seat " << seat;
                const std::vector<std::vector<float>> children =
                    pooled.compute_child_values(game, n, seat, reaches);
                const std::size_t count = nodes[n].children.size();
                ASSERT_EQ(children.size(), 2 * count);
                for (std::size_t r = 0; r < 2; ++r) {
                    for (std::size_t k = 0; k < count; ++k) {
                        EXPECT_EQ(children[r * count + k],
                                  serial.compute_node_values_with_reach(
                                      *solved[0].game, nodes[n].children[k], seat, reaches[r]))
                            << board << " node " << n << " seat " << seat << " reach " << r
                            << " child " << k;
                    }
                }
            }
        }
    }
}

TEST(DiscountedCfrTraversal, OneRiverIterationByHand) {
    // AcAd against KcKd on a river that pairs neither: OOP may check or bet
    // the pot (1000), IP only checks behind or folds or calls.
    TreeConfig c = spot_config(2);
    c.river.oop.bets = parse_bet_size_list("100%", false);
    c.river.ip.raises.clear();
    Game game = make_game(c, "2h3s7d9hJs", "AcAd", "KcKd");
    ASSERT_EQ(game.nodes().size(),
              6u);  // root, IP after check, showdown, IP facing bet, fold, call
    DiscountedCfr cfr(options(1));
    Access::prepare(cfr, game);
    Access::iterate(cfr, game, 0);
    // N = 1. OOP: check wins 500; the bet meets a uniform IP: fold 0.5 × 500 +
    // call 0.5 × 1500 = 1000. Uniform OOP: 750; regrets 500 - 750, 1000 - 750.
    EXPECT_EQ(cfr.root_values(0), std::vector<float>{750.0f});
    EXPECT_EQ(Access::arrays(cfr)[0], (std::vector<float>{-250.0f, 250.0f}));
    EXPECT_EQ(Access::arrays(cfr)[1], (std::vector<float>{0.5f, 0.5f}));
    // IP then meets an OOP that always bets: fold -500, call -1500, uniform -1000.
    EXPECT_EQ(cfr.root_values(1), std::vector<float>{-1000.0f});
    EXPECT_EQ(Access::arrays(cfr)[2 * 3], (std::vector<float>{500.0f, -500.0f}));
}

// The same spot with hearts and spades exchanged everywhere folds other suits;
// every hand must still get the value of its relabelled twin.
TEST(DiscountedCfrTraversal, SuitFoldingIsExactUnderRelabelling) {
    const TreeConfig c = spot_config(0, "75%", "a");
    const char* oop = "AA, KK, 77, AKs, KQs, 65s";
    const char* ip = "QQ, JJ, AQs, T9s, 87s";
    Game folded = make_game(c, "AhKh7h", oop, ip);
    Game relabelled = make_game(c, "AsKs7s", oop, ip);
    DiscountedCfr a(options(1)), b(options(1));
    Access::prepare(a, folded);
    Access::prepare(b, relabelled);
    // One iteration: seat 1 already meets seat 0's updated, non-uniform
    // strategy. Later iterations let regret matching magnify the rounding of
    // sums taken in another hand order, so only the first is compared.
    Access::iterate(a, folded, 0);
    Access::iterate(b, relabelled, 0);
    const auto swap_hs = [](CardCode c) {
        const int suit = card_suit(c);
        return make_card(card_rank(c), suit == 2 ? 3 : (suit == 3 ? 2 : suit));
    };
    for (int seat = 0; seat < 2; ++seat) {
        const PocketList& pa = folded.card_context().pockets[seat];
        const PocketList& pb = relabelled.card_context().pockets[seat];
        ASSERT_EQ(pa.size(), pb.size());
        for (std::size_t h = 0; h < pa.size(); ++h) {
            const Pocket twin =
                make_pocket(swap_hs(pocket_low(pa[h])), swap_hs(pocket_high(pa[h])));
            const auto it = std::find(pb.begin(), pb.end(), twin);
            ASSERT_NE(it, pb.end());
            const float va = a.root_values(seat)[h];
            const float vb = b.root_values(seat)[it - pb.begin()];
            EXPECT_NEAR(va, vb, 1e-3 * (1.0 + std::fabs(va))) << "seat " << seat << " hand " << h;
        }
    }
}

TEST(DiscountedCfrTraversal, MismatchedSizesGiveZerosAndChangeNothing) {
    Game game = make_game(spot_config(2, "50%"), "Kc8d3h2s9c", "AA, KK", "QQ, JJ, AKs");
    DiscountedCfr cfr(options(1));
    Access::prepare(cfr, game);
    const auto& reach = game.card_context().pocket_weights[1];
    std::vector<float> wrong(game.card_context().pockets[0].size() + 1, 5.0f);
    Access::traverse(cfr, game, 0, 0, reach, wrong);
    EXPECT_EQ(wrong, std::vector<float>(wrong.size(), 0.0f));
    for (float r : Access::nodes(cfr)[0].regrets) {
        EXPECT_EQ(r, 0.0f);
    }
}

TEST(DiscountedCfrTraversal, FullyLockedNodeKeepsRegretsAndAveragesTheLock) {
    for (bool compact : {false, true}) {
        Game game = make_game(spot_config(2, "50%"), "Kc8d3h2s9c", "AA, KK, 76s", "QQ, JJ, AKs");
        const std::size_t hands = game.card_context().pockets[0].size();
        // Root (OOP): check or bet; every hand locked to always bet, one entry
        // written as -0.0 in the check row (free).
        std::vector<float> lock(2 * hands);
        for (std::size_t h = 0; h < hands; ++h) {
            lock[h] = 0.0f;
            lock[hands + h] = 1.0f;
        }
        lock[hands] = -0.0f;
        game.set_node_lock(0, std::vector<float>(lock));
        DiscountedCfr cfr(options(1, compact));
        Access::prepare(cfr, game);
        for (std::uint32_t t = 0; t < 6; ++t) {
            Access::iterate(cfr, game, t);
        }
        NodeInfo& root = Access::nodes(cfr)[0];
        for (float r : root.regrets_view(compact)) {
            EXPECT_EQ(r, 0.0f);
        }
        const std::span<const float> sums = root.strategy_sum_view(compact);
        for (std::size_t h = 0; h < hands; ++h) {
            EXPECT_NEAR(sums[h], 0.0f, 1e-6);
            EXPECT_GT(sums[hands + h], 0.0f) << h;
        }
        // A lock whose action-0 row has a free entry is partial: free hands learn.
        lock[0] = -1.0f;
        Game partial = make_game(spot_config(2, "50%"), "Kc8d3h2s9c", "AA, KK, 76s", "QQ, JJ, AKs");
        partial.set_node_lock(0, std::move(lock));
        DiscountedCfr learner(options(1, compact));
        Access::prepare(learner, partial);
        Access::iterate(learner, partial, 2);
        NodeInfo& partial_root = Access::nodes(learner)[0];
        const std::span<const float> regrets = partial_root.regrets_view(compact);
        EXPECT_TRUE(regrets[0] != 0.0f || regrets[hands] != 0.0f);  // hand 0 is free
        for (std::size_t h = 1; h < hands; ++h) {
            EXPECT_EQ(regrets[h], 0.0f);
        }
    }
}

}  // namespace
}  // namespace quendal
