#include "board_text.h"
#include "core/game.h"
#include "expect_throw_message.h"
#include "scoped_env.h"

#include <algorithm>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace quendal {
namespace {

CardContext context(const char* board, const char* oop = "AA, KQs", const char* ip = "QQ, JTs") {
    return CardContext(make_board(board), {parse_range(oop), parse_range(ip)});
}

std::vector<PlanAction> list(std::span<const PlanAction> actions) {
    return {actions.begin(), actions.end()};
}

TreeConfig config(std::uint8_t street, std::int32_t pot = 1000, std::int32_t stack = 5000) {
    TreeConfig c;
    c.start_street = street;
    c.starting_pot = pot;
    c.effective_stack = stack;
    return c;
}

// Walks the tree depth-first and checks that the walk visits 0, 1, 2 ... in
// order, that is, that the indices are a pre-order with contiguous subtrees.
void expect_preorder(const std::vector<PlanNode>& nodes) {
    std::size_t expected = 0;
    std::vector<std::uint64_t> stack{0};
    while (!stack.empty()) {
        const std::uint64_t index = stack.back();
        stack.pop_back();
        ASSERT_EQ(index, expected++);
        const PlanNode& node = nodes[index];
        ASSERT_EQ(node.actions.size(), node.children.size());
        for (auto it = node.children.rbegin(); it != node.children.rend(); ++it) {
            stack.push_back(*it);
        }
    }
    EXPECT_EQ(expected, nodes.size());
}

TEST(ActionPlan, RiverCheckDownHasThreeNodes) {
    const CardContext ctx = context("AhKd7c2s9h");
    const ActionPlan plan(config(2), ctx);
    ASSERT_EQ(plan.node_count(), 3u);
    EXPECT_EQ(plan.node(0).type, kDecisionNode);
    EXPECT_EQ(list(plan.node(0).actions), (std::vector<PlanAction>{{kCheck, 0}}));
    EXPECT_EQ(plan.node(1).player, 1);
    EXPECT_EQ(plan.node(1).last_action, kCheck);
    EXPECT_EQ(plan.node(2).type, kTerminalNode);
    EXPECT_EQ(plan.node(2).player, 0);
    EXPECT_EQ(plan.node(2).street, 2);
    EXPECT_EQ(plan.node(2).pot, 1000);
    EXPECT_EQ(plan.node(2).river, ctx.board[4]);
}

TEST(ActionPlan, BetsAndCallsMoveMoneyAndTerminalsNameTheRightPlayer) {
    TreeConfig c = config(2);
    c.river.oop.bets = parse_bet_size_list("50%", false);
    const CardContext ctx = context("AhKd7c2s9h");
    const ActionPlan plan(c, ctx);
    // 0 root -> 1 (check) IP ... ; the bet subtree follows the check subtree.
    const PlanNode& root = plan.node(0);
    ASSERT_EQ(list(root.actions), (std::vector<PlanAction>{{kCheck, 0}, {kBet, 500}}));
    const PlanNode& facing = plan.node(root.children[1]);
    EXPECT_EQ(facing.player, 1);
    EXPECT_EQ(facing.pot, 1500);
    EXPECT_EQ(facing.contribution_oop, 500);
    ASSERT_EQ(facing.actions[0].kind, kFold);
    const PlanNode& fold = plan.node(facing.children[0]);
    EXPECT_EQ(fold.type, kTerminalNode);
    EXPECT_EQ(fold.player, 1);  // the folder
    const PlanNode& call = plan.node(facing.children[1]);
    EXPECT_EQ(call.type, kTerminalNode);
    EXPECT_EQ(call.player, 0);
    EXPECT_EQ(call.pot, 2000);
    EXPECT_EQ(call.matched, 500);
    EXPECT_EQ(call.contribution_ip, 500);
    expect_preorder(plan.nodes());
}

TEST(ActionPlan, CalledFlopAllInDealsEveryUnfoldedRunout) {
    TreeConfig c = config(0);
    c.flop.oop.bets = parse_bet_size_list("a", false);
    // Asymmetric ranges on a rainbow flop: no suit folds.
    const CardContext ctx = context("AhKd7c", "AhAs, KQs", "QQ, JhTh");
    const ActionPlan plan(c, ctx);
    const PlanNode& root = plan.node(0);
    const PlanNode& facing = plan.node(root.children.back());
    const PlanNode& allin = plan.node(facing.children[1]);
    EXPECT_EQ(allin.type, kTerminalNode);
    EXPECT_EQ(allin.allin_runout, 1);
    EXPECT_EQ(allin.player, 0);
    EXPECT_EQ(allin.street, 1);
    ASSERT_EQ(allin.children.size(), 49u);
    for (std::uint64_t turn : allin.children) {
        EXPECT_EQ(plan.node(turn).allin_runout, 1);
        ASSERT_EQ(plan.node(turn).children.size(), 48u);
        const PlanNode& river = plan.node(plan.node(turn).children[0]);
        EXPECT_EQ(river.type, kTerminalNode);
        EXPECT_EQ(river.allin_runout, 0);
        EXPECT_TRUE(river.children.empty());
    }

    // Symmetric ranges on a monotone flop fold diamonds and spades at the turn.
    const CardContext folded = context("AhKh7h", "AA, KK", "QQ");
    const ActionPlan small(c, folded);
    const PlanNode& allin2 = small.node(small.node(small.node(0).children.back()).children[1]);
    EXPECT_EQ(allin2.children.size(), 23u);
    expect_preorder(small.nodes());
}

TEST(ActionPlan, ChanceNodesDealOnlyLiveCards) {
    const CardContext ctx = context("AhKd7c2s");
    const ActionPlan plan(config(1), ctx);
    // OOP checks, IP checks: the chance node deals the river (turn fixed).
    const PlanNode& chance = plan.node(2);
    ASSERT_EQ(chance.type, kChanceNode);
    EXPECT_EQ(chance.street, 2);
    EXPECT_EQ(chance.children.size(), 48u);
    for (std::size_t i = 0; i < chance.actions.size(); ++i) {
        const CardCode c = static_cast<CardCode>(chance.actions[i].amount);
        EXPECT_EQ(chance.actions[i].kind, kDeal);
        EXPECT_EQ(ctx.dead_mask & (1ull << c), 0u);
        EXPECT_EQ(plan.node(chance.children[i]).river, c);
        EXPECT_EQ(plan.node(chance.children[i]).turn, ctx.board[3]);
    }
}

TEST(ActionPlan, ParallelBuildNumbersNodesAsTheSerialBuild) {
    TreeConfig c = config(1, 1000, 3000);
    c.turn.oop.bets = c.turn.ip.bets = parse_bet_size_list("50%, a", false);
    c.turn.oop.raises = c.turn.ip.raises = parse_bet_size_list("3x", true);
    c.river.oop.bets = c.river.ip.bets = parse_bet_size_list("75%", false);
    c.river.oop.raises = c.river.ip.raises = parse_bet_size_list("a", true);
    const CardContext ctx = context("AhKd7c2s");
    const ActionPlan serial(c, ctx);
    expect_preorder(serial.nodes());
    for (const char* depth : {"0", "1", "3", "9"}) {
        ScopedEnv parallel("QUENDAL_ACTIONPLAN_PARALLEL_DEPTH", depth);
        ScopedEnv workers("QUENDAL_ACTIONPLAN_MAX_WORKERS", "8");
        const ActionPlan built(c, ctx);
        EXPECT_TRUE(built.nodes() == serial.nodes()) << "depth " << depth;
    }
}

TEST(ActionPlan, TurnCheckDownCountsByHand) {
    // Root OOP, IP, a chance node dealing the 48 rivers (asymmetric ranges fold
    // nothing), and under each river OOP, IP and the showdown: 3 + 48 * 3 = 147.
    const CardContext ctx = context("AhKd7c2s", "AhAs, KQs", "QQ, JhTh");
    EXPECT_EQ(ActionPlan(config(1), ctx).node_count(), 147u);
}

// Checks every parent-child step of a tree against the betting rules.
void expect_legal_tree(const ActionPlan& plan, const CardContext& ctx, const TreeConfig& c) {
    const auto& nodes = plan.nodes();
    expect_preorder(nodes);
    for (const PlanNode& node : nodes) {
        EXPECT_LE(node.contribution_oop, c.effective_stack);
        EXPECT_LE(node.contribution_ip, c.effective_stack);
        EXPECT_EQ(node.pot, c.starting_pot + node.contribution_oop + node.contribution_ip);
        if (node.type == kDecisionNode) {
            ASSERT_FALSE(node.actions.empty());
            std::int32_t previous = 0;
            for (std::size_t i = 0; i < node.actions.size(); ++i) {
                const PlanAction& a = node.actions[i];
                const PlanNode& child = nodes[node.children[i]];
                if (is_sized_action(a.kind)) {
                    EXPECT_GT(a.amount, previous);  // distinct and ascending
                    previous = a.amount;
                    EXPECT_EQ(child.type, kDecisionNode);
                    EXPECT_EQ(child.player, 1 - node.player);
                } else if (a.kind == kFold) {
                    EXPECT_EQ(child.type, kTerminalNode);
                    EXPECT_EQ(child.player, node.player);
                    EXPECT_EQ(child.allin_runout, 0);
                } else if (a.kind == kCall) {
                    const bool all_in = child.contribution_oop == c.effective_stack ||
                                        child.contribution_ip == c.effective_stack;
                    EXPECT_EQ(child.contribution_oop, child.contribution_ip);
                    if (node.street == 2) {
                        EXPECT_EQ(child.type, kTerminalNode);
                        EXPECT_EQ(child.allin_runout, 0);
                    } else {
                        EXPECT_EQ(child.type, all_in ? kTerminalNode : kChanceNode);
                        EXPECT_EQ(child.allin_runout, all_in ? 1 : 0);
                    }
                } else {
                    ASSERT_EQ(a.kind, kCheck);
                    const bool closes = node.player == 1;
                    EXPECT_EQ(child.type, !closes
                                              ? kDecisionNode
                                              : (node.street == 2 ? kTerminalNode : kChanceNode));
                }
            }
        } else if (node.type == kChanceNode || node.allin_runout != 0) {
            // Exactly the live cards minus those folded by the suit isomorphism.
            const bool dealing_turn = node.turn == kNoCard;
            std::uint64_t dead = ctx.dead_mask;
            if (!dealing_turn) {
                dead |= 1ull << node.turn;
            }
            const SuitIsomorphism& iso = ctx.suit_isomorphism;
            const std::vector<CardCode>& folded =
                ctx.board[dealing_turn ? 3 : 4] != kNoCard
                    ? std::vector<CardCode>{}
                    : (dealing_turn ? iso.flop_folded_cards
                                    : iso.river_folded_cards[card_suit(node.turn)]);
            std::vector<PlanAction> expected;
            for (int card = 0; card < kCardCount; ++card) {
                if (((dead >> card) & 1) == 0 &&
                    std::find(folded.begin(), folded.end(), card) == folded.end()) {
                    expected.push_back({kDeal, card});
                }
            }
            EXPECT_EQ(list(node.actions), expected);
        } else {
            EXPECT_TRUE(node.children.empty());
        }
    }
}

TEST(ActionPlan, GeneratedTreesFollowTheBettingRules) {
    std::mt19937 rng(11);
    const char* bets[] = {"33%", "50%", "75%", "150%", "e", "a", "200c", "2e"};
    const char* raises[] = {"50%", "100%", "2.5x", "3x", "a", "400c"};
    const auto pick_list = [&](const char* const* tokens, std::size_t n, bool raise) {
        std::string text;
        for (int k = int(rng() % 3); k > 0; --k) {
            text += std::string(tokens[rng() % n]) + ",";
        }
        return parse_bet_size_list(text, raise);
    };
    const CardContext turn_ctx = context("AhKh7c2s", "AA, KK, AKs", "QQ, JTs");
    const CardContext river_ctx = context("AhKd7c2s9h");
    for (int trial = 0; trial < 60; ++trial) {
        const bool turn = trial % 2 == 0;
        TreeConfig c = config(turn ? 1 : 2, 100 + int(rng() % 900), 50 + int(rng() % 3000));
        for (StreetConfig* street : {&c.turn, &c.river}) {
            street->oop.bets = pick_list(bets, std::size(bets), false);
            street->ip.bets = pick_list(bets, std::size(bets), false);
            street->oop.raises = pick_list(raises, std::size(raises), true);
            street->ip.raises = pick_list(raises, std::size(raises), true);
            if (rng() % 3 == 0) {
                street->oop_lead = pick_list(bets, std::size(bets), false);
            }
        }
        c.allin_threshold_oop = c.allin_threshold_ip = (rng() % 3) * 0.5;
        const CardContext& ctx = turn ? turn_ctx : river_ctx;
        const ActionPlan plan(c, ctx);
        expect_legal_tree(plan, ctx, c);
        if (HasFailure()) {
            FAIL() << "trial " << trial;
        }
    }
}

TEST(ActionPlan, UnknownStreetLeavesTheConstructor) {
    const CardContext ctx = context("AhKd7c2s9h");
    EXPECT_THROW_MSG(ActionPlan(config(3), ctx), std::logic_error, "Unknown street");
    ScopedEnv parallel("QUENDAL_ACTIONPLAN_PARALLEL_DEPTH", "2");
    EXPECT_THROW_MSG(Game(config(3), ctx), std::logic_error, "Unknown street");
}

TEST(GameState, NodeStatesMirrorThePlanAndLocksReplace) {
    TreeConfig c = config(0);
    c.flop.oop.bets = parse_bet_size_list("a", false);
    Game game(c, context("AhKh7h", "AA, KK", "QQ"));
    ASSERT_EQ(game.nodes().size(), game.plan().node_count());
    for (std::size_t i = 0; i < game.nodes().size(); ++i) {
        ASSERT_TRUE(static_cast<const PlanNode&>(game.nodes()[i]) == game.plan().node(i));
    }

    std::vector<float> first{0.25f, 0.75f};
    std::vector<float> second{1.0f, 0.0f};
    game.set_node_lock(0, std::move(first));
    game.set_node_lock(0, std::move(second));
    EXPECT_TRUE(second.empty());
    ASSERT_NE(game.find_node_lock(0), nullptr);
    EXPECT_EQ(*game.find_node_lock(0), (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(game.find_node_lock(1), nullptr);
    game.set_node_lock(1u << 30, {0.5f});
    EXPECT_NE(game.find_node_lock(1u << 30), nullptr);
}

TEST(GameState, BoardTablesOfFoldedCards) {
    TreeConfig c = config(0);
    const Game game(c, context("AhKh7h", "AA, KK", "QQ"));
    const SuitIsomorphism& iso = game.card_context().suit_isomorphism;
    // Root (OOP) checks, IP checks: node 2 deals the turn.
    const NodeState& turn_chance = game.nodes()[2];
    ASSERT_EQ(turn_chance.type, kChanceNode);
    EXPECT_EQ(&game.select_board_table(turn_chance, 0), &iso.turn_swap_pairs[1]);  // 2d
    EXPECT_EQ(&game.select_board_table(turn_chance, 1), &iso.turn_swap_pairs[3]);  // 2s
    EXPECT_EQ(&game.select_board_table(turn_chance, 26), &game.empty_swap_pairs());
    EXPECT_EQ(&game.select_board_table(game.nodes()[0], 0), &game.empty_swap_pairs());

    // Under the first turn card (2c) the river chance node folds spades onto diamonds.
    const NodeState& turn_root = game.nodes()[turn_chance.children[0]];
    const NodeState& river_chance = game.nodes()[game.nodes()[turn_root.children[0]].children[0]];
    ASSERT_EQ(river_chance.type, kChanceNode);
    ASSERT_EQ(river_chance.turn, parse_card("2c"));
    EXPECT_EQ(&game.select_board_table(river_chance, 0), &iso.river_swap_pairs[0][3]);
    EXPECT_EQ(river_chance.children.size(), 48u - 13u);  // the 13 spades fold
}

}  // namespace
}  // namespace quendal
