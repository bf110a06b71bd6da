// One spot's tree with its per-node state and node locks. A Game owns its card
// context and builds its plan over it, so it is neither copied nor moved.
#pragma once

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/tree_config.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace quendal {

struct NodeState : PlanNode {};

class Game {
public:
    Game(TreeConfig config, CardContext context);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Holds the node's hands to `strategy` (action-major); replaces an earlier
    // lock of the node and leaves the argument empty.
    void set_node_lock(std::size_t node, std::vector<float>&& strategy);
    // The lock of the node, or null.
    const std::vector<float>* find_node_lock(std::size_t node) const;

    // The per-seat swap pairs of the k-th folded card of a chance node, or the
    // empty pair when the node has none.
    const PerSeat<SwapPairs>& select_board_table(const NodeState& node, std::size_t k) const;

    const TreeConfig& config() const { return config_; }
    const CardContext& card_context() const { return context_; }
    const ActionPlan& plan() const { return plan_; }
    const std::vector<NodeState>& nodes() const { return nodes_; }
    const std::vector<CardCode>& empty_cards() const { return empty_cards_; }
    const PerSeat<SwapPairs>& empty_swap_pairs() const { return empty_swap_pairs_; }

private:
    TreeConfig config_;
    CardContext context_;
    ActionPlan plan_;
    std::vector<NodeState> nodes_;
    std::unordered_map<std::uint64_t, std::vector<float>> node_locks_;
    std::vector<CardCode> empty_cards_;
    PerSeat<SwapPairs> empty_swap_pairs_;
};

}  // namespace quendal
