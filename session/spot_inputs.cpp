#include "session/spot_inputs.h"

#include "core/card.h"
#include "session/sizing_text.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace quendal_app {

namespace {

constexpr quendal::CardCode kAbsentCard = 255;

double threshold_fraction(const std::optional<double>& percent) {
    if (!percent) {
        return 0.0;
    }
    const double fraction = *percent / 100.0;
    return fraction > 0.0 ? fraction : 0.0;  // NaN fails the comparison
}

// The engine's amounts are 32-bit hundredths: the pot with both stacks in
// must fit, and a solve needs a pot.
void check_spot_amounts(std::int32_t starting_pot, std::int32_t effective_stack) {
    if (starting_pot <= 0) {
        throw std::invalid_argument("Starting pot must be greater than 0");
    }
    if (effective_stack < 0) {
        throw std::invalid_argument("Effective stack must not be negative");
    }
    const std::int64_t total =
        static_cast<std::int64_t>(starting_pot) + 2 * static_cast<std::int64_t>(effective_stack);
    if (total > std::numeric_limits<std::int32_t>::max()) {
        throw std::invalid_argument(
            "Starting pot plus twice the effective stack must not exceed 21474836.47 chips");
    }
}

}  // namespace

quendal::Board parse_board_text(const std::string& text) {
    if (text.size() < 6) {
        throw std::invalid_argument("Board must include at least a flop (6 chars, e.g. AhKsQd)");
    }
    const std::array<quendal::CardCode, 3> flop = quendal::parse_flop(text.substr(0, 6));
    quendal::Board board = {flop[0], flop[1], flop[2], kAbsentCard, kAbsentCard};
    if (text.size() >= 8) {
        board[3] = quendal::parse_card(text.substr(6, 2));
    }
    if (text.size() >= 10) {
        board[4] = quendal::parse_card(text.substr(8, 2));
    }
    for (int i = 3; i < 5; ++i) {
        for (int j = 0; j < i && board[i] != kAbsentCard; ++j) {
            if (board[i] == board[j]) {
                throw std::invalid_argument("Board cards must be unique");
            }
        }
    }
    return board;
}

quendal::TreeConfig tree_config_without_sizing(const SolveConfig& config) {
    quendal::TreeConfig tree;
    tree.start_street = street_index(config.starting_street);
    tree.starting_pot = config.starting_pot;
    tree.effective_stack = config.effective_stack;
    tree.rake_rate = config.rake_percent / 100.0;
    tree.rake_cap = config.rake_cap;
    tree.allin_threshold_oop = threshold_fraction(config.oop_jam_threshold_pct);
    tree.allin_threshold_ip = threshold_fraction(config.ip_jam_threshold_pct);
    tree.allin_conversion_threshold = 0.0;
    tree.size_merge_threshold = 0.0;
    check_spot_amounts(config.starting_pot, config.effective_stack);
    return tree;
}

}  // namespace quendal_app
