// The memory a solve takes, counted from its card context and tree.
#pragma once

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/tree_config.h"
#include "session/solve_records.h"

#include <cstdint>
#include <limits>

namespace quendal_app {

// Tree bytes count the plan's storage twice (the game keeps a copy of every
// node) and the engine's record of every node; solver bytes are the regrets
// and strategy sums; the total adds a tenth for everything else.
SolveMemoryEstimate measure_solve_memory(const quendal::CardContext& context,
                                         const quendal::ActionPlan& plan, bool compact_storage);

// The same figures for the plan the tree configuration gives, counted by
// walking the tree's shape, without building it or the card context. Once
// the total passes `limit_bytes` the count stops: the figures so far come
// back marked `at_least`, the total above the limit.
SolveMemoryEstimate count_solve_memory(
    const quendal::CardContextSize& cards, const quendal::TreeConfig& tree, bool compact_storage,
    std::uint64_t limit_bytes = std::numeric_limits<std::uint64_t>::max());

// True when the two configurations have the same estimate: they agree in
// every field the estimate reads.
bool same_estimate_inputs(const SolveConfig& a, const SolveConfig& b);

}  // namespace quendal_app
