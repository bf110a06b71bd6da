#include "core/card_context.h"

#include "core/env_int.h"
#include "core/thread_start.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <future>
#include <limits>
#include <stdexcept>
#include <thread>

namespace quendal {

namespace {

std::uint64_t fnv1a(std::uint64_t v) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (int i = 0; i < 8; ++i) {
        h ^= (v >> (8 * i)) & 0xFF;
        h *= 0x100000001b3ull;
    }
    return h;
}

void combine(std::uint64_t& s, std::uint64_t v) {
    s ^= fnv1a(v) + 0x9e3779b97f4a7c15ull + (s << 6) + (s >> 2);
}

std::uint64_t hash_range(const RangeWeights& range) {
    std::uint64_t s = kComboCount;
    for (float w : range) {
        combine(s, std::bit_cast<std::uint32_t>(w));
    }
    return s;
}

template <typename T>
std::uint64_t bytes_of(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

std::uint64_t bytes_of(const std::vector<PerSeat<PocketIndexList>>& lists) {
    std::uint64_t total = lists.capacity() * sizeof(PerSeat<PocketIndexList>);
    for (const auto& per_seat : lists) {
        total += bytes_of(per_seat[0]) + bytes_of(per_seat[1]);
    }
    return total;
}

// The board's cards in order and the mask of them.
void collect_board(const Board& board, std::vector<CardCode>& cards, std::uint64_t& mask) {
    for (CardCode c : board) {
        if (c != kNoCard) {
            mask |= std::uint64_t{1} << c;
            cards.push_back(c);
        }
    }
}

// The seat's live hands, outside the dead cards with a positive weight, in
// increasing combo index.
void collect_pockets(const RangeWeights& range, std::uint64_t dead_mask, PocketList& pockets,
                     std::vector<float>& weights) {
    pockets.clear();
    weights.clear();
    int index = 0;
    for (int lo = 0; lo < kCardCount; ++lo) {
        for (int hi = lo + 1; hi < kCardCount; ++hi, ++index) {
            const float w = range[index];
            const Pocket pocket = make_pocket(static_cast<CardCode>(lo), static_cast<CardCode>(hi));
            if (w > 0.0f && (pocket_mask(pocket) & dead_mask) == 0) {
                pockets.push_back(pocket);
                weights.push_back(w);
            }
        }
    }
    if (pockets.empty()) {
        throw std::invalid_argument("Player range empty after filtering board cards");
    }
}

}  // namespace

ArtifactCache<CardContextArtifacts>& card_context_cache() {
    static ArtifactCache<CardContextArtifacts> cache;
    return cache;
}

int card_context_max_workers() {
    try {
        if (const auto limit = env_int32("QUENDAL_CARDCTX_MAX_WORKERS"); limit && *limit > 0) {
            return *limit;
        }
    } catch (...) {
    }
    const unsigned hardware = std::thread::hardware_concurrency();
    return hardware == 0 ? 1 : static_cast<int>(std::min<unsigned>(hardware, INT_MAX));
}

void CardContext::validate_board(const Board& board) {
    for (int i = 0; i < 3; ++i) {
        if (board[i] == kNoCard) {
            throw std::invalid_argument("Flop cards must be defined");
        }
        check_card_code(board[i]);
    }
    if (board[0] == board[1] || board[0] == board[2] || board[1] == board[2]) {
        throw std::invalid_argument("Flop cards must be unique");
    }
    const auto on_flop = [&](CardCode c) {
        return c == board[0] || c == board[1] || c == board[2];
    };
    const CardCode turn = board[3];
    const CardCode river = board[4];
    if (turn != kNoCard) {
        check_card_code(turn);
        if (on_flop(turn)) {
            throw std::invalid_argument("Turn conflicts with flop");
        }
    }
    if (river != kNoCard) {
        check_card_code(river);
        if (on_flop(river) || river == turn) {
            throw std::invalid_argument("River conflicts with existing cards");
        }
        if (turn == kNoCard) {
            throw std::invalid_argument("River cannot be dealt without a turn");
        }
    }
}

std::uint64_t CardContext::compute_cache_key(const Board& board,
                                             const PerSeat<RangeWeights>& ranges) {
    std::uint64_t s = 0;
    for (CardCode c : board) {
        combine(s, c);
    }
    combine(s, 1);
    combine(s, hash_range(ranges[0]));
    combine(s, hash_range(ranges[1]));
    return s;
}

CardContext::CardContext(const Board& board_in, const PerSeat<RangeWeights>& ranges_in)
    : board(board_in), ranges(ranges_in) {
    validate_board(board);
    collect_board(board, board_cards, dead_mask);
    street = board[4] != kNoCard ? 2 : (board[3] != kNoCard ? 1 : 0);
    cache_key = compute_cache_key(board, ranges);

    ArtifactCache<CardContextArtifacts>& cache = card_context_cache();
    if (const auto cached = cache.lookup(cache_key)) {
        static_cast<CardContextArtifacts&>(*this) = *cached;
        return;
    }

    rebuild_private();
    compute_matchup_normaliser();
    for (int seat = 0; seat < 2; ++seat) {
        same_hand[seat].assign(pockets[seat].size(), kNoPocket);
    }
    build_same_hand_map(0, 1);
    build_same_hand_map(1, 0);
    runouts = build_runout_tables(board, pockets, card_context_max_workers());
    CardTables tables = build_card_tables(board, pockets);
    pocket_index_map = std::move(tables.pocket_index_map);
    card_survivors = std::move(tables.card_survivors);
    pair_survivors = std::move(tables.pair_survivors);
    card_blocked = std::move(tables.card_blocked);
    pair_blocked = std::move(tables.pair_blocked);
    compute_reach_weights();
    suit_isomorphism = build_suit_isomorphism(ranges, pockets, board, board[3], board[4]);

    cache.insert(cache_key, std::make_shared<const CardContextArtifacts>(
                                static_cast<const CardContextArtifacts&>(*this)));
}

void CardContext::rebuild_private() {
    if (card_context_max_workers() < 2) {
        build_player_pockets(0);
        build_player_pockets(1);
        return;
    }
    // Each task writes only its own seat's lists. Both futures wait in their
    // destructors, so neither task outlives this call when seat 0 throws.
    const auto build = [this](int seat) {
        on_thread_start();
        build_player_pockets(seat);
    };
    auto seat0 = std::async(std::launch::async, build, 0);
    auto seat1 = std::async(std::launch::async, build, 1);
    seat0.get();
    seat1.get();
}

void CardContext::build_player_pockets(int seat) {
    collect_pockets(ranges[seat], dead_mask, pockets[seat], pocket_weights[seat]);
}

CardContextSize CardContext::size_of(const Board& board, const PerSeat<RangeWeights>& ranges) {
    validate_board(board);
    CardContextSize size;
    size.board = board;
    std::vector<CardCode> cards;
    std::uint64_t dead = 0;
    collect_board(board, cards, dead);
    PerSeat<PocketList> pockets;
    std::uint64_t bytes = bytes_of(cards);
    for (int seat = 0; seat < 2; ++seat) {
        std::vector<float> weights;
        collect_pockets(ranges[seat], dead, pockets[seat], weights);
        size.hand_counts[seat] = pockets[seat].size();
        // Besides hands and weights: reach weights twice, the same-hand map
        // and the index map, each one entry a hand.
        bytes += bytes_of(pockets[seat]) + bytes_of(weights) +
                 pockets[seat].size() * (2 * sizeof(float) + 2 * sizeof(PocketIndex));
    }
    size.suit_isomorphism = build_suit_isomorphism(ranges, pockets, board, board[3], board[4]);
    size.memory_bytes = bytes + runout_table_bytes(board, pockets) +
                        card_table_bytes(board, pockets) + size.suit_isomorphism.memory_bytes();
    return size;
}

void CardContext::compute_matchup_normaliser() {
    double sum = 0.0;
    for (std::size_t i = 0; i < pockets[0].size(); ++i) {
        const std::uint64_t mask = pocket_mask(pockets[0][i]);
        for (std::size_t j = 0; j < pockets[1].size(); ++j) {
            if ((pocket_mask(pockets[1][j]) & mask) == 0) {
                sum += static_cast<double>(pocket_weights[0][i]) * pocket_weights[1][j];
            }
        }
    }
    matchup_normaliser = sum;
}

void CardContext::build_same_hand_map(int from, int to) {
    const auto sort_key = [](Pocket p) { return pocket_high(p) * 256 + pocket_low(p); };
    std::vector<std::pair<int, PocketIndex>> keyed;
    keyed.reserve(pockets[to].size());
    for (std::size_t j = 0; j < pockets[to].size(); ++j) {
        keyed.emplace_back(sort_key(pockets[to][j]), static_cast<PocketIndex>(j));
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < pockets[from].size(); ++i) {
        const int key = sort_key(pockets[from][i]);
        const auto it =
            std::lower_bound(keyed.begin(), keyed.end(), std::pair{key, PocketIndex{0}});
        if (it != keyed.end() && it->first == key) {
            same_hand[from][i] = it->second;
        }
    }
}

void CardContext::compute_reach_weights() {
    PerSeat<double> total{};
    PerSeat<std::array<double, kCardCount>> card_sum{};
    for (int seat = 0; seat < 2; ++seat) {
        for (std::size_t i = 0; i < pockets[seat].size(); ++i) {
            const float w = pocket_weights[seat][i];
            if (w > 0.0f) {
                total[seat] += w;
                card_sum[seat][pocket_low(pockets[seat][i])] += w;
                card_sum[seat][pocket_high(pockets[seat][i])] += w;
            }
        }
    }
    double sum = 0.0;
    for (int seat = 0; seat < 2; ++seat) {
        const int opp = 1 - seat;
        const std::size_t n = pockets[seat].size();
        reach_weights[seat].assign(n, 0.0f);
        for (std::size_t i = 0; i < n; ++i) {
            const float w = pocket_weights[seat][i];
            if (!(w > 0.0f)) {
                continue;
            }
            const PocketIndex same_index = same_hand[seat][i];
            const double same = same_index != kNoPocket ? pocket_weights[opp][same_index] : 0.0;
            const double x = same + total[opp] - card_sum[opp][pocket_low(pockets[seat][i])] -
                             card_sum[opp][pocket_high(pockets[seat][i])];
            const float value = x > 0.0 ? static_cast<float>(x * w) : 0.0f;
            reach_weights[seat][i] = value;
            sum += value;
        }
        reach_weights_raw[seat] = reach_weights[seat];
    }
    if (sum > std::numeric_limits<double>::epsilon()) {
        const float scale = static_cast<float>(1.0 / sum);
        for (auto& weights : reach_weights) {
            for (float& w : weights) {
                w *= scale;
            }
        }
    }
}

const RunoutRecord& CardContext::runout_record(CardCode a, CardCode b) const {
    static const RunoutRecord kEmpty{};
    if (a == kNoCard || b == kNoCard) {
        return kEmpty;
    }
    const std::size_t index = static_cast<std::size_t>(combo_index(a, b));
    return index < runouts.size() ? runouts[index] : kEmpty;
}

std::uint64_t CardContext::memory_bytes() const {
    std::uint64_t total = bytes_of(board_cards);
    for (int seat = 0; seat < 2; ++seat) {
        total += bytes_of(pockets[seat]) + bytes_of(pocket_weights[seat]) +
                 bytes_of(reach_weights[seat]) + bytes_of(reach_weights_raw[seat]) +
                 bytes_of(same_hand[seat]) + bytes_of(pocket_index_map[seat]);
    }
    for (const RunoutRecord& record : runouts) {
        total += bytes_of(record.seats[0]) + bytes_of(record.seats[1]);
    }
    total += bytes_of(card_survivors) + bytes_of(pair_survivors) + bytes_of(card_blocked) +
             bytes_of(pair_blocked);
    return total + suit_isomorphism.memory_bytes();
}

}  // namespace quendal
