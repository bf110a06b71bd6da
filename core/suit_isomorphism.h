// Interchangeable suits of a spot: which chance cards fold onto which, and the
// hand pairs each suit exchange swaps.
#pragma once

#include "core/card.h"
#include "core/pocket.h"
#include "core/range.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace quendal {

using SwapPairs = std::vector<std::pair<PocketIndex, PocketIndex>>;  // i < j

struct SuitIsomorphism {
    // Turn level: per folded turn card (increasing), its image's chance-child index.
    std::vector<std::uint8_t> flop_image_index;
    std::vector<CardCode> flop_folded_cards;
    // [folded suit][seat]; entry 0 stays empty.
    std::array<PerSeat<SwapPairs>, 4> turn_swap_pairs;
    // River level, per turn card (52 entries).
    std::vector<std::vector<std::uint8_t>> river_image_index;
    // Per turn suit.
    std::array<std::vector<CardCode>, 4> river_folded_cards;
    // [turn suit][folded suit][seat].
    std::array<std::array<PerSeat<SwapPairs>, 4>, 4> river_swap_pairs;

    // Allocated bytes of every list, the outer per-turn array included.
    std::uint64_t memory_bytes() const;

    friend bool operator==(const SuitIsomorphism&, const SuitIsomorphism&) = default;
};

// Suit s folded onto a smaller representative, or kUnfolded.
inline constexpr int kUnfolded = -1;
using RepresentativeMap = std::array<int, 4>;

SuitIsomorphism build_suit_isomorphism(const PerSeat<RangeWeights>& ranges,
                                       const PerSeat<PocketList>& pockets,
                                       const std::array<CardCode, 5>& board, CardCode turn,
                                       CardCode river);

// Fills `out` (unless it already holds entries) with the pocket pairs (i, j),
// i < j, that exchanging suits s and s2 maps onto each other. `scratch` is a
// 1326-entry work table.
void list_suit_swap_pairs(SwapPairs& out, std::vector<PocketIndex>& scratch, int s, int s2,
                          const PocketList& pockets);

// Numbers the live unfolded cards 0, 1, 2... in increasing order and records,
// per folded card, the number of its image; the folded cards themselves are
// recorded only when `folded_cards` is empty on entry.
void map_canonical_cards(std::vector<std::uint8_t>& image_index,
                         std::vector<CardCode>& folded_cards, std::uint64_t dead_mask,
                         const RepresentativeMap& representative);

}  // namespace quendal
