// One row of figures per action of a decision node: how often the acting
// seat takes it, how many combos take it, their equity against the
// opponent's range and their EV.
#pragma once

#include "core/discounted_cfr.h"
#include "core/game.h"

#include <cstdint>
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

// Repeatable: the equity sampler is seeded from the node index. Pockets
// holding a card dealt on the way to the node weigh nothing, on either side.
ActionStatsResult compute_node_action_stats(quendal::Game& game, quendal::DiscountedCfr& solver,
                                            std::uint64_t node);

}  // namespace quendal_app
