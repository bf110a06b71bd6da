#include "session/chance_card_classes.h"

#include "session/solve_session.h"
#include "session_fixtures.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

using quendal::CardCode;
using test::Solved;

// A paired flop whose ranges are the same in every suit: spades, like
// hearts, show an ace, so the spades fold onto the hearts. A pot bet is
// all-in, so the tree holds all-in runouts too.
SolveConfig paired_flop() {
    SolveConfig c = test::tiny_flop_fixture();
    c.board = "AsAh7d";
    c.oop_range = "AA, 77, KQs, T9s, 65s";
    c.ip_range = "KK, QJs, 98s, 76s";
    c.max_iterations = 4;
    return c;
}

// A turn whose folded suits are the absent ones: diamonds onto clubs.
SolveConfig two_tone_turn() {
    SolveConfig c = test::turn_fixture();
    c.board = "KsQs7h4h";
    c.max_iterations = 4;
    return c;
}

CardCode card(const std::string& text) {
    return quendal::parse_card(text);
}

std::string text(CardCode c) {
    return quendal::card_to_string(static_cast<std::int8_t>(c));
}

// The card each live card is dealt as, by text.
std::map<std::string, std::string> dealt_as(const quendal::NodeState& node,
                                            const ChanceCardClassesResult& r) {
    std::map<std::string, std::string> out;
    for (const ChanceCardClass& c : r.classes) {
        out[c.card] = text(static_cast<CardCode>(node.actions[c.action].amount));
    }
    return out;
}

// Checks the classes of one deal: every live card once, each listed card
// its own action, the cards of suit `from` dealt as the card of the same
// rank in suit `to` (none folded when `from` is negative), every other card
// as itself.
void expect_classes(const Solved& s, std::size_t index, int from, int to) {
    const quendal::NodeState& node = s.game().nodes()[index];
    const ChanceCardClassesResult r = s.session.node_chance_card_classes(index);
    ASSERT_TRUE(r.ok);
    std::uint64_t dead = 0;
    for (const CardCode c : s.ctx().board_cards) {
        dead |= std::uint64_t{1} << c;
    }
    if (node.turn != quendal::kNoCard) {
        dead |= std::uint64_t{1} << node.turn;
    }
    const std::map<std::string, std::string> as = dealt_as(node, r);
    ASSERT_EQ(as.size(), 52u - std::popcount(dead));
    for (std::size_t j = 0; j < node.actions.size(); ++j) {
        const std::string own = text(static_cast<CardCode>(node.actions[j].amount));
        EXPECT_EQ(as.at(own), own);
    }
    std::size_t folded = 0;
    for (int c = 0; c < quendal::kCardCount; ++c) {
        if ((dead >> c) & 1) {
            continue;
        }
        const CardCode code = static_cast<CardCode>(c);
        const bool folds = quendal::card_suit(code) == from;
        const CardCode want = folds ? quendal::make_card(quendal::card_rank(code), to) : code;
        EXPECT_EQ(as.at(text(code)), text(want));
        folded += folds;
    }
    EXPECT_EQ(node.actions.size() + folded, as.size());
}

// The first node dealing after `turn` (kNoCard: dealing the turn): a chance
// node, or an all-in terminal listing its runout.
std::size_t find_deal(const Solved& s, bool terminal, CardCode turn) {
    return s.find([&](const quendal::NodeState& n) {
        const bool kind = terminal ? n.type == quendal::kTerminalNode && n.allin_runout != 0
                                   : n.type == quendal::kChanceNode;
        return kind && !n.actions.empty() && n.turn == turn;
    });
}

constexpr int kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3;

TEST(ChanceCardClasses, EveryLiveCardIsDealtAsItsClass) {
    Solved flop(paired_flop());
    Solved turn(two_tone_turn());
    ASSERT_TRUE(flop.state && turn.state);
    const struct {
        const char* name;
        const Solved& s;
        bool runout;
        CardCode turn;  // of the node dealing the river; kNoCard deals the turn
        int from, to;
    } cases[] = {
        {"turn deal, present suits fold", flop, false, quendal::kNoCard, kSpades, kHearts},
        {"river after a club turn", flop, false, card("2c"), kSpades, kHearts},
        {"river after a turn pairing the seven", flop, false, card("7c"), kSpades, kHearts},
        {"river after a heart: nothing folds", flop, false, card("Kh"), -1, -1},
        {"all-in runout of the turn", flop, true, quendal::kNoCard, kSpades, kHearts},
        {"all-in runout of the river", flop, true, card("Qd"), kSpades, kHearts},
        {"river of a turn spot: absent suits fold", turn, false, card("4h"), kDiamonds, kClubs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t node = find_deal(c.s, c.runout, c.turn);
        ASSERT_LT(node, c.s.game().nodes().size());
        expect_classes(c.s, node, c.from, c.to);
    }
}

// What the engine deals: a chance node's value of a hand is the sum over
// the live cards, each with probability 1 / the unseen cards, of the value
// at the deal the card comes as, of the hand with the suits of the card and
// of that deal's card exchanged (a hand whose image the seat does not hold
// keeps its own value).
TEST(ChanceCardClasses, TheEngineDealsEachCardAsItsClass) {
    Solved s(paired_flop());
    ASSERT_TRUE(s.state);
    quendal::Game& game = *s.state.game;
    quendal::DiscountedCfr& solver = *s.state.solver;
    for (const CardCode turn : {quendal::kNoCard, card("2c"), card("Kh")}) {
        const std::size_t index = find_deal(s, false, turn);
        ASSERT_LT(index, game.nodes().size());
        const quendal::NodeState& node = game.nodes()[index];
        const ChanceCardClassesResult r = s.session.node_chance_card_classes(index);
        ASSERT_TRUE(r.ok);
        const double unseen = turn == quendal::kNoCard ? 45.0 : 44.0;
        for (const int seat : {0, 1}) {
            const quendal::PocketList& pockets = s.ctx().pockets[seat];
            const std::vector<float>& reach = s.ctx().pocket_weights[1 - seat];
            std::vector<std::vector<float>> children;
            for (std::size_t a = 0; a < node.actions.size(); ++a) {
                children.push_back(
                    solver.compute_node_values_with_reach(game, node.children[a], seat, reach));
            }
            std::vector<double> want(pockets.size(), 0.0);
            for (const ChanceCardClass& c : r.classes) {
                const int from = quendal::card_suit(card(c.card));
                const int to =
                    quendal::card_suit(static_cast<CardCode>(node.actions[c.action].amount));
                const auto swap = [&](CardCode x) {
                    const int suit = quendal::card_suit(x);
                    return quendal::make_card(quendal::card_rank(x),
                                              suit == from ? to : (suit == to ? from : suit));
                };
                for (std::size_t h = 0; h < pockets.size(); ++h) {
                    const auto it =
                        std::find(pockets.begin(), pockets.end(),
                                  quendal::make_pocket(swap(quendal::pocket_low(pockets[h])),
                                                       swap(quendal::pocket_high(pockets[h]))));
                    const std::size_t image =
                        it == pockets.end() ? h : static_cast<std::size_t>(it - pockets.begin());
                    want[h] += children[c.action][image];
                }
            }
            const std::vector<float> got =
                solver.compute_node_values_with_reach(game, index, seat, reach);
            ASSERT_EQ(got.size(), pockets.size());
            for (std::size_t h = 0; h < pockets.size(); ++h) {
                EXPECT_NEAR(got[h] * unseen, want[h], 1e-3 * (1.0 + std::fabs(want[h])))
                    << "turn " << int(turn) << " seat " << seat << " hand " << h;
            }
        }
    }
}

TEST(ChanceCardClasses, OnlyNodesThatDealAnswer) {
    Solved s(paired_flop());
    ASSERT_TRUE(s.state);
    const std::size_t count = s.game().nodes().size();
    const std::size_t end = s.find([](const quendal::NodeState& n) {
        return n.type == quendal::kTerminalNode && n.actions.empty();
    });
    const std::size_t river_decision = s.find([](const quendal::NodeState& n) {
        return n.type == quendal::kDecisionNode && n.river != quendal::kNoCard;
    });
    for (const std::size_t node : {std::size_t{0}, end, river_decision, count}) {
        const ChanceCardClassesResult r = s.session.node_chance_card_classes(node);
        EXPECT_FALSE(r.ok) << node;
        EXPECT_TRUE(r.classes.empty());
    }
    SolveSession none;
    EXPECT_FALSE(none.node_chance_card_classes(find_deal(s, false, quendal::kNoCard)).ok);
}

}  // namespace
}  // namespace quendal_app
