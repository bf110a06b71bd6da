#include "core/game.h"
#include "expect_throw_message.h"
#include "scoped_env.h"

#include <string>

#include <gtest/gtest.h>

namespace quendal {
namespace {

Board make_board(const std::string& text) {
    Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
    for (std::size_t i = 0; i * 2 < text.size(); ++i) {
        board[i] = parse_card(text.substr(2 * i, 2));
    }
    return board;
}

CardContext context(const char* board, const char* oop = "AA, KQs", const char* ip = "QQ, JTs") {
    return CardContext(make_board(board), {parse_range(oop), parse_range(ip)});
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
    EXPECT_EQ(plan.node(0).actions, (std::vector<PlanAction>{{kCheck, 0}}));
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
    ASSERT_EQ(root.actions, (std::vector<PlanAction>{{kCheck, 0}, {kBet, 500}}));
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
    for (const char* depth : {"1", "3", "9"}) {
        ScopedEnv parallel("QUENDAL_ACTIONPLAN_PARALLEL_DEPTH", depth);
        ScopedEnv workers("QUENDAL_ACTIONPLAN_MAX_WORKERS", "8");
        const ActionPlan built(c, ctx);
        EXPECT_TRUE(built.nodes() == serial.nodes()) << "depth " << depth;
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
