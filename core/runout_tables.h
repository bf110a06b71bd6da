// Per-runout showdown rankings and the per-card and per-pair hand lists.
#pragma once

#include "core/card.h"
#include "core/pocket.h"

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace quendal {

struct StrengthEntry {
    std::uint32_t key = 0;     // hand strength + 1; 0 and 0xFFFFFFFF in the sentinels
    std::uint16_t pocket = 0;  // index in the seat's pocket list; 65535 in the sentinels
    // The pocket's two cards, kept beside the key so the showdown sweeps read
    // one array; kNoCard in the sentinels.
    CardCode low = kNoCard;
    CardCode high = kNoCard;

    friend bool operator==(const StrengthEntry&, const StrengthEntry&) = default;
};

inline constexpr StrengthEntry kFrontSentinel{0, kNoPocket, kNoCard, kNoCard};
inline constexpr StrengthEntry kBackSentinel{0xFFFFFFFFu, kNoPocket, kNoCard, kNoCard};
static_assert(sizeof(StrengthEntry) == 8);

// Per seat, the live pockets of one runout sorted by (key, pocket) between the
// two sentinels. Empty sequences when the runout is not part of the board.
struct RunoutRecord {
    PerSeat<std::vector<StrengthEntry>> seats;

    friend bool operator==(const RunoutRecord&, const RunoutRecord&) = default;
};

// The real entries of a sorted list, without its two sentinels.
inline std::span<const StrengthEntry> real_entries(const std::vector<StrengthEntry>& list) {
    if (list.size() < 2) {
        return {};
    }
    return std::span<const StrengthEntry>(list).subspan(1, list.size() - 2);
}

using Board = std::array<CardCode, 5>;
using RunoutPair = std::pair<CardCode, CardCode>;  // lo < hi

// The runouts the board leaves open: every pair off the flop (1176), the
// turn with each remaining card (48) or the turn and river (1).
std::vector<RunoutPair> list_runouts(const Board& board);

// 1326 records, indexed by the runout's combo index; the ranking is split
// over up to `workers` threads in equal contiguous slices.
std::vector<RunoutRecord> build_runout_tables(const Board& board,
                                              const PerSeat<PocketList>& pockets, int workers);

struct CardTables {
    PerSeat<PocketIndexList> pocket_index_map;
    std::vector<PerSeat<PocketIndexList>> card_survivors;  // 52
    std::vector<PerSeat<PocketIndexList>> pair_survivors;  // 1326
    std::vector<PerSeat<PocketIndexList>> card_blocked;    // 52
    std::vector<PerSeat<PocketIndexList>> pair_blocked;    // 1326
};

CardTables build_card_tables(const Board& board, const PerSeat<PocketList>& pockets);

// The bytes the two builders allocate for these pockets, found without
// building anything.
std::uint64_t runout_table_bytes(const Board& board, const PerSeat<PocketList>& pockets);
std::uint64_t card_table_bytes(const Board& board, const PerSeat<PocketList>& pockets);

}  // namespace quendal
