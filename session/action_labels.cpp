#include "session/action_labels.h"

#include "core/card.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

namespace quendal_app {

namespace {

constexpr const char* kGridRanks = "AKQJT98765432";

// Share of the pot in percent with no decimals, independent of the locale.
std::string percent_of_pot(std::int32_t amount, std::int32_t pot) {
    const double percent = static_cast<double>(amount) / static_cast<double>(pot) * 100.0;
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), percent,
                                      std::chars_format::fixed, 0);
    return std::string(buffer.data(), result.ptr) + "%";
}

}  // namespace

std::string action_type_code(std::uint8_t kind) {
    switch (kind) {
        case quendal::kFold:
            return "fold";
        case quendal::kCheck:
            return "check";
        case quendal::kCall:
            return "call";
        case quendal::kBet:
            return "bet";
        case quendal::kRaise:
            return "raise";
        case quendal::kAllInAction:
            return "allin";
        case quendal::kDeal:
            return "chance";
        default:
            return "none";
    }
}

std::string action_display_label(const quendal::PlanAction& action, std::int32_t pot) {
    switch (action.kind) {
        case quendal::kFold:
            return "Fold";
        case quendal::kCheck:
            return "Check";
        case quendal::kCall:
            return "Call";
        case quendal::kAllInAction:
            return "All-In";
        case quendal::kDeal:
            // Checked here: a narrowing cast would turn 300 into a valid card.
            if (action.amount < 0 || action.amount >= quendal::kCardCount) {
                throw std::out_of_range("Card code must be in [0, 52)");
            }
            return quendal::card_to_string(static_cast<std::int8_t>(action.amount));
        case quendal::kBet:
            return pot >= 1 ? "Bet " + percent_of_pot(action.amount, pot) : "Bet";
        case quendal::kRaise:
            return pot >= 1 ? "Raise " + percent_of_pot(action.amount, pot) : "Raise";
        default:
            return "Action";
    }
}

std::string action_code(const quendal::PlanAction& action, std::int32_t pot) {
    if (pot >= 1 && action.kind == quendal::kBet) {
        return "bet " + percent_of_pot(action.amount, pot);
    }
    if (pot >= 1 && action.kind == quendal::kRaise) {
        return "raise " + percent_of_pot(action.amount, pot);
    }
    return action_type_code(action.kind);
}

std::vector<std::string> hand_class_labels_169() {
    std::vector<std::string> labels;
    labels.reserve(169);
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 13; ++column) {
            const char r = kGridRanks[row];
            const char c = kGridRanks[column];
            if (row == column) {
                labels.push_back({r, r});
            } else if (row < column) {
                labels.push_back({r, c, 's'});
            } else {
                labels.push_back({c, r, 'o'});
            }
        }
    }
    return labels;
}

bool is_hand_class_label(std::string_view label) {
    const std::string_view ranks = kGridRanks;
    if (label.size() != 2 && label.size() != 3) {
        return false;
    }
    const std::size_t high = ranks.find(label[0]);
    const std::size_t low = ranks.find(label[1]);
    if (high == std::string_view::npos || low == std::string_view::npos) {
        return false;
    }
    return label.size() == 2 ? high == low : high < low && (label[2] == 's' || label[2] == 'o');
}

std::string hand_class_label(quendal::Pocket pocket) {
    const quendal::CardCode first = quendal::hole_first(pocket);
    const quendal::CardCode second = quendal::hole_second(pocket);
    const int r1 = quendal::card_rank(first);
    const int r2 = quendal::card_rank(second);
    const char high = quendal::rank_to_char(static_cast<std::uint8_t>(std::max(r1, r2)));
    const char low = quendal::rank_to_char(static_cast<std::uint8_t>(std::min(r1, r2)));
    if (r1 == r2) {
        return {high, high};
    }
    return {high, low, quendal::card_suit(first) == quendal::card_suit(second) ? 's' : 'o'};
}

}  // namespace quendal_app
