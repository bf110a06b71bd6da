// Node locks as the user gives them (one hand class at a time) turned into
// per-hand strategies of the acting seat.
#pragma once

#include "core/game.h"
#include "session/solve_records.h"

#include <vector>

namespace quendal_app {

// Groups the records by node and class (a later record replaces an earlier
// one), drops what does not fit its node, and locks every decision node with
// at least one locked hand; unlocked hands of such a node stay free (-1).
void apply_solve_node_locks(quendal::Game& game, const std::vector<SolveNodeLock>& locks);

}  // namespace quendal_app
