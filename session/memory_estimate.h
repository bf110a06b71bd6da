// The memory a solve takes, counted from its card context and tree.
#pragma once

#include "core/action_plan.h"
#include "core/card_context.h"
#include "session/solve_records.h"

namespace quendal_app {

// Tree bytes count the plan's storage twice (the game keeps a copy of every
// node) and the engine's record of every node; solver bytes are the regrets
// and strategy sums; the total adds a tenth for everything else.
SolveMemoryEstimate measure_solve_memory(const quendal::CardContext& context,
                                         const quendal::ActionPlan& plan, bool compact_storage);

}  // namespace quendal_app
