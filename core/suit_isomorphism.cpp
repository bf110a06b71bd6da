#include "core/suit_isomorphism.h"

namespace quendal {

namespace {

CardCode swap_suits(CardCode card, int s, int s2) {
    const int suit = card_suit(card);
    const int mapped = suit == s ? s2 : (suit == s2 ? s : suit);
    return make_card(card_rank(card), mapped);
}

template <typename T>
std::uint64_t bytes_of(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

}  // namespace

std::uint64_t SuitIsomorphism::memory_bytes() const {
    std::uint64_t total =
        bytes_of(flop_image_index) + bytes_of(flop_folded_cards) + bytes_of(river_image_index);
    for (const auto& per_turn : river_image_index) {
        total += bytes_of(per_turn);
    }
    for (int s = 0; s < 4; ++s) {
        total += bytes_of(river_folded_cards[s]);
        for (int seat = 0; seat < 2; ++seat) {
            total += bytes_of(turn_swap_pairs[s][seat]);
            for (int u = 0; u < 4; ++u) {
                total += bytes_of(river_swap_pairs[u][s][seat]);
            }
        }
    }
    return total;
}

void list_suit_swap_pairs(SwapPairs& out, std::vector<PocketIndex>& scratch, int s, int s2,
                          const PocketList& pockets) {
    if (!out.empty()) {
        return;
    }
    scratch.assign(kComboCount, kNoPocket);
    for (std::size_t i = 0; i < pockets.size(); ++i) {
        scratch[combo_index(pocket_low(pockets[i]), pocket_high(pockets[i]))] =
            static_cast<PocketIndex>(i);
    }
    for (std::size_t i = 0; i < pockets.size(); ++i) {
        const CardCode a = swap_suits(pocket_low(pockets[i]), s, s2);
        const CardCode b = swap_suits(pocket_high(pockets[i]), s, s2);
        const PocketIndex j = scratch[combo_index(a, b)];
        if (j != kNoPocket && i < j) {
            out.emplace_back(static_cast<PocketIndex>(i), j);
        }
    }
}

void map_canonical_cards(std::vector<std::uint8_t>& image_index,
                         std::vector<CardCode>& folded_cards, std::uint64_t dead_mask,
                         const RepresentativeMap& representative) {
    const bool record_folded = folded_cards.empty();
    std::array<std::uint8_t, kCardCount> number{};
    std::uint8_t counter = 0;
    for (int c = 0; c < kCardCount; ++c) {
        if ((dead_mask >> c) & 1) {
            continue;
        }
        const int rep = representative[card_suit(static_cast<CardCode>(c))];
        if (rep != kUnfolded) {
            image_index.push_back(number[make_card(card_rank(static_cast<CardCode>(c)), rep)]);
            if (record_folded) {
                folded_cards.push_back(static_cast<CardCode>(c));
            }
        } else {
            number[c] = counter++;
        }
    }
}

SuitIsomorphism build_suit_isomorphism(const PerSeat<RangeWeights>& ranges,
                                       const PerSeat<PocketList>& pockets,
                                       const std::array<CardCode, 5>& board, CardCode turn,
                                       CardCode river) {
    SuitIsomorphism iso;
    iso.river_image_index.resize(kCardCount);

    // Two suits share a class when both ranges are unchanged by exchanging them.
    std::array<int, 4> suit_class{0, 0, 0, 0};
    int next_class = 1;
    for (int s = 1; s < 4; ++s) {
        suit_class[s] = -1;
        for (int s2 = 0; s2 < s; ++s2) {
            if (is_suit_swap_symmetric(ranges[0], s2, s) &&
                is_suit_swap_symmetric(ranges[1], s2, s)) {
                suit_class[s] = suit_class[s2];
                break;
            }
        }
        if (suit_class[s] < 0) {
            suit_class[s] = next_class++;
        }
    }

    std::array<std::uint32_t, 4> flop_ranks{};
    std::uint64_t flop_dead = 0;
    for (int i = 0; i < 3; ++i) {
        flop_ranks[card_suit(board[i])] |= 1u << card_rank(board[i]);
        flop_dead |= std::uint64_t{1} << board[i];
    }

    std::vector<PocketIndex> scratch;
    if (turn == kNoCard) {
        RepresentativeMap rep{kUnfolded, kUnfolded, kUnfolded, kUnfolded};
        for (int s = 1; s < 4; ++s) {
            for (int s2 = 0; s2 < s; ++s2) {
                if (flop_ranks[s] == flop_ranks[s2] && suit_class[s] == suit_class[s2]) {
                    rep[s] = s2;
                    for (int seat = 0; seat < 2; ++seat) {
                        list_suit_swap_pairs(iso.turn_swap_pairs[s][seat], scratch, s, s2,
                                             pockets[seat]);
                    }
                    break;
                }
            }
        }
        map_canonical_cards(iso.flop_image_index, iso.flop_folded_cards, flop_dead, rep);
    }

    if (river == kNoCard) {
        for (int t = 0; t < kCardCount; ++t) {
            const bool live_turn = turn == kNoCard ? ((flop_dead >> t) & 1) == 0 : t == turn;
            if (!live_turn) {
                continue;
            }
            const int u = card_suit(static_cast<CardCode>(t));
            std::array<std::uint32_t, 4> ranks = flop_ranks;
            ranks[u] |= 1u << card_rank(static_cast<CardCode>(t));
            RepresentativeMap rep{kUnfolded, kUnfolded, kUnfolded, kUnfolded};
            for (int s = 1; s < 4; ++s) {
                for (int s2 = 0; s2 < s; ++s2) {
                    const bool same_flop = turn != kNoCard || flop_ranks[s] == flop_ranks[s2];
                    if (same_flop && ranks[s] == ranks[s2] && suit_class[s] == suit_class[s2]) {
                        rep[s] = s2;
                        for (int seat = 0; seat < 2; ++seat) {
                            list_suit_swap_pairs(iso.river_swap_pairs[u][s][seat], scratch, s, s2,
                                                 pockets[seat]);
                        }
                        break;
                    }
                }
            }
            map_canonical_cards(iso.river_image_index[t], iso.river_folded_cards[u],
                                flop_dead | (std::uint64_t{1} << t), rep);
        }
    }
    return iso;
}

}  // namespace quendal
