#include "core/action_plan.h"

#include "core/env_int.h"
#include "core/thread_start.h"

#include <algorithm>
#include <future>
#include <thread>

namespace quendal {

namespace {

PlanNode node_from(const PlanBuildContext& context, std::uint8_t type, std::uint8_t player,
                   std::uint8_t street, std::uint8_t allin_runout, std::int32_t matched) {
    PlanNode node;
    node.type = type;
    node.player = player;
    node.street = street;
    node.allin_runout = allin_runout;
    node.matched = matched;
    node.pot = context.pot;
    node.contribution_oop = context.contribution_oop;
    node.contribution_ip = context.contribution_ip;
    node.last_action = context.recorded_last_action;
    node.last_actor = context.last_actor;
    node.turn = context.turn;
    node.river = context.river;
    return node;
}

const Board kNoBoard{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};

}  // namespace

bool operator==(const PlanNode& a, const PlanNode& b) {
    return a.type == b.type && a.player == b.player && a.street == b.street &&
           a.allin_runout == b.allin_runout && a.matched == b.matched &&
           std::ranges::equal(a.actions, b.actions) && std::ranges::equal(a.children, b.children) &&
           a.pot == b.pot && a.contribution_oop == b.contribution_oop &&
           a.contribution_ip == b.contribution_ip && a.last_action == b.last_action &&
           a.last_actor == b.last_actor && a.turn == b.turn && a.river == b.river;
}

void ActionPlan::Building::splice(Building&& subtree) {
    const std::uint64_t node_offset = nodes.size();
    const std::size_t list_offset = actions.size();
    for (std::size_t i = 0; i < subtree.nodes.size(); ++i) {
        nodes.push_back(std::move(subtree.nodes[i]));
        lists.push_back({subtree.lists[i].first + list_offset, subtree.lists[i].count});
    }
    actions.insert(actions.end(), subtree.actions.begin(), subtree.actions.end());
    for (const std::uint64_t child : subtree.children) {
        children.push_back(child + node_offset);
    }
    subtree = Building();
}

ActionPlan::ActionPlan(TreeConfig config, const Board& board, const SuitIsomorphism* isomorphism,
                       ShapeOnly)
    : config_(std::move(config)), board_(board), isomorphism_(isomorphism) {}

ActionPlan::ActionPlan(TreeConfig config, const CardContext* context)
    : ActionPlan(std::move(config), context != nullptr ? context->board : kNoBoard,
                 context != nullptr ? &context->suit_isomorphism : nullptr, ShapeOnly{}) {
    worker_limit_ = std::max(1u, std::thread::hardware_concurrency());
    if (const auto limit = env_int32("QUENDAL_ACTIONPLAN_MAX_WORKERS"); limit && *limit > 0) {
        worker_limit_ = static_cast<std::size_t>(*limit);
    }
    if (const auto depth = env_int32("QUENDAL_ACTIONPLAN_PARALLEL_DEPTH"); depth && *depth >= 0) {
        parallel_depth_ = static_cast<std::size_t>(*depth);
    }
    const BuildContext root = root_context();
    Building tree;
    tree.add(root_node(root));
    build_recursive(tree, 0, root, 0);
    nodes_ = std::move(tree.nodes);
    actions_ = std::move(tree.actions);
    children_ = std::move(tree.children);
    actions_.shrink_to_fit();
    children_.shrink_to_fit();
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        const Building::Lists& lists = tree.lists[i];
        nodes_[i].actions = std::span<const PlanAction>(actions_.data() + lists.first, lists.count);
        nodes_[i].children =
            std::span<const std::uint64_t>(children_.data() + lists.first, lists.count);
    }
}

bool ActionPlan::walk_shape(TreeConfig config, const Board& board,
                            const SuitIsomorphism* isomorphism, const ShapeVisitor& visit) {
    const ActionPlan shape(std::move(config), board, isomorphism, ShapeOnly{});
    const BuildContext root = shape.root_context();
    std::vector<std::vector<Child>> levels;
    return shape.walk_recursive(shape.root_node(root), root, 1, visit, levels, 0);
}

ActionPlan::BuildContext ActionPlan::root_context() const {
    BuildContext root;
    root.stack_oop = root.stack_ip = config_.effective_stack;
    root.pot = config_.starting_pot;
    for (CardCode c : board_) {
        if (c != kNoCard) {
            root.dead_mask |= std::uint64_t{1} << c;
        }
    }
    root.turn = board_[3];
    root.river = board_[4];
    return root;
}

PlanNode ActionPlan::root_node(const BuildContext& root) const {
    return node_from(root, kDecisionNode, 0, config_.start_street, 0, 0);
}

// The same expansion as the build, in the same order; each level keeps only
// the children of one node.
bool ActionPlan::walk_recursive(const PlanNode& node, const BuildContext& context,
                                std::uint64_t copies, const ShapeVisitor& visit,
                                std::vector<std::vector<Child>>& levels, std::size_t depth) const {
    if (levels.size() <= depth) {
        levels.resize(depth + 1);
    }
    expand(node, context, levels[depth]);
    const std::size_t count = levels[depth].size();
    if (!visit(node, count, copies)) {
        return false;
    }
    // Nothing below a river deal reads the cards.
    const bool deals_river =
        context.river == kNoCard && count != 0 && levels[depth].front().context.river != kNoCard;
    const std::size_t walked = deals_river ? 1 : count;
    const std::uint64_t each = deals_river ? copies * count : copies;
    for (std::size_t i = 0; i < walked; ++i) {
        // Deeper levels may grow `levels`: the child is looked up each time.
        const Child& child = levels[depth][i];
        if (!walk_recursive(child.node, child.context, each, visit, levels, depth + 1)) {
            return false;
        }
    }
    return true;
}

void ActionPlan::build_recursive(Building& out, std::size_t node, const BuildContext& context,
                                 std::size_t depth) {
    std::vector<Child> children;
    expand(out.nodes[node], context, children);
    if (children.empty()) {
        return;
    }
    // The node's lists take their place before any of its subtrees' lists.
    const std::size_t first = out.actions.size();
    out.lists[node] = {first, children.size()};
    out.actions.resize(first + children.size());
    out.children.resize(first + children.size());

    if (depth >= parallel_depth_) {
        for (std::size_t i = 0; i < children.size(); ++i) {
            const std::size_t index = out.nodes.size();
            out.actions[first + i] = children[i].action;
            out.children[first + i] = index;
            out.add(std::move(children[i].node));
            build_recursive(out, index, children[i].context, depth + 1);
        }
        return;
    }

    // Each child subtree is built into a list of its own (on a task while the
    // worker limit allows) and spliced in action order, which gives exactly
    // the numbering of a build on one thread.
    std::vector<Building> subtrees(children.size());
    std::vector<std::future<void>> tasks;
    tasks.reserve(children.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        subtrees[i].add(std::move(children[i].node));
        const auto build = [this, &subtrees, &children, i, depth] {
            build_recursive(subtrees[i], 0, children[i].context, depth + 1);
        };
        if (running_tasks_.load() < worker_limit_) {
            running_tasks_.fetch_add(1);
            tasks.push_back(std::async(std::launch::async, [this, build] {
                struct Release {
                    std::atomic<std::size_t>& count;
                    ~Release() { count.fetch_sub(1); }
                } release{running_tasks_};
                on_thread_start();
                build();
            }));
        } else {
            build();
        }
    }
    // Wait for every task before any error leaves: the tasks refer to locals.
    std::exception_ptr error;
    for (std::future<void>& task : tasks) {
        try {
            task.get();
        } catch (...) {
            if (!error) {
                error = std::current_exception();
            }
        }
    }
    if (error) {
        std::rethrow_exception(error);
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        out.actions[first + i] = children[i].action;
        out.children[first + i] = out.nodes.size();
        out.splice(std::move(subtrees[i]));
    }
}

void ActionPlan::expand(const PlanNode& node, const BuildContext& context,
                        std::vector<Child>& children) const {
    children.clear();
    switch (node.type) {
        case kDecisionNode:
            expand_decision_node(node, context, children);
            break;
        case kChanceNode:
            expand_chance_node(node, context, false, children);
            break;
        default:
            if (node.allin_runout != 0) {
                expand_chance_node(node, context, true, children);
            }
            break;
    }
}

void ActionPlan::expand_decision_node(const PlanNode& node, const BuildContext& context,
                                      std::vector<Child>& children) const {
    const int actor = node.player;
    const int opponent = 1 - actor;
    const std::vector<PlanAction> actions =
        decision_actions(config_, context, node.street, actor, node.matched);
    children.reserve(actions.size());
    for (const PlanAction& action : actions) {
        BuildContext next = context;
        next.last_action = action.kind;
        next.last_actor = static_cast<std::uint8_t>(actor);
        next.recorded_last_action = action.kind;
        next.oop_called = 0;
        std::int32_t& stack = actor == 0 ? next.stack_oop : next.stack_ip;
        std::int32_t& contribution = actor == 0 ? next.contribution_oop : next.contribution_ip;
        const std::int32_t other_stack = actor == 0 ? context.stack_ip : context.stack_oop;
        const std::int32_t actor_stack = actor == 0 ? context.stack_oop : context.stack_ip;
        std::int32_t matched = node.matched;
        std::uint8_t type = kDecisionNode;
        std::uint8_t player = static_cast<std::uint8_t>(opponent);
        std::uint8_t street = node.street;
        std::uint8_t allin_runout = 0;

        switch (action.kind) {
            case kFold:
                type = kTerminalNode;
                player = static_cast<std::uint8_t>(actor);
                break;
            case kCheck:
                if (actor == 0) {
                    break;
                }
                player = 0;
                if (node.street < 2) {
                    type = kChanceNode;
                    street = static_cast<std::uint8_t>(node.street + 1);
                } else {
                    type = kTerminalNode;
                }
                break;
            case kCall: {
                const std::int32_t k = action.amount;
                stack -= k;
                contribution += k;
                next.pot += k;
                matched += k;
                next.raises = 0;
                next.bet_level = 0;
                next.oop_called = actor == 0 ? 1 : 0;
                player = 0;
                if (node.street >= 2) {
                    type = kTerminalNode;
                } else if (context.facing_allin == 0 && next.stack_oop > 0 && next.stack_ip > 0) {
                    type = kChanceNode;
                    street = static_cast<std::uint8_t>(node.street + 1);
                } else {
                    type = kTerminalNode;
                    street = static_cast<std::uint8_t>(node.street + 1);
                    allin_runout = 1;
                    next.facing_allin = 1;
                }
                break;
            }
            default: {  // bet, raise, all-in
                const std::int64_t to_call = std::int64_t{actor_stack} - other_stack;
                const std::int64_t k =
                    std::clamp<std::int64_t>(to_call, 0, std::max(actor_stack, 0));
                const std::int64_t put_in = std::max<std::int64_t>(
                    0, std::min<std::int64_t>(
                           actor_stack, std::max<std::int64_t>(
                                            0, std::int64_t{action.amount} - context.bet_level) +
                                            k));
                stack -= static_cast<std::int32_t>(put_in);
                contribution += static_cast<std::int32_t>(put_in);
                next.pot += static_cast<std::int32_t>(put_in);
                matched += static_cast<std::int32_t>(k);
                next.raises += 1;
                next.bet_level = action.amount;
                next.facing_allin = action.kind == kAllInAction ? 1 : 0;
                break;
            }
        }
        children.push_back(
            {action, next, node_from(next, type, player, street, allin_runout, matched)});
    }
}

std::vector<CardCode> ActionPlan::deal_card_candidates(const BuildContext& context,
                                                       bool dealing_turn) const {
    const CardCode fixed = dealing_turn ? board_[3] : board_[4];
    std::vector<CardCode> cards;
    if (fixed == kNoCard) {
        for (int c = 0; c < kCardCount; ++c) {
            if (((context.dead_mask >> c) & 1) == 0) {
                cards.push_back(static_cast<CardCode>(c));
            }
        }
    } else if (((context.dead_mask >> fixed) & 1) == 0) {
        cards.push_back(fixed);
    }
    return cards;
}

void ActionPlan::expand_chance_node(const PlanNode& node, const BuildContext& context,
                                    bool terminals, std::vector<Child>& children) const {
    if (context.turn != kNoCard && context.river != kNoCard) {
        return;
    }
    const bool dealing_turn = context.turn == kNoCard;
    std::vector<CardCode> cards = deal_card_candidates(context, dealing_turn);
    const CardCode fixed = dealing_turn ? board_[3] : board_[4];
    if (fixed == kNoCard && isomorphism_ != nullptr) {
        const SuitIsomorphism& iso = *isomorphism_;
        const std::vector<CardCode>& folded =
            dealing_turn ? iso.flop_folded_cards : iso.river_folded_cards[card_suit(context.turn)];
        std::erase_if(cards, [&](CardCode c) {
            return std::find(folded.begin(), folded.end(), c) != folded.end();
        });
    }

    children.reserve(cards.size());
    const std::uint8_t street = dealing_turn ? 1 : 2;
    for (CardCode c : cards) {
        BuildContext next = context;
        next.last_action = kDeal;
        next.dead_mask |= std::uint64_t{1} << c;
        (dealing_turn ? next.turn : next.river) = c;
        const std::uint8_t type = terminals ? kTerminalNode : kDecisionNode;
        const std::uint8_t allin_runout = terminals && dealing_turn ? 1 : 0;
        children.push_back({PlanAction{kDeal, c}, next,
                            node_from(next, type, 0, street, allin_runout, node.matched)});
    }
}

}  // namespace quendal
