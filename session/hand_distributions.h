// Per-hand EVs and equities of both seats at a node, for the distribution
// charts: the EV from the engine's node values with each opponent's reach,
// the equity from a sampler seeded per node and seat.
#pragma once

#include "core/discounted_cfr.h"
#include "core/game.h"
#include "session/node_reach.h"
#include "session/solve_records.h"

#include <cstdint>
#include <vector>

namespace quendal_app {

// EV of each of the seat's hands at the node against the opponent reach, in
// hundredths (empty on a mismatch).
std::vector<double> hand_ev_table(quendal::Game& game, quendal::DiscountedCfr& solver,
                                  std::uint64_t index, int seat,
                                  const std::vector<float>& opponent_reach);

// Equity of each own hand with reach against the opponent's reach, NaN where
// no sample counted; empty when there is nothing to sample.
std::vector<double> sample_hand_equities(const std::vector<quendal::CardCode>& flop,
                                         const quendal::NodeState& node, std::uint64_t index,
                                         std::uint32_t samples, const quendal::PocketList& own,
                                         const std::vector<float>& own_reach,
                                         const quendal::PocketList& opponent,
                                         const std::vector<float>& opponent_reach,
                                         std::uint32_t seat_seed);

HandDistributionsResult compute_node_hand_distributions(quendal::Game& game,
                                                        quendal::DiscountedCfr& solver,
                                                        const NodeParents& parents,
                                                        std::uint64_t index);

}  // namespace quendal_app
