#include "core/card_context.h"

#include "board_text.h"
#include "core/hand_evaluator.h"
#include "expect_throw_message.h"
#include "scoped_env.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace quendal {
namespace {

PerSeat<RangeWeights> ranges(const char* oop, const char* ip) {
    return {parse_range(oop), parse_range(ip)};
}

// Sets QUENDAL_CARDCTX_MAX_WORKERS for one scope.
class WorkerLimit : public ScopedEnv {
public:
    explicit WorkerLimit(const char* value) : ScopedEnv("QUENDAL_CARDCTX_MAX_WORKERS", value) {}
};

const char* const kWideRange =
    "22+, A2s+, K7s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 75s+, 64s+, A8o+, KTo+, QTo+";
const char* const kNarrowRange = "TT+:0.5, 99-66, AJs+, KQs, AQo+:0.75, 65s, AhKh:0.25";

TEST(CardContextBoard, RejectsBadBoardsWithExactMessages) {
    const auto r = ranges("AA", "KK");
    const auto expect_invalid = [&](Board board, const char* message) {
        EXPECT_THROW_MSG(CardContext(board, r), std::invalid_argument, message);
    };
    const auto expect_range = [&](Board board) {
        EXPECT_THROW_MSG(CardContext(board, r), std::out_of_range, "Card code must be in [0, 52)");
    };
    expect_invalid({0, kNoCard, 8, kNoCard, kNoCard}, "Flop cards must be defined");
    expect_range({0, 60, 8, kNoCard, kNoCard});
    expect_invalid({5, 9, 5, kNoCard, kNoCard}, "Flop cards must be unique");
    expect_range({0, 4, 8, 52, kNoCard});
    expect_invalid({0, 4, 8, 4, kNoCard}, "Turn conflicts with flop");
    expect_range({0, 4, 8, 12, 77});
    expect_invalid({0, 4, 8, 12, 8}, "River conflicts with existing cards");
    expect_invalid({0, 4, 8, 12, 12}, "River conflicts with existing cards");
    expect_invalid({0, 4, 8, kNoCard, 12}, "River cannot be dealt without a turn");
}

TEST(CardContextBoard, EmptyRangeAfterBoardRemovalReportsSeatZeroFirst) {
    const Board board = make_board("AhAdAc");
    // One ace is left, so no AA is live.
    EXPECT_THROW_MSG(CardContext(board, ranges("AA", "AA")), std::invalid_argument,
                     "Player range empty after filtering board cards");
    EXPECT_THROW_MSG(CardContext(board, ranges("QQ", "AA")), std::invalid_argument,
                     "Player range empty after filtering board cards");
    EXPECT_THROW_MSG(CardContext(board, ranges("AA", "QQ")), std::invalid_argument,
                     "Player range empty after filtering board cards");
    EXPECT_THROW_MSG(CardContext(board, ranges("", "QQ")), std::invalid_argument,
                     "Player range empty after filtering board cards");
}

TEST(CardContextHands, PocketsWeightsAndPerInstanceData) {
    const CardContext ctx(make_board("AhKsQd2c"), ranges("AA, KK:0.5", "AKs, 22"));
    EXPECT_EQ(ctx.street, 1);
    EXPECT_EQ(ctx.board_cards, (std::vector<CardCode>{50, 47, 41, 0}));
    EXPECT_EQ(ctx.dead_mask, (1ull << 50) | (1ull << 47) | (1ull << 41) | 1ull);
    ASSERT_EQ(ctx.pockets[0].size(), 3u + 3u);  // AA and KK lose one card each
    for (int seat = 0; seat < 2; ++seat) {
        Pocket previous = 0;
        for (std::size_t i = 0; i < ctx.pockets[seat].size(); ++i) {
            const Pocket p = ctx.pockets[seat][i];
            EXPECT_LT(pocket_low(p), pocket_high(p));
            EXPECT_EQ(pocket_mask(p) & ctx.dead_mask, 0u);
            const int index = combo_index(pocket_low(p), pocket_high(p));
            EXPECT_EQ(ctx.pocket_weights[seat][i], ctx.ranges[seat][index]);
            if (i > 0) {
                EXPECT_LT(combo_index(pocket_low(previous), pocket_high(previous)), index);
            }
            previous = p;
        }
    }
    // AKs without Ah and Ks: clubs and diamonds; 22 without 2c: three combos.
    EXPECT_EQ(ctx.pockets[1].size(), 2u + 3u);
}

TEST(CardContextHands, SameHandMapAndReachWeightsMatchBruteForce) {
    const CardContext ctx(make_board("Th7c2d"), ranges(kWideRange, kNarrowRange));
    double normaliser = 0.0;
    for (std::size_t i = 0; i < ctx.pockets[0].size(); ++i) {
        for (std::size_t j = 0; j < ctx.pockets[1].size(); ++j) {
            if ((pocket_mask(ctx.pockets[0][i]) & pocket_mask(ctx.pockets[1][j])) == 0) {
                normaliser += double(ctx.pocket_weights[0][i]) * ctx.pocket_weights[1][j];
            }
        }
    }
    EXPECT_NEAR(ctx.matchup_normaliser, normaliser, 1e-9 * normaliser);

    double raw_sum = 0.0;
    for (int seat = 0; seat < 2; ++seat) {
        const int opp = 1 - seat;
        ASSERT_EQ(ctx.same_hand[seat].size(), ctx.pockets[seat].size());
        for (std::size_t i = 0; i < ctx.pockets[seat].size(); ++i) {
            const auto it =
                std::find(ctx.pockets[opp].begin(), ctx.pockets[opp].end(), ctx.pockets[seat][i]);
            const PocketIndex expected = it == ctx.pockets[opp].end()
                                             ? kNoPocket
                                             : PocketIndex(it - ctx.pockets[opp].begin());
            EXPECT_EQ(ctx.same_hand[seat][i], expected);

            double blocker_free = 0.0;
            for (std::size_t j = 0; j < ctx.pockets[opp].size(); ++j) {
                if ((pocket_mask(ctx.pockets[seat][i]) & pocket_mask(ctx.pockets[opp][j])) == 0) {
                    blocker_free += ctx.pocket_weights[opp][j];
                }
            }
            const double raw = blocker_free * ctx.pocket_weights[seat][i];
            EXPECT_NEAR(ctx.reach_weights_raw[seat][i], raw, 1e-4 * (1.0 + raw));
            raw_sum += ctx.reach_weights_raw[seat][i];
        }
    }
    double normalised_sum = 0.0;
    for (int seat = 0; seat < 2; ++seat) {
        for (std::size_t i = 0; i < ctx.pockets[seat].size(); ++i) {
            EXPECT_NEAR(ctx.reach_weights[seat][i], ctx.reach_weights_raw[seat][i] / raw_sum, 1e-6);
            normalised_sum += ctx.reach_weights[seat][i];
        }
    }
    EXPECT_NEAR(normalised_sum, 1.0, 1e-4);
}

TEST(CardContextHands, DisjointlessMatchupLeavesReachUnnormalised) {
    const CardContext ctx(make_board("2c3d4h"), ranges("AhKh", "AhQs"));
    EXPECT_EQ(ctx.matchup_normaliser, 0.0);
    EXPECT_EQ(ctx.reach_weights[0], std::vector<float>{0.0f});
    EXPECT_EQ(ctx.reach_weights_raw[1], std::vector<float>{0.0f});
    EXPECT_EQ(ctx.same_hand[0], PocketIndexList{kNoPocket});
}

// Checks every filled record against direct evaluations.
void expect_records_match_evaluator(const CardContext& ctx, std::size_t expected_runouts) {
    std::size_t filled = 0;
    for (int a = 0; a < kCardCount; ++a) {
        for (int b = a + 1; b < kCardCount; ++b) {
            const RunoutRecord& record = ctx.runouts[combo_index(a, b)];
            if (record.seats[0].empty()) {
                EXPECT_TRUE(record.seats[1].empty());
                continue;
            }
            ++filled;
            const std::uint64_t blocked = ctx.dead_mask | (1ull << a) | (1ull << b);
            const Board five{ctx.board[0], ctx.board[1], ctx.board[2], CardCode(a), CardCode(b)};
            for (int seat = 0; seat < 2; ++seat) {
                const auto& entries = record.seats[seat];
                std::size_t live = 0;
                for (Pocket p : ctx.pockets[seat]) {
                    live += (pocket_mask(p) & blocked) == 0;
                }
                ASSERT_EQ(entries.size(), live + 2);
                EXPECT_EQ(entries.front(), kFrontSentinel);
                EXPECT_EQ(entries.back(), kBackSentinel);
                for (std::size_t k = 1; k + 1 < entries.size(); ++k) {
                    const Pocket p = ctx.pockets[seat][entries[k].pocket];
                    ASSERT_EQ(pocket_mask(p) & blocked, 0u);
                    EXPECT_EQ(entries[k].key, evaluate_hand(p, five) + 1);
                    const StrengthEntry& prev = entries[k - 1];
                    EXPECT_TRUE(prev.key < entries[k].key ||
                                (prev.key == entries[k].key && prev.pocket < entries[k].pocket));
                }
            }
        }
    }
    EXPECT_EQ(filled, expected_runouts);
    EXPECT_EQ(ctx.runouts.size(), std::size_t(kComboCount));
}

TEST(RunoutTables, RecordsRankHandsAsTheEvaluatorDoes) {
    const auto r = ranges(kWideRange, kNarrowRange);
    expect_records_match_evaluator(CardContext(make_board("Th7c2d"), r), 1176);
    expect_records_match_evaluator(CardContext(make_board("Th7c2d9s"), r), 48);
    expect_records_match_evaluator(CardContext(make_board("Th7c2d9sTd"), r), 1);
}

TEST(RunoutTables, AllBlockedSeatKeepsOnlySentinels) {
    const CardContext ctx(make_board("2c3d4h"), ranges("AhKh", "QQ"));
    const RunoutRecord& record = ctx.runout_record(parse_card("Ah"), parse_card("5s"));
    EXPECT_EQ(record.seats[0], (std::vector<StrengthEntry>{kFrontSentinel, kBackSentinel}));
    EXPECT_EQ(record.seats[1].size(), 6u + 2u);
    EXPECT_EQ(&ctx.runout_record(parse_card("5s"), parse_card("Ah")), &record);
    EXPECT_TRUE(ctx.runout_record(kNoCard, 7).seats[0].empty());
    EXPECT_TRUE(ctx.runout_record(7, kNoCard).seats[1].empty());
}

TEST(RunoutTables, CardAndPairListsPartitionEachSeat) {
    const auto r = ranges(kWideRange, kNarrowRange);
    for (const char* text : {"Th7c2d", "Th7c2d9s"}) {
        const CardContext ctx(make_board(text), r);
        const bool turn_dealt = ctx.board[3] != kNoCard;
        for (int c = 0; c < kCardCount; ++c) {
            const bool expect_filled =
                turn_dealt ? c == ctx.board[3] : ((ctx.dead_mask >> c) & 1) == 0;
            for (int seat = 0; seat < 2; ++seat) {
                const auto& survivors = ctx.card_survivors[c][seat];
                const auto& blocked = ctx.card_blocked[c][seat];
                if (!expect_filled) {
                    EXPECT_TRUE(survivors.empty() && blocked.empty()) << text << " card " << c;
                    continue;
                }
                EXPECT_EQ(survivors.size() + blocked.size(), ctx.pockets[seat].size());
                EXPECT_TRUE(std::is_sorted(survivors.begin(), survivors.end()));
                for (PocketIndex i : survivors) {
                    EXPECT_EQ(pocket_mask(ctx.pockets[seat][i]) & (1ull << c), 0u);
                }
                for (PocketIndex i : blocked) {
                    EXPECT_NE(pocket_mask(ctx.pockets[seat][i]) & (1ull << c), 0u);
                }
            }
        }
        std::size_t pairs = 0;
        for (int i = 0; i < kComboCount; ++i) {
            const std::size_t seat0 =
                ctx.pair_survivors[i][0].size() + ctx.pair_blocked[i][0].size();
            EXPECT_EQ(seat0 != 0, !ctx.runouts[i].seats[0].empty());
            pairs += seat0 != 0;
            if (seat0 != 0) {
                EXPECT_EQ(ctx.pair_survivors[i][0].size() + 2, ctx.runouts[i].seats[0].size());
            }
        }
        EXPECT_EQ(pairs, turn_dealt ? 48u : 1176u);
        EXPECT_EQ(ctx.pocket_index_map[1].size(), ctx.pockets[1].size());
        EXPECT_EQ(ctx.pocket_index_map[1].back(), ctx.pockets[1].size() - 1);
    }
}

TEST(CardContextBuild, OneWorkerAndEightWorkersBuildTheSameContext) {
    const auto r = ranges(kWideRange, kNarrowRange);
    std::optional<CardContext> serial;
    {
        WorkerLimit limit("1");
        serial.emplace(make_board("9s8s2h"), r);
    }
    WorkerLimit limit("8");
    const CardContext parallel(make_board("9s8s2h"), r);
    EXPECT_TRUE(*serial == parallel);
    EXPECT_EQ(serial->memory_bytes(), parallel.memory_bytes());
    EXPECT_GT(parallel.memory_bytes(), 1176u * 2 * 2 * sizeof(StrengthEntry));
}

// The sizes a memory count takes without building are those of the built
// context, on every street and with suits that fold.
TEST(CardContextBuild, SizeWithoutBuildingIsTheBuiltContexts) {
    for (const char* text : {"9s8s2h", "AhKhQh", "9s8s2h7d", "Ah8d3cTc", "9s8s2h7d4c"}) {
        const Board board = make_board(text);
        const auto r = ranges(kWideRange, kNarrowRange);
        const CardContextSize size = CardContext::size_of(board, r);
        const CardContext built(board, r);
        EXPECT_EQ(size.memory_bytes, built.memory_bytes()) << text;
        EXPECT_EQ(size.hand_counts[0], built.pockets[0].size()) << text;
        EXPECT_EQ(size.hand_counts[1], built.pockets[1].size()) << text;
        EXPECT_TRUE(size.suit_isomorphism == built.suit_isomorphism) << text;
    }
    EXPECT_THROW_MSG(CardContext::size_of(make_board("AhKhQh"), ranges("AhKh", "QQ")),
                     std::invalid_argument, "Player range empty after filtering board cards");
}

TEST(CardContextBuild, RankingErrorInAWorkerReachesTheCaller) {
    // A pocket holding an impossible card makes the evaluator throw inside
    // one of the ranking threads; the error must surface here, after every
    // thread has finished.
    const Board board = make_board("Th7c2d");
    PerSeat<PocketList> pockets{PocketList{make_pocket(0, 1)}, PocketList{make_pocket(3, 60)}};
    EXPECT_THROW_MSG(build_runout_tables(board, pockets, 8), std::out_of_range,
                     "Card code must be in [0, 52)");
    EXPECT_THROW_MSG(build_runout_tables(board, pockets, 1), std::out_of_range,
                     "Card code must be in [0, 52)");
}

TEST(CardContextBuild, CacheNeverKeepsTablesAlive) {
    const auto r = ranges("QQ+, AKs", "JJ-88, AQs");
    const Board board = make_board("Kc8d3h");
    const CardContext first(board, r);
    // The first construction's tables are gone: the entry has expired and a
    // lookup erases it.
    auto& cache = card_context_cache();
    const std::size_t before = cache.size();
    EXPECT_EQ(cache.lookup(first.cache_key), nullptr);
    EXPECT_EQ(cache.size(), before - 1);
    const CardContext second(board, r);
    EXPECT_TRUE(first == second);
    EXPECT_EQ(first.cache_key, CardContext::compute_cache_key(board, r));
    EXPECT_NE(first.cache_key, CardContext::compute_cache_key(make_board("Kc8d4h"), r));
}

TEST(CardContextBuild, ArtifactCacheServesOnlyLiveEntries) {
    ArtifactCache<int> cache;
    auto live = std::make_shared<const int>(7);
    cache.insert(1, live);
    cache.insert(2, std::make_shared<const int>(8));  // expires at once
    EXPECT_EQ(cache.size(), 2u);
    ASSERT_NE(cache.lookup(1), nullptr);
    EXPECT_EQ(*cache.lookup(1), 7);
    EXPECT_EQ(cache.lookup(2), nullptr);
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(cache.lookup(3), nullptr);
    live.reset();
    EXPECT_EQ(cache.lookup(1), nullptr);
    EXPECT_EQ(cache.size(), 0u);
}

TEST(CardContextBuild, WorkerLimitParsing) {
    const unsigned hw = std::thread::hardware_concurrency();
    const int hardware = hw == 0 ? 1 : int(hw);
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"4", 4},
                 {"6abc", 6},
                 {"  +3", 3},
                 {"0", hardware},
                 {"-3", hardware},
                 {"word", hardware},
                 {"12345678901", hardware},
                 {"", hardware}};
    for (const auto& c : cases) {
        WorkerLimit limit(c.text);
        EXPECT_EQ(card_context_max_workers(), c.expected) << "'" << c.text << "'";
    }
}

}  // namespace
}  // namespace quendal
