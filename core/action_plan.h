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
#include <span>
#include <vector>

namespace quendal {

enum NodeType : std::uint8_t { kDecisionNode = 0, kChanceNode = 1, kTerminalNode = 2 };

// A node's action and child lists are views into lists its plan holds for the
// whole tree: a copy of a node (the game's node states are copies) shares
// them, and they live as long as the plan.
struct PlanNode {
    std::uint8_t type = kDecisionNode;
    std::uint8_t player = 0;        // actor; the folder at a fold terminal
    std::uint8_t street = 0;        // chance nodes and all-in terminals: the street dealt next
    std::uint8_t allin_runout = 0;  // both all-in before the river
    std::int32_t matched = 0;
    std::span<const PlanAction> actions;
    std::span<const std::uint64_t> children;  // the i-th child follows the i-th action
    std::int32_t pot = 0;
    std::int32_t contribution_oop = 0;
    std::int32_t contribution_ip = 0;
    std::uint8_t last_action = kNoAction;  // the last betting action; deals leave it
    std::uint8_t last_actor = 0;
    CardCode turn = kNoCard;
    CardCode river = kNoCard;

    // Field by field, the lists by their entries.
    friend bool operator==(const PlanNode& a, const PlanNode& b);
};

class ActionPlan {
public:
    using BuildContext = PlanBuildContext;

    // Sees one node (its actions and children not filled in), how many
    // children it has and how many nodes of the tree it stands for; false
    // ends the walk.
    using ShapeVisitor =
        std::function<bool(const PlanNode& node, std::size_t child_count, std::uint64_t copies)>;

    // The card context may be null (no suit folding); it must outlive the plan.
    ActionPlan(TreeConfig config, const CardContext* context);
    ActionPlan(TreeConfig config, const CardContext& context)
        : ActionPlan(std::move(config), &context) {}

    // Visits the nodes the plan of this configuration would hold, in node
    // order, without building it: only the path to the current node is held,
    // whatever the size of the tree. The subtrees under the cards of a river
    // deal differ only in that card, so the walk visits the first and counts
    // it once for each card. The suit folding may be null (none). False when
    // the visitor ended the walk.
    static bool walk_shape(TreeConfig config, const Board& board,
                           const SuitIsomorphism* isomorphism, const ShapeVisitor& visit);

    const TreeConfig& config() const { return config_; }
    const std::vector<PlanNode>& nodes() const { return nodes_; }
    std::size_t node_count() const { return nodes_.size(); }
    const PlanNode& node(std::size_t index) const { return nodes_[index]; }
    // Bytes of the nodes' action and child lists.
    std::size_t list_bytes() const {
        return actions_.capacity() * sizeof(PlanAction) +
               children_.capacity() * sizeof(std::uint64_t);
    }

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

    // A tree under construction: its nodes, and each node's lists as a place
    // in the shared action and child lists.
    struct Building {
        struct Lists {
            std::size_t first = 0;
            std::size_t count = 0;
        };
        std::vector<PlanNode> nodes;
        std::vector<Lists> lists;
        std::vector<PlanAction> actions;
        std::vector<std::uint64_t> children;

        void add(PlanNode&& node) {
            nodes.push_back(std::move(node));
            lists.emplace_back();
        }
        // Appends a subtree built with its own indices, shifting them to their place.
        void splice(Building&& subtree);
    };

    struct ShapeOnly {};
    // Everything but the tree itself.
    ActionPlan(TreeConfig config, const Board& board, const SuitIsomorphism* isomorphism,
               ShapeOnly);

    BuildContext root_context() const;
    PlanNode root_node(const BuildContext& root) const;
    void build_recursive(Building& out, std::size_t node, const BuildContext& context,
                         std::size_t depth);
    // `levels` holds one list of children per depth, reused from node to node.
    bool walk_recursive(const PlanNode& node, const BuildContext& context, std::uint64_t copies,
                        const ShapeVisitor& visit, std::vector<std::vector<Child>>& levels,
                        std::size_t depth) const;
    // The node's children, in action order, into `children` (emptied first).
    void expand(const PlanNode& node, const BuildContext& context,
                std::vector<Child>& children) const;
    void expand_decision_node(const PlanNode& node, const BuildContext& context,
                              std::vector<Child>& children) const;
    void expand_chance_node(const PlanNode& node, const BuildContext& context, bool terminals,
                            std::vector<Child>& children) const;

    TreeConfig config_;
    Board board_;
    const SuitIsomorphism* isomorphism_;
    std::vector<PlanNode> nodes_;
    std::vector<PlanAction> actions_;
    std::vector<std::uint64_t> children_;
    std::size_t worker_limit_ = 1;
    std::size_t parallel_depth_ = 0;
    std::atomic<std::size_t> running_tasks_{1};
};

}  // namespace quendal
