#include "core/terminal_payoffs.h"

#include "core/hand_evaluator.h"
#include "terminal_spot.h"

#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

struct Spot {
    Game game;
    Spot(const char* board, const char* oop, const char* ip, double rake_rate = 0.0,
         double rake_cap = 0.0)
        : game(make_terminal_game(board, oop, ip, rake_rate, rake_cap)) {}

    const CardContext& ctx() const { return game.card_context(); }
};

NodeState terminal(const Spot& spot, std::int32_t matched, std::uint8_t last_action = kCall,
                   std::uint8_t last_actor = 1) {
    return board_terminal(spot.game, matched, last_action, last_actor);
}

std::vector<float> random_reach(std::size_t n, std::mt19937& rng, bool with_zeros = true) {
    std::uniform_real_distribution<float> dist(0.0f, 1.0f);
    std::vector<float> reach(n);
    for (float& r : reach) {
        r = (with_zeros && rng() % 5 == 0) ? 0.0f : dist(rng);
    }
    return reach;
}

// Showdown value of every own hand on one complete board, by a plain double
// loop over opponent hands.
std::vector<double> brute_showdown(const Spot& spot, int seat, const std::vector<float>& reach,
                                   const Board& five, double pot, double rake) {
    const CardContext& ctx = spot.ctx();
    std::uint64_t board_mask = 0;
    for (CardCode c : five) {
        board_mask |= 1ull << c;
    }
    const double n = ctx.matchup_normaliser;
    std::vector<double> value(ctx.pockets[seat].size(), 0.0);
    if (!(n > 0.0)) {
        return value;
    }
    for (std::size_t h = 0; h < value.size(); ++h) {
        const Pocket own = ctx.pockets[seat][h];
        if (pocket_mask(own) & board_mask) {
            continue;
        }
        const HandStrength mine = evaluate_hand(own, five);
        for (std::size_t o = 0; o < reach.size(); ++o) {
            const Pocket theirs = ctx.pockets[1 - seat][o];
            if ((pocket_mask(theirs) & (board_mask | pocket_mask(own))) != 0) {
                continue;
            }
            const HandStrength other = evaluate_hand(theirs, five);
            const double unit = mine > other   ? (pot / 2 - rake) / n
                                : mine < other ? -(pot / 2) / n
                                               : -(rake / 2) / n;
            value[h] += reach[o] * unit;
        }
    }
    return value;
}

void expect_values(const std::vector<float>& got, const std::vector<double>& want,
                   const char* what) {
    ASSERT_EQ(got.size(), want.size());
    double scale = 1e-12;
    for (double w : want) {
        scale = std::max(scale, std::fabs(w));
    }
    for (std::size_t h = 0; h < got.size(); ++h) {
        EXPECT_NEAR(got[h], want[h], 2e-5 * scale) << what << " hand " << h;
    }
}

TEST(TerminalPayoffs, RiverShowdownsMatchBruteForceWithAndWithoutRake) {
    std::mt19937 rng(17);
    const struct {
        const char* oop;
        const char* ip;
    } ranges[] = {{"22+, A2s+, KTo+, QJs", "TT-44, AJs+, KQo, 76s, 9h8h"},
                  {"AhKh", "KdQd, AhQs, 7c7d"},  // card removal decides
                  {"QQ", "QQ"},                  // ties everywhere
                  {"AhKh", "AhQd"}};             // no disjoint matchup at all
    for (const auto& r : ranges) {
        for (const auto& [rate, cap] : {std::pair{0.0, 0.0}, {0.05, 300.0}, {0.05, 0.0}}) {
            const Spot spot("Kc8d3h2s9c", r.oop, r.ip, rate, cap);
            const NodeState node = terminal(spot, 400);
            const double pot = node.pot;
            const double rake = rate > 0 ? (cap > 0 ? std::min(cap, pot * rate) : pot * rate) : 0;
            for (int seat = 0; seat < 2; ++seat) {
                const auto reach = random_reach(spot.ctx().pockets[1 - seat].size(), rng);
                std::vector<float> out(spot.ctx().pockets[seat].size(), 42.0f);
                terminal_eval(spot.game, node, seat, reach, out);
                expect_values(out, brute_showdown(spot, seat, reach, spot.ctx().board, pot, rake),
                              r.oop);
            }
        }
    }
}

TEST(TerminalPayoffs, RakeIsCappedOnlyByAPositiveCap) {
    TreeConfig c;
    c.rake_rate = 0.05;
    c.rake_cap = 300;
    EXPECT_DOUBLE_EQ(rake_for_pot(c, 10000), 300);
    EXPECT_DOUBLE_EQ(rake_for_pot(c, 2000), 100);
    c.rake_cap = 0;  // no cap
    EXPECT_DOUBLE_EQ(rake_for_pot(c, 10000), 500);
    c.rake_cap = -5;
    EXPECT_DOUBLE_EQ(rake_for_pot(c, 10000), 500);
    c.rake_rate = 0;
    EXPECT_DOUBLE_EQ(rake_for_pot(c, 10000), 0);
}

TEST(TerminalPayoffs, FoldPaysTheMatchedPotOnly) {
    // A bet of 50 into 1000 then a fold: T = 1000 (the bet goes back).
    for (double rate : {0.0, 0.05}) {
        const Spot spot("Kc8d3h2s9c", "22+, AKs", "TT-44, AJs+, KhQh", rate, 300.0);
        NodeState node = terminal(spot, 0, kFold, 1);  // IP folded
        node.pot += 50;
        std::mt19937 rng(4);
        const double n = spot.ctx().matchup_normaliser;
        const double rake = std::min(300.0, 1000 * rate);
        for (int seat = 0; seat < 2; ++seat) {
            const auto reach = random_reach(spot.ctx().pockets[1 - seat].size(), rng);
            std::vector<float> out(spot.ctx().pockets[seat].size(), 42.0f);
            terminal_eval(spot.game, node, seat, reach, out);
            const double unit = float(seat == 1 ? -500.0 / n : (500.0 - rake) / n);
            std::vector<double> want(out.size());
            for (std::size_t h = 0; h < out.size(); ++h) {
                const Pocket own = spot.ctx().pockets[seat][h];
                for (std::size_t o = 0; o < reach.size(); ++o) {
                    if ((pocket_mask(own) & pocket_mask(spot.ctx().pockets[1 - seat][o])) == 0) {
                        want[h] += reach[o] * unit;
                    }
                }
            }
            expect_values(out, want, "fold");
        }
    }
}

// Deep in a solve most opponent hands reach a terminal with no weight: the
// sweeps and the fold skip those hands and the own hands that can only add
// zeros, and must still give every own hand its value.
TEST(TerminalPayoffs, SparseOpponentReachMatchesBruteForce) {
    std::mt19937 rng(23);
    for (const auto& [rate, cap] : {std::pair{0.0, 0.0}, {0.05, 300.0}}) {
        const Spot spot("Kc8d3h2s9c", "22+, A2s+, KTo+, QJs, 65s", "TT-44, AJs+, KQo, 76s, 9h8h",
                        rate, cap);
        for (int seat = 0; seat < 2; ++seat) {
            const std::size_t n_opp = spot.ctx().pockets[1 - seat].size();
            std::vector<std::vector<float>> reaches;
            reaches.push_back(std::vector<float>(n_opp, 0.0f));                // nobody arrives
            for (std::size_t only : {std::size_t{0}, n_opp / 2, n_opp - 1}) {  // one hand
                reaches.push_back(std::vector<float>(n_opp, 0.0f));
                reaches.back()[only] = 0.75f;
            }
            for (int k = 0; k < 3; ++k) {  // a few hands, at random
                reaches.push_back(random_reach(n_opp, rng));
                for (float& r : reaches.back()) {
                    r = rng() % 10 == 0 ? r : 0.0f;
                }
            }
            for (const std::vector<float>& reach : reaches) {
                const NodeState showdown = terminal(spot, 400);
                const double pot = showdown.pot;
                const double rake = rate > 0 ? std::min(cap, pot * rate) : 0.0;
                std::vector<float> out(spot.ctx().pockets[seat].size(), 42.0f);
                terminal_eval(spot.game, showdown, seat, reach, out);
                expect_values(out, brute_showdown(spot, seat, reach, spot.ctx().board, pot, rake),
                              "showdown");

                const NodeState fold = terminal(spot, 0, kFold, 1);  // IP folded
                terminal_eval(spot.game, fold, seat, reach, out);
                const double n = spot.ctx().matchup_normaliser;
                const double unit =
                    float(seat == 1 ? -500.0 / n : (500.0 - std::min(cap, 1000 * rate)) / n);
                for (std::size_t h = 0; h < out.size(); ++h) {
                    const Pocket own = spot.ctx().pockets[seat][h];
                    double want = 0.0;
                    for (std::size_t o = 0; o < n_opp; ++o) {
                        if ((pocket_mask(own) & pocket_mask(spot.ctx().pockets[1 - seat][o])) ==
                            0) {
                            want += reach[o] * unit;
                        }
                    }
                    EXPECT_NEAR(out[h], want, 1e-6 + 2e-5 * std::fabs(want)) << "fold hand " << h;
                }
            }
        }
    }
}

// The value of checking down from a flop or turn node through the chance
// nodes: each dealt card weighs 1 / (cards unseen).
std::vector<double> brute_checkdown(const Spot& spot, int seat, const std::vector<float>& reach,
                                    double pot) {
    const CardContext& ctx = spot.ctx();
    std::vector<double> value(ctx.pockets[seat].size(), 0.0);
    const bool flop = ctx.board[3] == kNoCard;
    std::vector<CardCode> turns;
    for (int t = 0; t < kCardCount; ++t) {
        if (((ctx.dead_mask >> t) & 1) == 0 && flop) {
            turns.push_back(CardCode(t));
        }
    }
    if (!flop) {
        turns.push_back(ctx.board[3]);
    }
    for (const CardCode turn : turns) {
        for (int r = 0; r < kCardCount; ++r) {
            if (((ctx.dead_mask >> r) & 1) || r == turn) {
                continue;
            }
            const Board five{ctx.board[0], ctx.board[1], ctx.board[2], turn, CardCode(r)};
            const auto runout = brute_showdown(spot, seat, reach, five, pot, 0.0);
            const double weight = flop ? 1.0 / (45.0 * 44.0) : 1.0 / 44.0;
            for (std::size_t h = 0; h < value.size(); ++h) {
                value[h] += weight * runout[h];
            }
        }
    }
    return value;
}

TEST(TerminalPayoffs, AllInBeforeTheRiverIsWorthTheCheckDown) {
    std::mt19937 rng(23);
    for (const char* board : {"Kc8d3h", "Kc8d3h2s"}) {
        const Spot spot(board, "QQ+, AKs, 98s, AhTd", "JJ-88, AQs, KQs, 7c6c");
        const NodeState node = terminal(spot, 2000);
        for (int seat = 0; seat < 2; ++seat) {
            const auto reach = random_reach(spot.ctx().pockets[1 - seat].size(), rng, false);
            std::vector<float> out(spot.ctx().pockets[seat].size(), 42.0f);
            terminal_eval(spot.game, node, seat, reach, out);
            expect_values(out, brute_checkdown(spot, seat, reach, node.pot), board);
        }
    }
}

TEST(TerminalPayoffs, MismatchedSizesGiveZerosAndUnseenCounts) {
    const Spot spot("Kc8d3h2s9c", "22+", "AKs");
    const NodeState node = terminal(spot, 0);
    std::vector<float> short_reach(spot.ctx().pockets[1].size() - 1, 1.0f);
    std::vector<float> out(spot.ctx().pockets[0].size(), 42.0f);
    terminal_eval(spot.game, node, 0, short_reach, out);
    for (float v : out) {
        EXPECT_EQ(v, 0.0f);
    }
    EXPECT_FALSE(showdown_u(spot.game, node, 0, short_reach, out));

    NodeState open = node;
    open.river = kNoCard;
    EXPECT_EQ(unseen_card_count(open), 44.0f);
    open.turn = kNoCard;
    EXPECT_EQ(unseen_card_count(open), 45.0f);
    EXPECT_EQ(unseen_card_count(node), 0.0f);
}

TEST(TerminalPayoffs, EmptyLiveListMeansNoLiveHand) {
    // Every IP hand holds the river card: the built list for this runout is
    // empty and no coarser list may stand in for it.
    const Spot spot("Kc8d3h", "QQ", "AsKs, As9d");
    NodeState node = terminal(spot, 0);
    node.turn = parse_card("2c");
    node.river = parse_card("As");
    EXPECT_TRUE(select_ranking_table(spot.game, node, 1).empty());
    EXPECT_EQ(select_ranking_table(spot.game, node, 0).size(), 6u);
    std::vector<float> reach(spot.ctx().pockets[1].size(), 1.0f);
    std::vector<float> out(spot.ctx().pockets[0].size(), 42.0f);
    terminal_eval(spot.game, node, 0, reach, out);
    for (float v : out) {
        EXPECT_EQ(v, 0.0f);
    }
}

}  // namespace
}  // namespace quendal
