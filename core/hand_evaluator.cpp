#include "core/hand_evaluator.h"

#include <bit>
#include <stdexcept>

namespace quendal {

namespace {

using RankMask = std::uint32_t;

constexpr RankMask kWheelMask = 0x100F;  // ace, 2, 3, 4, 5
constexpr RankMask kFiveBit = 1u << 3;

constexpr HandStrength make_strength(HandCategory category, RankMask primary, RankMask kicker) {
    return static_cast<HandStrength>(category) << kHandCategoryShift |
           primary << kHandPrimaryShift | kicker;
}

// The most significant bit of m, or 0 for an empty mask. Or-ing in bit 0 keeps
// the leading-zero count defined; the final "& m" drops that bit again.
inline RankMask highest_bit(RankMask m) {
    return (0x80000000u >> std::countl_zero(m | 1u)) & m;
}

// Bit-count thresholds without std::popcount, which becomes a library call on
// targets without a population-count instruction.
inline bool at_least_two_bits(RankMask m) {
    return (m & (m - 1)) != 0;
}

inline bool at_least_five_bits(RankMask m) {
    for (int i = 0; i < 4; ++i) {
        m &= m - 1;
    }
    return m != 0;
}

// The k most significant bits of m (all of m when it has fewer).
inline RankMask highest_bits(RankMask m, int k) {
    RankMask out = 0;
    for (int i = 0; i < k; ++i) {
        const RankMask bit = highest_bit(m);
        out |= bit;
        m ^= bit;
    }
    return out;
}

// The bit of the top rank of the best straight in m, or 0 without a straight.
inline RankMask straight_top(RankMask m) {
    RankMask run = m;
    for (int i = 0; i < 4; ++i) {
        run = (run << 1) & m;
    }
    const RankMask top = highest_bit(run);
    const RankMask wheel = (m & kWheelMask) == kWheelMask ? kFiveBit : 0;
    return top != 0 ? top : wheel;
}

inline HandStrength evaluate_cards(const std::array<CardCode, 7>& cards) {
    RankMask all = 0;
    RankMask suits[kSuitCount] = {};
    std::uint64_t counts = 0;  // one 4-bit counter per rank
    for (const CardCode card : cards) {
        if (card >= kCardCount) [[unlikely]] {
            check_card_code(card);
        }
        const RankMask bit = 1u << (card >> 2);
        all |= bit;
        suits[card & 3] |= bit;
        counts += std::uint64_t{1} << ((card >> 2) * 4);
    }

    // Seven cards hold at most one suit five times, and then neither four of a
    // kind nor a full house is possible.
    RankMask flush = 0;
    for (const RankMask suit : suits) {
        flush = (flush == 0 && at_least_five_bits(suit)) ? suit : flush;
    }
    if (flush != 0) {
        const RankMask top = straight_top(flush);
        return top != 0 ? make_strength(HandCategory::straight_flush, top, 0)
                        : make_strength(HandCategory::flush, highest_bits(flush, 5), 0);
    }

    // Ranks by how often they are held. Eight slots because duplicated codes
    // can push a counter up to seven.
    RankMask by_count[8] = {};
    for (int rank = 0; rank < kRankCount; ++rank) {
        by_count[(counts >> (rank * 4)) & 7] |= 1u << rank;
    }
    const RankMask singles = by_count[1];
    const RankMask pairs = by_count[2];
    const RankMask threes = by_count[3];
    const RankMask fours = by_count[4];

    if (fours != 0) {
        const RankMask quad = highest_bit(fours);
        return make_strength(HandCategory::four_of_a_kind, quad, highest_bit(all & ~quad));
    }
    if (at_least_two_bits(threes)) {
        const RankMask top = highest_bit(threes);
        return make_strength(HandCategory::full_house, top, highest_bit(threes ^ top));
    }
    if (threes != 0 && pairs != 0) {
        return make_strength(HandCategory::full_house, threes, highest_bit(pairs));
    }
    if (const RankMask top = straight_top(all); top != 0) {
        return make_strength(HandCategory::straight, top, 0);
    }
    if (threes != 0) {
        return make_strength(HandCategory::three_of_a_kind, threes, highest_bits(singles, 2));
    }
    if (at_least_two_bits(pairs)) {
        const RankMask two = highest_bits(pairs, 2);
        return make_strength(HandCategory::two_pair, two, highest_bit(all & ~two));
    }
    if (pairs != 0) {
        return make_strength(HandCategory::one_pair, pairs, highest_bits(singles, 3));
    }
    return make_strength(HandCategory::high_card, highest_bits(all, 5), 0);
}

}  // namespace

HandStrength evaluate_seven(const std::array<CardCode, 7>& cards) {
    return evaluate_cards(cards);
}

HandStrength evaluate_hand(HoleCards hole, std::span<const CardCode> board) {
    if (board.size() != 5) {
        throw std::invalid_argument("Board must contain exactly 5 cards for evaluation");
    }
    const std::array<CardCode, 7> cards = {hole_first(hole), hole_second(hole), board[0], board[1],
                                           board[2],         board[3],          board[4]};
    return evaluate_cards(cards);
}

}  // namespace quendal
