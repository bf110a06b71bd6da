// The result snapshot of a finished solve: root actions and one record per
// tree node with labels, codes and average-strategy frequencies.
#pragma once

#include "core/discounted_cfr.h"
#include "core/game.h"
#include "session/node_reach.h"
#include "session/solve_records.h"

#include <vector>

namespace quendal_app {

// Divides by the sum when it is positive, else gives each 1 / count.
void normalise_frequencies(std::vector<float>& frequencies);

// Root labels, codes and frequencies, labelled at the starting pot (the
// root's pot when that is not positive). The frequencies weigh each hand by
// its range weight.
void fill_root_actions(SolveResultSnapshot& snapshot, const quendal::Game& game,
                       quendal::DiscountedCfr& solver, std::int32_t starting_pot);

// One SolveNodeMeta per node in index order, labelled at the node's pot (the
// starting pot when that is not positive). A decision node's frequencies
// weigh each hand of the acting seat by its reach weight at the node
// (reach_weighted_frequencies), all nodes' reach coming from one walk down
// the tree.
void fill_node_records(SolveResultSnapshot& snapshot, const quendal::Game& game,
                       quendal::DiscountedCfr& solver, const NodeParents& parents,
                       std::int32_t starting_pot);

}  // namespace quendal_app
