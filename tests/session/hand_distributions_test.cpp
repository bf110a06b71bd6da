#include "session/hand_distributions.h"

#include "core/hand_evaluator.h"
#include "session/solve_session.h"
#include "session_fixtures.h"

#include <cmath>
#include <map>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

using test::Solved;

void expect_same(const std::vector<double>& a, const std::vector<double>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_TRUE(a[i] == b[i] || (std::isnan(a[i]) && std::isnan(b[i]))) << i;
    }
}

TEST(HandDistributions, RepeatableAndWellFormed) {
    Solved s(test::tiny_flop_fixture());
    const HandDistributionsResult r = s.session.node_hand_distributions(0);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.oop_hands.size(), r.oop_ev.size());
    ASSERT_EQ(r.oop_hands.size(), r.oop_equity.size());
    ASSERT_EQ(r.ip_hands.size(), r.ip_ev.size());
    ASSERT_EQ(r.ip_hands.size(), r.ip_equity.size());
    // At the root every live hand reaches the node.
    EXPECT_EQ(r.oop_hands.size(), s.ctx().pockets[0].size());
    EXPECT_EQ(r.ip_hands.size(), s.ctx().pockets[1].size());
    for (std::size_t i = 0; i < r.oop_hands.size(); ++i) {
        // Lower card code first: the text of code c sorts as card order does.
        const auto first = quendal::parse_card(r.oop_hands[i].substr(0, 2));
        const auto second = quendal::parse_card(r.oop_hands[i].substr(2, 2));
        EXPECT_LT(first, second) << r.oop_hands[i];
        EXPECT_TRUE(std::isfinite(r.oop_ev[i]));
        EXPECT_TRUE(std::isnan(r.oop_equity[i]) ||
                    (r.oop_equity[i] >= 0.0 && r.oop_equity[i] <= 1.0));
    }
    const HandDistributionsResult again = s.session.node_hand_distributions(0);
    expect_same(r.oop_equity, again.oop_equity);
    expect_same(r.ip_equity, again.ip_equity);
    expect_same(r.oop_ev, again.oop_ev);
    // The two seats draw from different streams: equities of both seats do not
    // mirror each other hand by hand.
    EXPECT_NE(r.oop_equity, r.ip_equity);

    EXPECT_FALSE(s.session.node_hand_distributions(s.game().nodes().size()).ok);
    s.session.reset();
    EXPECT_FALSE(s.session.node_hand_distributions(0).ok);
}

// On a complete board only the opponent hand varies: each hand's equity
// agrees with the exact pairwise count within four standard errors.
TEST(HandDistributions, RiverEquityAgreesWithThePairwiseCount) {
    Solved s(test::river_fixture());
    const HandDistributionsResult r = s.session.node_hand_distributions(0);
    ASSERT_TRUE(r.ok);
    const auto& ctx = s.ctx();
    std::map<std::string, std::size_t> index;
    for (std::size_t h = 0; h < ctx.pockets[0].size(); ++h) {
        const auto p = ctx.pockets[0][h];
        index[quendal::card_to_string(quendal::pocket_low(p)) +
              quendal::card_to_string(quendal::pocket_high(p))] = h;
    }
    for (std::size_t i = 0; i < r.oop_hands.size(); ++i) {
        const auto p = ctx.pockets[0][index.at(r.oop_hands[i])];
        double total = 0.0, score = 0.0;
        for (std::size_t j = 0; j < ctx.pockets[1].size(); ++j) {
            const auto q = ctx.pockets[1][j];
            if ((quendal::pocket_mask(p) & quendal::pocket_mask(q)) != 0) {
                continue;
            }
            const double v = ctx.pocket_weights[1][j];
            const auto mine = quendal::evaluate_hand(p, ctx.board_cards);
            const auto theirs = quendal::evaluate_hand(q, ctx.board_cards);
            total += v;
            score += v * (mine > theirs ? 1.0 : mine == theirs ? 0.5 : 0.0);
        }
        const double exact = score / total;
        // Samples blocked by this hand's cards do not count for it.
        const double error = std::sqrt(std::max(exact * (1.0 - exact), 1e-4) / 900.0);
        EXPECT_NEAR(r.oop_equity[i], exact, 4.0 * error + 1e-9) << r.oop_hands[i];
    }
}

TEST(HandDistributions, ReachAfterACheckAndAnOpponentWithoutReach) {
    Solved s(test::river_fixture());
    const std::size_t after_check = s.game().nodes()[0].children[0];
    const HandDistributionsResult r = s.session.node_hand_distributions(after_check);
    ASSERT_TRUE(r.ok);
    // IP has not acted: every hand is there. OOP keeps the hands that check.
    EXPECT_EQ(r.ip_hands.size(), s.ctx().pockets[1].size());
    const std::vector<float> strategy = s.state.solver->average_strategy_flat(0);
    std::size_t checking = 0;
    for (std::size_t h = 0; h < s.ctx().pockets[0].size(); ++h) {
        checking += strategy[h] > 0.0f;
    }
    EXPECT_EQ(r.oop_hands.size(), checking);

    // OOP never bets: after a bet nobody of OOP's range is left.
    SolveConfig config = test::river_fixture();
    test::lock_root_to_first_action(config, {"AA", "KK", "QQ", "77", "44", "AKs", "AKo", "KQs",
                                             "KQo", "QJs", "JTs", "T9s", "65s"});
    Solved locked(config);
    const std::size_t after_bet = locked.game().nodes()[0].children[1];
    const HandDistributionsResult none = locked.session.node_hand_distributions(after_bet);
    EXPECT_FALSE(none.ok);
    EXPECT_TRUE(none.oop_hands.empty() && none.ip_hands.empty());
}

TEST(HandDistributions, DealtCardsAreNotHands) {
    Solved s(test::tiny_flop_fixture());
    const std::size_t turn_node = s.find([](const quendal::NodeState& n) {
        return n.type == quendal::kDecisionNode && n.turn != quendal::kNoCard &&
               n.river == quendal::kNoCard;
    });
    ASSERT_LT(turn_node, s.game().nodes().size());
    const quendal::NodeState& node = s.game().nodes()[turn_node];
    const HandDistributionsResult r = s.session.node_hand_distributions(turn_node);
    ASSERT_TRUE(r.ok);
    const std::string turn = quendal::card_to_string(static_cast<std::int8_t>(node.turn));
    for (const auto* hands : {&r.oop_hands, &r.ip_hands}) {
        for (const std::string& hand : *hands) {
            EXPECT_EQ(hand.find(turn), std::string::npos) << hand;
        }
    }
}

}  // namespace
}  // namespace quendal_app
