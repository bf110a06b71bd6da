// Seven-card hand strength.
//
// A strength packs the category in bits 26..29, a 13-bit primary rank mask in
// bits 13..25 and a 13-bit kicker rank mask in bits 0..12. Two strengths compare
// as plain unsigned integers: the larger wins a showdown, equal values split.
#pragma once

#include "core/card.h"

#include <array>
#include <cstdint>
#include <span>

namespace quendal {

using HandStrength = std::uint32_t;

enum class HandCategory : std::uint8_t {
    high_card,
    one_pair,
    two_pair,
    three_of_a_kind,
    straight,
    flush,
    full_house,
    four_of_a_kind,
    straight_flush,
};

inline constexpr int kHandCategoryShift = 26;
inline constexpr int kHandPrimaryShift = 13;

constexpr HandCategory hand_category(HandStrength strength) {
    return static_cast<HandCategory>((strength >> kHandCategoryShift) & 0xF);
}

// The seven codes should be distinct cards; duplicates are not detected (the
// result is then meaningless but well defined). Throws std::out_of_range
// "Card code must be in [0, 52)" for the first code of 52 or more.
HandStrength evaluate_seven(const std::array<CardCode, 7>& cards);

// Hole cards plus a complete board. Throws std::invalid_argument
// "Board must contain exactly 5 cards for evaluation" unless the board holds
// five codes, then checks the codes as evaluate_seven does.
HandStrength evaluate_hand(HoleCards hole, std::span<const CardCode> board);

}  // namespace quendal
