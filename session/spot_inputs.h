// A solve configuration read into the engine's inputs, the same way for a
// solve and for its memory estimate.
#pragma once

#include "core/range.h"
#include "core/runout_tables.h"
#include "core/tree_config.h"
#include "session/solve_records.h"

#include <string>

namespace quendal_app {

// Flop, then turn and river when the text holds them (255 where absent).
// Throws std::invalid_argument for fewer than 6 characters, for a card that
// repeats another ("Board cards must be unique"), and the card parser's errors.
quendal::Board parse_board_text(const std::string& text);

// Start street, pot, stack, rake and add-all-in thresholds; sizing is not
// filled. Throws when the pot is not positive, the stack negative, or the
// pot with both stacks in does not fit 32-bit hundredths.
quendal::TreeConfig tree_config_without_sizing(const SolveConfig& config);

}  // namespace quendal_app
