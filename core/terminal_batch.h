// Terminals of one complete board valued together. Each terminal gets
// exactly the values terminal_eval gives it: a batch shares the walks over
// the strength-sorted lists between its terminals, not their sums.
#pragma once

#include "core/game.h"
#include "core/kernel_path.h"
#include "core/terminal_payoffs.h"

#include <cstddef>
#include <span>

namespace quendal {

inline constexpr std::size_t kTerminalBatch = 8;

// One terminal of a batch: the opponent's reach at it (one entry per
// opponent pocket), where its values go (one per own pocket), and the units
// plan_terminal gives it.
struct TerminalLane {
    const float* opp_reach = nullptr;
    float* out = nullptr;
    TerminalUnits units;
};

// Values 1 to kTerminalBatch terminals of one kind (not kOther), all on
// `node`'s board (its turn, and its river but for all-ins on the turn).
template <KernelPath P>
void terminal_eval_batch(const Game& game, const NodeState& node, int seat, TerminalKind kind,
                         std::span<const TerminalLane> lanes);

}  // namespace quendal
