#include "core/runout_tables.h"

#include "core/hand_evaluator.h"
#include "core/thread_start.h"

#include <algorithm>
#include <exception>
#include <thread>

namespace quendal {

namespace {

std::uint64_t flop_mask(const Board& board) {
    return (std::uint64_t{1} << board[0]) | (std::uint64_t{1} << board[1]) |
           (std::uint64_t{1} << board[2]);
}

void rank_runout_chunk(const Board& board, const PerSeat<PocketList>& pockets,
                       const std::vector<RunoutPair>& runouts, std::size_t begin, std::size_t end,
                       std::vector<RunoutRecord>& records) {
    for (std::size_t r = begin; r < end; ++r) {
        const auto [a, b] = runouts[r];
        const std::array<CardCode, 5> five = {board[0], board[1], board[2], a, b};
        const std::uint64_t blocked =
            flop_mask(board) | (std::uint64_t{1} << a) | (std::uint64_t{1} << b);
        RunoutRecord& record = records[combo_index(a, b)];
        for (int seat = 0; seat < 2; ++seat) {
            const PocketList& list = pockets[seat];
            std::vector<StrengthEntry>& entries = record.seats[seat];
            entries.reserve(list.size() + 2);
            entries.push_back(kFrontSentinel);
            for (std::size_t j = 0; j < list.size(); ++j) {
                if ((pocket_mask(list[j]) & blocked) == 0) {
                    entries.push_back({evaluate_hand(list[j], five) + 1,
                                       static_cast<std::uint16_t>(j), pocket_low(list[j]),
                                       pocket_high(list[j])});
                }
            }
            entries.push_back(kBackSentinel);
            std::sort(entries.begin(), entries.end(),
                      [](const StrengthEntry& x, const StrengthEntry& y) {
                          return x.key != y.key ? x.key < y.key : x.pocket < y.pocket;
                      });
        }
    }
}

// Calls fn(c) for every runout of the board, in list order.
template <typename Fn>
void for_each_runout(const Board& board, Fn fn) {
    const std::uint64_t flop = flop_mask(board);
    const CardCode turn = board[3];
    const CardCode river = board[4];
    if (turn == kNoCard) {
        for (int a = 0; a < kCardCount; ++a) {
            for (int b = a + 1; b < kCardCount; ++b) {
                if (((flop >> a) & 1) == 0 && ((flop >> b) & 1) == 0) {
                    fn(RunoutPair{static_cast<CardCode>(a), static_cast<CardCode>(b)});
                }
            }
        }
    } else if (river == kNoCard) {
        for (int c = 0; c < kCardCount; ++c) {
            if (((flop >> c) & 1) == 0 && c != turn) {
                fn(RunoutPair{std::min<CardCode>(turn, c), std::max<CardCode>(turn, c)});
            }
        }
    } else {
        fn(RunoutPair{std::min(turn, river), std::max(turn, river)});
    }
}

// Calls fn(c) for every card the per-card tables list: the turn's candidates
// on a flop, else the board's turn.
template <typename Fn>
void for_each_dealt_card(const Board& board, Fn fn) {
    const std::uint64_t flop = flop_mask(board);
    for (int c = 0; c < kCardCount; ++c) {
        if (board[3] == kNoCard ? ((flop >> c) & 1) == 0 : c == board[3]) {
            fn(c);
        }
    }
}

}  // namespace

std::vector<RunoutPair> list_runouts(const Board& board) {
    std::vector<RunoutPair> runouts;
    runouts.reserve(1176);
    for_each_runout(board, [&](RunoutPair p) { runouts.push_back(p); });
    return runouts;
}

std::vector<RunoutRecord> build_runout_tables(const Board& board,
                                              const PerSeat<PocketList>& pockets, int workers) {
    std::vector<RunoutRecord> records(kComboCount);
    const std::vector<RunoutPair> runouts = list_runouts(board);
    const std::size_t n = runouts.size();
    const std::size_t threads = std::min<std::size_t>(
        std::max<std::size_t>(n, 1), static_cast<std::size_t>(std::max(workers, 1)));
    if (threads < 2) {
        rank_runout_chunk(board, pockets, runouts, 0, n, records);
        return records;
    }

    const std::size_t chunk = (n + threads - 1) / threads;
    std::vector<std::thread> started;
    std::vector<std::exception_ptr> errors(threads);
    started.reserve(threads);
    std::exception_ptr start_error;
    try {
        for (std::size_t k = 0; k < threads; ++k) {
            const std::size_t begin = k * chunk;
            const std::size_t end = std::min(begin + chunk, n);
            if (begin >= end) {
                break;
            }
            started.emplace_back([&, k, begin, end] {
                on_thread_start();
                try {
                    rank_runout_chunk(board, pockets, runouts, begin, end, records);
                } catch (...) {
                    errors[k] = std::current_exception();
                }
            });
        }
    } catch (...) {
        start_error = std::current_exception();
    }
    // Every started thread is joined before any error leaves, so none of them
    // outlives the tables it writes.
    for (std::thread& t : started) {
        t.join();
    }
    if (start_error) {
        std::rethrow_exception(start_error);
    }
    for (const std::exception_ptr& e : errors) {
        if (e) {
            std::rethrow_exception(e);
        }
    }
    return records;
}

CardTables build_card_tables(const Board& board, const PerSeat<PocketList>& pockets) {
    CardTables tables;
    for (int seat = 0; seat < 2; ++seat) {
        tables.pocket_index_map[seat].resize(pockets[seat].size());
        for (std::size_t i = 0; i < pockets[seat].size(); ++i) {
            tables.pocket_index_map[seat][i] = static_cast<PocketIndex>(i);
        }
    }
    tables.card_survivors.resize(kCardCount);
    tables.card_blocked.resize(kCardCount);
    tables.pair_survivors.resize(kComboCount);
    tables.pair_blocked.resize(kComboCount);

    // Each list is allocated to its size: the bytes count from the sizes alone.
    const auto split = [&](std::uint64_t cards, PerSeat<PocketIndexList>& survivors,
                           PerSeat<PocketIndexList>& blocked) {
        for (int seat = 0; seat < 2; ++seat) {
            std::size_t hits = 0;
            for (const Pocket pocket : pockets[seat]) {
                hits += (pocket_mask(pocket) & cards) != 0 ? 1 : 0;
            }
            survivors[seat].reserve(pockets[seat].size() - hits);
            blocked[seat].reserve(hits);
            for (std::size_t i = 0; i < pockets[seat].size(); ++i) {
                const bool hit = (pocket_mask(pockets[seat][i]) & cards) != 0;
                (hit ? blocked : survivors)[seat].push_back(static_cast<PocketIndex>(i));
            }
        }
    };

    for_each_dealt_card(board, [&](int c) {
        split(std::uint64_t{1} << c, tables.card_survivors[c], tables.card_blocked[c]);
    });
    for_each_runout(board, [&](RunoutPair p) {
        const int i = combo_index(p.first, p.second);
        split((std::uint64_t{1} << p.first) | (std::uint64_t{1} << p.second),
              tables.pair_survivors[i], tables.pair_blocked[i]);
    });
    return tables;
}

std::uint64_t runout_table_bytes(const Board& board, const PerSeat<PocketList>& pockets) {
    std::uint64_t runouts = 0;
    for_each_runout(board, [&](RunoutPair) { ++runouts; });
    return runouts * (pockets[0].size() + pockets[1].size() + 4) * sizeof(StrengthEntry);
}

std::uint64_t card_table_bytes(const Board& board, const PerSeat<PocketList>& pockets) {
    std::uint64_t lists = 0;
    for_each_dealt_card(board, [&](int) { ++lists; });
    for_each_runout(board, [&](RunoutPair) { ++lists; });
    // Every split puts each hand into one of its two lists.
    return 2 * (kCardCount + kComboCount) * sizeof(PerSeat<PocketIndexList>) +
           lists * (pockets[0].size() + pockets[1].size()) * sizeof(PocketIndex);
}

}  // namespace quendal
