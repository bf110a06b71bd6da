// Everything the engine knows about the cards of one spot: board, ranges, the
// live hands of each seat with their weights, card-removal reach weights, the
// showdown ranking of every runout, per-card hand lists and suit isomorphism.
// A context never changes after construction and copies are independent.
#pragma once

#include "core/artifact_cache.h"
#include "core/pocket.h"
#include "core/range.h"
#include "core/runout_tables.h"
#include "core/suit_isomorphism.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quendal {

// The part of a context derived from board and ranges alone, shareable
// between constructions of the same spot.
struct CardContextArtifacts {
    PerSeat<PocketList> pockets;  // live hands in increasing combo index
    PerSeat<std::vector<float>> pocket_weights;
    PerSeat<std::vector<float>> reach_weights;  // normalised to sum 1
    PerSeat<std::vector<float>> reach_weights_raw;
    PerSeat<PocketIndexList> same_hand;  // index in the other seat's list, or kNoPocket
    std::vector<RunoutRecord> runouts;   // 1326, by the runout's combo index
    SuitIsomorphism suit_isomorphism;
    PerSeat<PocketIndexList> pocket_index_map;
    std::vector<PerSeat<PocketIndexList>> card_survivors;
    std::vector<PerSeat<PocketIndexList>> pair_survivors;
    std::vector<PerSeat<PocketIndexList>> card_blocked;
    std::vector<PerSeat<PocketIndexList>> pair_blocked;
    double matchup_normaliser = 0.0;

    friend bool operator==(const CardContextArtifacts&, const CardContextArtifacts&) = default;
};

// What counting a solve's memory needs of its cards, found without ranking a
// runout or building a table: each seat's live hand count, the suit folding
// the tree deals by, and the bytes the spot's context holds.
struct CardContextSize {
    Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
    PerSeat<std::size_t> hand_counts{};
    SuitIsomorphism suit_isomorphism;
    std::uint64_t memory_bytes = 0;
};

struct CardContext : CardContextArtifacts {
    using CachedArtifacts = CardContextArtifacts;

    Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
    PerSeat<RangeWeights> ranges{};
    std::uint8_t street = 0;  // 0 flop, 1 turn, 2 river
    std::uint64_t dead_mask = 0;
    std::vector<CardCode> board_cards;
    std::uint64_t cache_key = 0;

    CardContext(const Board& board, const PerSeat<RangeWeights>& ranges);

    static void validate_board(const Board& board);
    // Throws what the construction throws.
    static CardContextSize size_of(const Board& board, const PerSeat<RangeWeights>& ranges);
    static std::uint64_t compute_cache_key(const Board& board, const PerSeat<RangeWeights>& ranges);

    // The record of runout {a, b}; a shared empty record when either card is
    // kNoCard.
    const RunoutRecord& runout_record(CardCode a, CardCode b) const;

    // Allocated bytes of the variable-size tables.
    std::uint64_t memory_bytes() const;

    friend bool operator==(const CardContext&, const CardContext&) = default;

private:
    void rebuild_private();
    void build_player_pockets(int seat);
    void compute_matchup_normaliser();
    void build_same_hand_map(int from, int to);
    void compute_reach_weights();
};

// Worker limit for context construction: QUENDAL_CARDCTX_MAX_WORKERS when it
// starts with a positive 32-bit integer, else the hardware thread count.
int card_context_max_workers();

// The process-wide cache that constructions consult (exposed for tests).
ArtifactCache<CardContextArtifacts>& card_context_cache();

}  // namespace quendal
