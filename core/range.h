// Range expressions and the 1326-weight combo table.
//
// Range text is a comma-separated list of items such as "QQ+", "AKs",
// "A5s-A2s:0.5" or "KhQh"; a later item overwrites the weights an earlier one
// set for the same combos.
#pragma once

#include "core/card.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quendal {

// One weight in [0, 1] per two-card hand, indexed by combo_index.
using RangeWeights = std::array<float, kComboCount>;

inline constexpr std::int32_t kComboAnySuits = 0;
inline constexpr std::int32_t kComboSuited = 1;
inline constexpr std::int32_t kComboOffsuit = 2;
inline constexpr std::int32_t kComboExact = 3;

struct ComboPattern {
    std::uint8_t high_rank = 0;
    std::uint8_t low_rank = 0;  // never above high_rank
    std::int32_t kind = kComboAnySuits;
    std::uint8_t first_suit = 0;   // exact patterns: suit of the high-rank card
    std::uint8_t second_suit = 0;  // exact patterns: suit of the low-rank card
};

void clear_range(RangeWeights& range);
RangeWeights parse_range(std::string_view text);

// The two cards in either order. Throws std::out_of_range
// "Card code must be in [0, 52)" and std::invalid_argument "Cards must differ".
float range_weight(const RangeWeights& range, CardCode a, CardCode b);
// As range_weight, then "Weight must be within [0, 1]".
void set_range_weight(RangeWeights& range, CardCode a, CardCode b, float weight);
// Throws std::invalid_argument "Weight must be within [0, 1]" (NaN included).
void check_weight(float weight);

// True when swapping suits s1 and s2 maps every combo to one of exactly the
// same weight; false as soon as a NaN is met.
bool is_suit_swap_symmetric(const RangeWeights& range, std::uint8_t s1, std::uint8_t s2);

ComboPattern parse_combo_pattern(std::string_view text);
// The combo indices of the pattern; an exact pattern naming one card twice
// expands to nothing.
std::vector<int> expand_combo_pattern(const ComboPattern& pattern);

}  // namespace quendal
