#include "core/game.h"

namespace quendal {

Game::Game(TreeConfig config, CardContext context)
    : config_(config), context_(std::move(context)), plan_(std::move(config), context_) {
    nodes_.reserve(plan_.node_count());
    for (const PlanNode& node : plan_.nodes()) {
        nodes_.push_back(NodeState{node});
    }
}

void Game::set_node_lock(std::size_t node, std::vector<float>&& strategy) {
    node_locks_[node] = std::move(strategy);
    strategy.clear();
}

const std::vector<float>* Game::find_node_lock(std::size_t node) const {
    const auto it = node_locks_.find(node);
    return it == node_locks_.end() ? nullptr : &it->second;
}

const PerSeat<SwapPairs>& Game::select_board_table(const NodeState& node, std::size_t k) const {
    if (node.type != kChanceNode) {
        return empty_swap_pairs_;
    }
    const SuitIsomorphism& iso = context_.suit_isomorphism;
    if (node.street == 1) {
        if (k < iso.flop_folded_cards.size()) {
            return iso.turn_swap_pairs[card_suit(iso.flop_folded_cards[k])];
        }
    } else if (node.street == 2 && node.turn != kNoCard) {
        const int turn_suit = card_suit(node.turn);
        const std::vector<CardCode>& folded = iso.river_folded_cards[turn_suit];
        if (k < folded.size()) {
            return iso.river_swap_pairs[turn_suit][card_suit(folded[k])];
        }
    }
    return empty_swap_pairs_;
}

}  // namespace quendal
