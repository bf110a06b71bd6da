// Pockets: the two-card hands a seat can hold in a card context.
#pragma once

#include "core/card.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quendal {

// Lower card code in the low byte, higher in the high byte.
using Pocket = std::uint16_t;
using PocketIndex = std::uint16_t;
inline constexpr PocketIndex kNoPocket = 65535;

using PocketList = std::vector<Pocket>;
using PocketIndexList = std::vector<PocketIndex>;
// One list per seat, seat 0 (OOP) first.
template <typename T>
using PerSeat = std::array<T, 2>;

constexpr Pocket make_pocket(CardCode a, CardCode b) {
    return a < b ? pack_hole_cards(a, b) : pack_hole_cards(b, a);
}
constexpr CardCode pocket_low(Pocket p) {
    return hole_first(p);
}
constexpr CardCode pocket_high(Pocket p) {
    return hole_second(p);
}
constexpr std::uint64_t pocket_mask(Pocket p) {
    return (std::uint64_t{1} << pocket_low(p)) | (std::uint64_t{1} << pocket_high(p));
}

}  // namespace quendal
