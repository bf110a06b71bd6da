// One row of figures per action of a decision node: how often the acting
// seat takes it, how many combos take it, their equity against the
// opponent's range and their EV.
#pragma once

#include "core/discounted_cfr.h"
#include "core/game.h"
#include "session/node_reach.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quendal_app {

struct ActionStatsResult {
    std::vector<std::string> labels;
    std::vector<std::string> codes;
    std::vector<float> frequency;
    std::vector<double> combos;
    std::vector<double> equity;  // NaN where it cannot be measured
    std::vector<double> ev;
    bool ok = false;
};

// The acting seat's hands count with their reach weights at the node (range
// weight times their own probabilities on the way), in the frequencies, the
// combos, the EVs and the equities alike; the opponent's with its range
// weights. Pockets holding a card dealt on the way to the node weigh
// nothing, on either side. Repeatable: the equity sampler is seeded from
// the node index.
ActionStatsResult compute_node_action_stats(quendal::Game& game, quendal::DiscountedCfr& solver,
                                            const NodeParents& parents, std::uint64_t node);

// The statistics in two steps, for callers that walk the node's children
// once for several queries: what they read beside the engine's values (the
// acting node, the acting seat's reach weights, the opponent's range weights
// with the dealt cards at 0, the per-action frequencies), nothing when the
// node does not qualify; then the result from the acting seat's values at
// the children walked with `villain` as the opponent's reach (an A × H block
// of acting_child_values).
struct ActionStatsInputs {
    ActingNode acting;
    std::vector<double> own;
    std::vector<float> villain;
    std::vector<float> mean;
};
std::optional<ActionStatsInputs> action_stats_inputs(const quendal::Game& game,
                                                     quendal::DiscountedCfr& solver,
                                                     const NodeParents& parents,
                                                     std::uint64_t node);
ActionStatsResult action_stats_from_values(const quendal::Game& game, std::uint64_t node,
                                           const ActionStatsInputs& inputs,
                                           const std::vector<float>& child_values);

}  // namespace quendal_app
