// Per-hand views of one node of a solved game: the acting seat's strategy per
// hand class, one row per hand with its weight, EVs, words and action
// probabilities, the action EVs of one named hand, and a seat's live hands.
#pragma once

#include "core/discounted_cfr.h"
#include "core/game.h"
#include "session/action_stats.h"
#include "session/node_reach.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendal_app {

struct HandStrategyResult {
    std::vector<std::string> labels;        // 169, grid order
    std::vector<float> weights;             // 169
    std::vector<std::string> dominant;      // 169 action codes, "" for weight 0
    std::vector<std::string> action_names;  // A display labels
    std::vector<float> probs;               // 169 × A, class-major
    bool ok = false;
};

struct HandComboRecord {
    std::string c1;
    std::string c2;
    double weight = 0.0;
    double ev = 0.0;
    std::vector<double> action_evs;
    std::vector<std::string> buckets;
    std::vector<float> action_probs;
};

struct HandCombosResult {
    std::vector<HandComboRecord> rows;
    bool ok = false;
};

struct PocketActionEvsResult {
    std::vector<double> evs;
    bool ok = false;
};

// Each class weighs the sum of its hands' weights at the node and plays
// their mean strategy, hand by hand as those weights count them
// (acting_hand_weights: the reach weights, or the range weights at a node no
// hand gets to); pockets holding a card dealt on the way weigh 0. A class
// none of whose hands gets there has weight 0 and no dominant action, and
// keeps its live hands' range-weighted mean as its probabilities, so that a
// lock seeded from them holds it where it plays now.
HandStrategyResult compute_node_hand_strategy(const quendal::Game& game,
                                              quendal::DiscountedCfr& solver,
                                              const NodeParents& parents, std::uint64_t node);

// Rows sorted by EV, highest first; equal EVs keep pocket order.
HandCombosResult compute_node_hand_combos(quendal::Game& game, quendal::DiscountedCfr& solver,
                                          const NodeParents& parents, std::uint64_t node);

// The combos in two steps, for callers that walk the node's children once
// for several queries: what they read beside the engine's values (the
// acting node and both seats' reach along the path to it), nothing when
// the node does not qualify; then the rows from the acting seat's values at
// the children walked with `opp_reach` as the opponent's reach (an A × H
// block of acting_child_values). The node's own values follow from its
// children's.
struct HandCombosInputs {
    ActingNode acting;
    std::vector<float> opp_reach;
    std::vector<float> own_reach;
};
std::optional<HandCombosInputs> hand_combos_inputs(const quendal::Game& game,
                                                   quendal::DiscountedCfr& solver,
                                                   const NodeParents& parents, std::uint64_t node);
HandCombosResult hand_combos_from_values(quendal::Game& game, quendal::DiscountedCfr& solver,
                                         std::uint64_t node, const HandCombosInputs& inputs,
                                         const std::vector<float>& child_values);

// The action statistics and the combos of one node together, the values of
// its children walked once for both: the two results are those of
// compute_node_action_stats and compute_node_hand_combos. Where the opponent
// reaches the node with its whole range, one walk of each child serves both.
struct NodeStatsAndCombos {
    ActionStatsResult stats;
    HandCombosResult combos;
};
NodeStatsAndCombos compute_node_stats_and_combos(quendal::Game& game,
                                                 quendal::DiscountedCfr& solver,
                                                 const NodeParents& parents, std::uint64_t node);

// `ip` picks the seat; the seat must act at the node. A card text that does
// not read as a card gives ok false.
PocketActionEvsResult compute_node_pocket_action_evs(quendal::Game& game,
                                                     quendal::DiscountedCfr& solver,
                                                     const NodeParents& parents, std::uint64_t node,
                                                     bool ip, std::string_view first,
                                                     std::string_view second);

// The seat's hands that can be at the node (any kind of node), in pocket
// order, each with its reach weight there: its range weight times the
// seat's own probabilities on the way. Hands of weight 0 are left out.
HandCombosResult compute_node_seat_hand_combos(const quendal::Game& game,
                                               quendal::DiscountedCfr& solver,
                                               const NodeParents& parents, std::uint64_t node,
                                               bool ip);

}  // namespace quendal_app
