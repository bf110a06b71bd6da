// What the per-hand queries share: each node's parent, the reach of a seat's
// hands at a node under the average strategies, the opponent weight a hand
// does not block, and the EV offset of a node.
#pragma once

#include "core/discounted_cfr.h"
#include "core/game.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace quendal_app {

// A decision node of a solved game as the per-hand queries read it: the
// acting seat, its hand count and the average strategy (A × H, action-major).
struct ActingNode {
    const quendal::NodeState* node = nullptr;
    int player = 0;
    std::size_t actions = 0;
    std::size_t hands = 0;
    std::vector<float> strategy;
};

// Nothing unless `index` is a decision node with actions (and a child for
// each when `need_children`), whose acting seat has hands with a weight
// each and an average strategy of A × H entries.
std::optional<ActingNode> acting_node(const quendal::Game& game, quendal::DiscountedCfr& solver,
                                      std::uint64_t index, bool need_children);

// The acting seat's values at the first A children of the node, one A × H
// block (action-major) per opponent reach, in the order of `reaches`; each
// row is what a walk of that child alone gives. Nothing when a child's
// values do not have H entries.
std::optional<std::vector<std::vector<float>>> acting_child_values(
    quendal::Game& game, quendal::DiscountedCfr& solver, const ActingNode& acting,
    std::uint64_t index, std::span<const std::span<const float>> reaches);

// The node's own values for the reach its children's values (an A × H block
// of acting_child_values) were walked with: each child weighted by the
// average strategy and summed as the engine's walk of the node sums them, so
// the values are that walk's. Nothing when the node has more children than
// actions (the walk would weigh children the strategy does not cover).
std::optional<std::vector<float>> acting_node_values(const ActingNode& acting,
                                                     const std::vector<float>& children);

// True when the two lists hold the same bits, so that walks with either
// give the same values.
bool same_reach(std::span<const float> a, std::span<const float> b);

// Each node's first parent in index order and its position among that
// parent's children; built once per solved game.
struct NodeParents {
    static constexpr std::uint64_t kNone = UINT64_MAX;
    std::vector<std::uint64_t> parent;
    std::vector<std::uint32_t> position;

    explicit NodeParents(const quendal::Game& game);

    // (ancestor, position of the next node) from the root down to `node`;
    // nothing when the chain breaks before the root.
    std::optional<std::vector<std::pair<std::uint64_t, std::uint32_t>>> path_to(
        std::uint64_t node) const;
};

// The board plus the node's turn and river when dealt, as a card mask.
std::uint64_t node_dead_cards(const quendal::Game& game, const quendal::NodeState& node);

// Reach of a seat's hands at the end of `path`: `initial` (non-positive or
// non-finite entries as 0), 0 for hands holding a dead card, multiplied at
// each of the seat's decision nodes on the way by the probability of the
// action taken (an ancestor whose strategy has another length is passed over).
std::vector<float> seat_reach_along(
    const quendal::Game& game, quendal::DiscountedCfr& solver,
    const std::vector<std::pair<std::uint64_t, std::uint32_t>>& path, int seat,
    std::span<const float> initial, std::uint64_t dead_cards);

// A hand's weight at a node: its range weight times its reach there; 0 when
// either is not positive or the product is not finite.
double reach_weight(float weight, float reach);

// Reach weight of each of a seat's hands at the end of `path`: its range
// weight times its own probabilities along the way (seat_reach_along from 1),
// so 0 for hands holding a dead card or never getting there.
std::vector<double> seat_reach_weights(
    const quendal::Game& game, quendal::DiscountedCfr& solver,
    const std::vector<std::pair<std::uint64_t, std::uint32_t>>& path, int seat,
    std::uint64_t dead_cards);

// A seat's range weights, 0 for hands holding a dead card and for weights
// that are not positive and finite.
std::vector<double> live_range_weights(const quendal::Game& game, int seat,
                                       std::uint64_t dead_cards);

// The weights the per-hand views of a decision node count the acting seat's
// hands with: each hand's reach weight there (seat_reach_weights) or, when
// no hand gets there, its live range weight. Nothing when the chain of
// parents breaks before the root.
std::optional<std::vector<double>> acting_hand_weights(const quendal::Game& game,
                                                       quendal::DiscountedCfr& solver,
                                                       const NodeParents& parents,
                                                       std::uint64_t index,
                                                       const ActingNode& acting);

// How often the acting seat takes each action of a node: the mean of each
// action's probability over the seat's hands, hand h counting with
// `weights[h]` (its reach weight there). The plain mean over the H hands when
// no hand has weight. Empty when `strategy` (A × H, action-major) has
// another size.
std::vector<float> reach_weighted_frequencies(std::span<const float> strategy, std::size_t actions,
                                              std::size_t hands, std::span<const double> weights);

// One walk down the tree from the root, every node reached from its first
// parent as NodeParents::path_to reaches it, carrying both seats' reach:
// `visit` is called at every decision node so reached with its index, its
// average strategy (A × H, empty when the engine has none) and the acting
// seat's reach weights (as seat_reach_weights gives them). Terminal nodes
// are not entered; the walk holds a few reach rows per level of depth.
using DecisionReachVisitor = std::function<void(
    std::uint64_t node, const std::vector<float>& strategy, std::span<const double> weights)>;
void walk_decision_reach(const quendal::Game& game, quendal::DiscountedCfr& solver,
                         const NodeParents& parents, const DecisionReachVisitor& visit);

// Opponent weight that each of the other seat's hands does not block.
class UnblockedWeight {
public:
    UnblockedWeight(const quendal::CardContext& ctx, int opponent, std::span<const float> weights);
    // T − S[c1] − S[c2] + same(h) for hand h of the seat facing `opponent`;
    // 0 when not positive or not finite.
    double operator()(std::size_t h) const;

private:
    const quendal::CardContext& ctx_;
    int seat_;
    std::span<const float> weights_;
    double total_ = 0.0;
    std::array<double, quendal::kCardCount> card_{};
};

// (starting pot + 2 × matched) / 2, in hundredths.
double ev_offset(const quendal::Game& game, const quendal::NodeState& node);

// A node value in chips of the whole range: scaled by N / M when both are
// positive, plus the offset when it is positive; 0 when not finite.
double scaled_hand_value(double value, double normaliser, double unblocked, double offset);

}  // namespace quendal_app
