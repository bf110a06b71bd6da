// Texts of tree actions and hand classes, as every result record carries them.
#pragma once

#include "core/pocket.h"
#include "core/tree_config.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quendal_app {

// "fold", "check", "call", "bet", "raise", "allin", "chance", else "none".
std::string action_type_code(std::uint8_t kind);

// "Fold", "Check", "Call", "All-In", the dealt card's text, "Bet 33%" /
// "Raise 67%" (share of `pot`, or the bare word when pot <= 0), else "Action".
std::string action_display_label(const quendal::PlanAction& action, std::int32_t pot);

// "bet 33%" / "raise 67%" at a positive pot, else the type code.
std::string action_code(const quendal::PlanAction& action, std::int32_t pot);

// The 169 classes in 13 × 13 grid order: pairs on the diagonal, suited above,
// offsuit below, rows and columns A down to 2.
std::vector<std::string> hand_class_labels_169();

// One of those 169 labels exactly as written there ("AKs", not "KAs", "aks"
// or "AsKs").
bool is_hand_class_label(std::string_view label);

// "AA", "AKs" or "AKo" for a two-card hand, whatever the card order.
std::string hand_class_label(quendal::Pocket pocket);

}  // namespace quendal_app
