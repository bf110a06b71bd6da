// The game tree of a spot: a flat list of nodes in depth-first pre-order
// (root 0; every subtree a contiguous block, children in action order). The
// numbering is the same however many threads build the tree.
#pragma once

#include "core/card_context.h"
#include "core/tree_config.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace quendal {

enum NodeType : std::uint8_t { kDecisionNode = 0, kChanceNode = 1, kTerminalNode = 2 };

struct PlanNode {
    std::uint8_t type = kDecisionNode;
    std::uint8_t player = 0;        // actor; the folder at a fold terminal
    std::uint8_t street = 0;        // chance nodes and all-in terminals: the street dealt next
    std::uint8_t allin_runout = 0;  // both all-in before the river
    std::int32_t matched = 0;
    std::vector<PlanAction> actions;
    std::vector<std::uint64_t> children;  // the i-th child follows the i-th action
    std::int32_t pot = 0;
    std::int32_t contribution_oop = 0;
    std::int32_t contribution_ip = 0;
    std::uint8_t last_action = kNoAction;  // the last betting action; deals leave it
    std::uint8_t last_actor = 0;
    CardCode turn = kNoCard;
    CardCode river = kNoCard;

    friend bool operator==(const PlanNode&, const PlanNode&) = default;
};

class ActionPlan {
public:
    using BuildContext = PlanBuildContext;

    // Sees one node (its actions and children not filled in) and how many
    // children it has; false ends the walk.
    using ShapeVisitor = std::function<bool(const PlanNode& node, std::size_t child_count)>;

    // The card context may be null (no suit folding); it must outlive the plan.
    ActionPlan(TreeConfig config, const CardContext* context);
    ActionPlan(TreeConfig config, const CardContext& context)
        : ActionPlan(std::move(config), &context) {}

    // Visits every node the plan of this configuration would hold, in node
    // order, without building it: only the path to the current node is held,
    // whatever the size of the tree. False when the visitor ended the walk.
    static bool walk_shape(TreeConfig config, const CardContext* context,
                           const ShapeVisitor& visit);

    const TreeConfig& config() const { return config_; }
    const std::vector<PlanNode>& nodes() const { return nodes_; }
    std::size_t node_count() const { return nodes_.size(); }
    const PlanNode& node(std::size_t index) const { return nodes_[index]; }

    // The cards a chance node may deal: the board's card for that street when
    // it fixes one, else every card outside the dead mask.
    std::vector<CardCode> deal_card_candidates(const BuildContext& context,
                                               bool dealing_turn) const;

private:
    struct Child {
        PlanAction action;
        BuildContext context;
        PlanNode node;
    };

    struct ShapeOnly {};
    // Everything but the tree itself.
    ActionPlan(TreeConfig config, const CardContext* context, ShapeOnly);

    BuildContext root_context() const;
    PlanNode root_node(const BuildContext& root) const;
    void build_recursive(std::vector<PlanNode>& out, std::size_t node, const BuildContext& context,
                         std::size_t depth);
    bool walk_recursive(const PlanNode& node, const BuildContext& context,
                        const ShapeVisitor& visit) const;
    std::vector<Child> expand(const PlanNode& node, const BuildContext& context) const;
    std::vector<Child> expand_decision_node(const PlanNode& node,
                                            const BuildContext& context) const;
    std::vector<Child> expand_chance_node(const PlanNode& node, const BuildContext& context,
                                          bool terminals) const;

    TreeConfig config_;
    Board board_;
    const CardContext* context_;
    std::vector<PlanNode> nodes_;
    std::size_t worker_limit_ = 1;
    std::size_t parallel_depth_ = 0;
    std::atomic<std::size_t> running_tasks_{1};
};

}  // namespace quendal
