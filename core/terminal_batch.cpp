#include "core/terminal_batch.h"

#include "core/solver_profile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef QUENDAL_COMPILING_AVX2_PATH
#include <immintrin.h>
#endif

// Last: the definitions below are built for this compile's kernel path.
#include "core/kernel_path_target.h"

// The lane vectors below never cross this file's functions' boundaries with
// code built for the other path, so their argument passing is this file's own.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace quendal {

namespace {

// W terminals side by side: per opponent pocket their reach as doubles, per
// own pocket their values as floats, and per card their sums. A batch walks
// every opponent entry: one without reach in a lane adds exact zeros to that
// lane's sums, and an own hand that a lone sweep skips adds a zero to its
// value, so each lane's sums are the lone terminal's.
using Float4 = float __attribute__((vector_size(16)));
using Double4 = double __attribute__((vector_size(32)));

// Groups of four lanes. A GCC vector of eight doubles is built poorly where
// the widest register holds four, so wider batches are arrays of these.
template <typename V, std::size_t N>
struct LaneGroups {
    std::array<V, N> part{};

    LaneGroups& operator+=(const LaneGroups& o) {
        for (std::size_t i = 0; i < N; ++i) {
            part[i] += o.part[i];
        }
        return *this;
    }
    friend LaneGroups operator+(LaneGroups a, const LaneGroups& b) { return a += b; }
    friend LaneGroups operator-(LaneGroups a, const LaneGroups& b) {
        for (std::size_t i = 0; i < N; ++i) {
            a.part[i] -= b.part[i];
        }
        return a;
    }
    friend LaneGroups operator*(LaneGroups a, const LaneGroups& b) {
        for (std::size_t i = 0; i < N; ++i) {
            a.part[i] *= b.part[i];
        }
        return a;
    }
    auto& operator[](std::size_t l) { return part[l / 4][l % 4]; }
    auto operator[](std::size_t l) const { return part[l / 4][l % 4]; }
};

template <std::size_t W>
struct Lanes {
    static_assert(W % 4 == 0);
    using Doubles = LaneGroups<Double4, W / 4>;
    using Floats = LaneGroups<Float4, W / 4>;

    // The card sums live apart from the total, so that the compiler keeps
    // the total in registers while it adds into the cards.
    using Cards = std::array<Doubles, kCardCount>;
    struct Sums {
        Doubles sum{};
        Cards& cards;

        void add(CardCode low, CardCode high, const Doubles& reach) {
            sum += reach;
            cards[low] += reach;
            cards[high] += reach;
        }
        Doubles disjoint(CardCode low, CardCode high) const {
            return (sum - cards[low]) - cards[high];
        }
    };

    // Kept in plain arrays and aligned here: the alignment of a GCC vector
    // differs between the paths' compiles, and a standard container of one
    // would be built once for both.
    struct Rows {
        std::vector<double> reach_storage;
        std::vector<float> value_storage;
        Doubles* reach = nullptr;  // per opponent pocket
        Floats* values = nullptr;  // per own pocket, cleared
        std::size_t reach_count = 0;
        std::size_t value_count = 0;

        void prepare(std::size_t opp, std::size_t own) {
            reach_storage.resize((opp + 1) * W);
            value_storage.assign((own + 1) * W, 0.0f);
            reach = aligned<Doubles>(reach_storage.data());
            values = aligned<Floats>(value_storage.data());
            reach_count = opp;
            value_count = own;
        }
        template <typename T, typename U>
        static T* aligned(U* p) {
            const auto a = reinterpret_cast<std::uintptr_t>(p);
            return reinterpret_cast<T*>((a + alignof(T) - 1) & ~(std::uintptr_t{alignof(T)} - 1));
        }
    };

    static Floats narrow(const Doubles& v) {
        Floats f;
        for (std::size_t i = 0; i < W / 4; ++i) {
            f.part[i] = __builtin_convertvector(v.part[i], Float4);
        }
        return f;
    }

    static Doubles units(std::span<const TerminalLane> lanes, double TerminalUnits::*unit) {
        Doubles u{};
        for (std::size_t l = 0; l < lanes.size(); ++l) {
            u[l] = lanes[l].units.*unit;
        }
        return u;
    }
};

Double4 widen(Float4 v) {
#ifdef QUENDAL_COMPILING_AVX2_PATH
    return (Double4)_mm256_cvtps_pd((__m128)v);  // one instruction; the generic form takes four
#else
    return __builtin_convertvector(v, Double4);
#endif
}

// Rows a, b, c, d of four entries each, turned into four columns.
void transpose(Float4& a, Float4& b, Float4& c, Float4& d) {
    using Mask = std::int32_t __attribute__((vector_size(16)));
    const Float4 t0 = __builtin_shuffle(a, b, Mask{0, 4, 1, 5});
    const Float4 t1 = __builtin_shuffle(a, b, Mask{2, 6, 3, 7});
    const Float4 t2 = __builtin_shuffle(c, d, Mask{0, 4, 1, 5});
    const Float4 t3 = __builtin_shuffle(c, d, Mask{2, 6, 3, 7});
    a = __builtin_shuffle(t0, t2, Mask{0, 1, 4, 5});
    b = __builtin_shuffle(t0, t2, Mask{2, 3, 6, 7});
    c = __builtin_shuffle(t1, t3, Mask{0, 1, 4, 5});
    d = __builtin_shuffle(t1, t3, Mask{2, 3, 6, 7});
}

Float4 load4(const float* p) {
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void store4(float* p, Float4 v) {
    std::memcpy(p, &v, sizeof v);
}

// A lane without a terminal reads zeros and writes into a spare row.
struct SpareRows {
    std::array<float, kComboCount + 4> zeros{};
    std::array<float, kComboCount + 4> sink{};
};

// Each group of four lanes: four pockets' reach at a time, turned from rows
// per terminal into rows per pocket.
template <std::size_t W>
void interleave_reach(std::span<const TerminalLane> lanes, std::size_t count,
                      typename Lanes<W>::Rows& rows, const SpareRows& spare) {
    auto* reach = reinterpret_cast<double*>(rows.reach);
    for (std::size_t g = 0; g < W; g += 4) {
        std::array<const float*, 4> in;
        for (std::size_t l = 0; l < 4; ++l) {
            in[l] = g + l < lanes.size() ? lanes[g + l].opp_reach : spare.zeros.data();
        }
        std::size_t o = 0;
        for (; o + 4 <= count; o += 4) {
            std::array<Float4, 4> v{load4(in[0] + o), load4(in[1] + o), load4(in[2] + o),
                                    load4(in[3] + o)};
            transpose(v[0], v[1], v[2], v[3]);
            for (std::size_t k = 0; k < 4; ++k) {
                const Double4 wide = widen(v[k]);
                std::memcpy(reach + (o + k) * W + g, &wide, sizeof wide);
            }
        }
        for (; o < count; ++o) {
            for (std::size_t l = 0; l < 4; ++l) {
                reach[o * W + g + l] = in[l][o];
            }
        }
    }
}

// Writes each lane's values; a lane whose `none` is set gets zeros.
template <std::size_t W>
void spread_values(std::span<const TerminalLane> lanes, const typename Lanes<W>::Rows& rows,
                   const std::array<bool, W>& none, SpareRows& spare) {
    const std::size_t count = rows.value_count;
    const auto* values = reinterpret_cast<const float*>(rows.values);
    for (std::size_t g = 0; g < W; g += 4) {
        std::array<float*, 4> out;
        for (std::size_t l = 0; l < 4; ++l) {
            out[l] = g + l < lanes.size() && !none[g + l] ? lanes[g + l].out : spare.sink.data();
        }
        std::size_t h = 0;
        for (; h + 4 <= count; h += 4) {
            std::array<Float4, 4> v;
            for (std::size_t k = 0; k < 4; ++k) {
                v[k] = load4(values + (h + k) * W + g);
            }
            transpose(v[0], v[1], v[2], v[3]);
            for (std::size_t l = 0; l < 4; ++l) {
                store4(out[l] + h, v[l]);
            }
        }
        for (; h < count; ++h) {
            for (std::size_t l = 0; l < 4; ++l) {
                out[l][h] = values[h * W + g + l];
            }
        }
    }
    for (std::size_t l = 0; l < lanes.size(); ++l) {
        if (none[l]) {
            std::fill(lanes[l].out, lanes[l].out + count, 0.0f);
        }
    }
}

// The merges run over the opponent list with its sentinels, which stop them.
template <std::size_t W>
void batch_unraked(const RunoutRecord& record, int seat, std::span<const TerminalLane> lanes,
                   typename Lanes<W>::Rows& rows) {
    using L = Lanes<W>;
    const auto own = real_entries(record.seats[seat]);
    const std::vector<StrengthEntry>& opp = record.seats[1 - seat];
    if (own.empty() || real_entries(opp).empty()) {
        return;
    }
    const auto* reach = rows.reach;
    auto* values = rows.values;
    const auto win = L::units(lanes, &TerminalUnits::win);
    const auto loss = L::units(lanes, &TerminalUnits::loss);
    typename L::Cards below_cards{};
    typename L::Sums below{{}, below_cards};
    std::size_t j = 1;
    for (const StrengthEntry& e : own) {
        while (opp[j].key < e.key) {
            below.add(opp[j].low, opp[j].high, reach[opp[j].pocket]);
            ++j;
        }
        values[e.pocket] += L::narrow(below.disjoint(e.low, e.high) * win);
    }
    typename L::Cards above_cards{};
    typename L::Sums above{{}, above_cards};
    std::size_t k = opp.size() - 2;
    for (auto it = own.rbegin(); it != own.rend(); ++it) {
        while (opp[k].key > it->key) {
            above.add(opp[k].low, opp[k].high, reach[opp[k].pocket]);
            --k;
        }
        values[it->pocket] += L::narrow(above.disjoint(it->low, it->high) * loss);
    }
}

template <std::size_t W>
std::array<bool, W> lanes_without_reach(const typename Lanes<W>::Doubles& sum) {
    std::array<bool, W> none{};
    for (std::size_t l = 0; l < W; ++l) {
        none[l] = sum[l] == 0.0;
    }
    return none;
}

// ties × tie + wins × win + losses × loss as the lone sweep computes it on
// this path: where the processor fuses multiply and add, the compiler fuses
// the lone sweep's sum into fma(losses, loss, fma(ties, tie, wins × win)).
template <std::size_t W>
typename Lanes<W>::Doubles raked_value(const typename Lanes<W>::Doubles& ties,
                                       const typename Lanes<W>::Doubles& wins,
                                       const typename Lanes<W>::Doubles& losses,
                                       const typename Lanes<W>::Doubles& tie,
                                       const typename Lanes<W>::Doubles& win,
                                       const typename Lanes<W>::Doubles& loss) {
#ifdef QUENDAL_COMPILING_AVX2_PATH
    typename Lanes<W>::Doubles v;
    for (std::size_t i = 0; i < W / 4; ++i) {
        const __m256d won = (__m256d)(wins.part[i] * win.part[i]);
        const __m256d tied = _mm256_fmadd_pd((__m256d)ties.part[i], (__m256d)tie.part[i], won);
        v.part[i] = (Double4)_mm256_fmadd_pd((__m256d)losses.part[i], (__m256d)loss.part[i], tied);
    }
    return v;
#else
    return ties * tie + wins * win + losses * loss;
#endif
}

template <std::size_t W>
std::array<bool, W> batch_raked(const CardContext& ctx, const RunoutRecord& record, int seat,
                                std::span<const TerminalLane> lanes,
                                typename Lanes<W>::Rows& rows) {
    using L = Lanes<W>;
    const auto own = real_entries(record.seats[seat]);
    const std::vector<StrengthEntry>& opp = record.seats[1 - seat];
    const auto opp_real = real_entries(opp);
    if (own.empty() || opp_real.empty()) {
        return {};
    }
    const auto* reach = rows.reach;
    auto* values = rows.values;
    typename L::Cards all_cards{};
    typename L::Sums all{{}, all_cards};
    for (const StrengthEntry& e : opp_real) {
        all.add(e.low, e.high, reach[e.pocket]);
    }
    const auto win = L::units(lanes, &TerminalUnits::win);
    const auto loss = L::units(lanes, &TerminalUnits::loss);
    const auto tie = L::units(lanes, &TerminalUnits::tie);
    const PocketIndexList& same_hand = ctx.same_hand[seat];
    typename L::Cards lt_cards{}, le_cards{};
    typename L::Sums lt{{}, lt_cards}, le{{}, le_cards};
    std::size_t j_lt = 1, j_le = 1;
    for (const StrengthEntry& e : own) {
        while (opp[j_lt].key < e.key) {
            lt.add(opp[j_lt].low, opp[j_lt].high, reach[opp[j_lt].pocket]);
            ++j_lt;
        }
        while (opp[j_le].key <= e.key) {
            le.add(opp[j_le].low, opp[j_le].high, reach[opp[j_le].pocket]);
            ++j_le;
        }
        const PocketIndex same = same_hand[e.pocket];
        const auto r_same = same < rows.reach_count ? reach[same] : typename L::Doubles{};
        const auto wins = lt.disjoint(e.low, e.high);
        const auto up_to = le.disjoint(e.low, e.high);
        const auto ties = up_to - wins + r_same;
        const auto losses = all.disjoint(e.low, e.high) - up_to;
        values[e.pocket] += L::narrow(raked_value<W>(ties, wins, losses, tie, win, loss));
    }
    return lanes_without_reach<W>(all.sum);
}

template <std::size_t W>
std::array<bool, W> batch_fold(const Game& game, const NodeState& node, int seat,
                               std::span<const TerminalLane> lanes, typename Lanes<W>::Rows& rows) {
    using L = Lanes<W>;
    const CardContext& ctx = game.card_context();
    const PocketList& opp_pockets = ctx.pockets[1 - seat];
    const auto* reach = rows.reach;
    auto* values = rows.values;
    typename L::Cards acc_cards{};
    typename L::Sums acc{{}, acc_cards};
    for (PocketIndex o : select_ranking_table(game, node, 1 - seat)) {
        if (o < rows.reach_count) {
            acc.add(pocket_low(opp_pockets[o]), pocket_high(opp_pockets[o]), reach[o]);
        }
    }
    const auto unit = L::units(lanes, &TerminalUnits::win);
    const PocketList& own_pockets = ctx.pockets[seat];
    const PocketIndexList& same_hand = ctx.same_hand[seat];
    for (PocketIndex h : select_ranking_table(game, node, seat)) {
        const PocketIndex same = same_hand[h];
        const auto r_same = same < rows.reach_count ? reach[same] : typename L::Doubles{};
        const Pocket p = own_pockets[h];
        values[h] = L::narrow((acc.disjoint(pocket_low(p), pocket_high(p)) + r_same) * unit);
    }
    return lanes_without_reach<W>(acc.sum);
}

// Folds and showdowns on a complete board.
template <std::size_t W>
void value_batch(const Game& game, const NodeState& node, int seat, TerminalKind kind,
                 std::span<const TerminalLane> lanes, typename Lanes<W>::Rows& rows,
                 SpareRows& spare) {
    const CardContext& ctx = game.card_context();
    std::array<bool, W> none{};
    if (kind == TerminalKind::kFold) {
        ProfileScope fold(kProfileFold);
        none = batch_fold<W>(game, node, seat, lanes, rows);
    } else if (kind == TerminalKind::kRaked) {
        ProfileScope raked(kProfileShowdownRaked);
        none = batch_raked<W>(ctx, ctx.runout_record(node.turn, node.river), seat, lanes, rows);
    } else {
        ProfileScope unraked(kProfileShowdownUnraked);
        batch_unraked<W>(ctx.runout_record(node.turn, node.river), seat, lanes, rows);
    }
    spread_values<W>(lanes, rows, none, spare);
}

// All-ins on a turn board: every river runout's sweep adds into the values,
// in runout order, and the sums are divided as the lone all-in divides them.
template <std::size_t W>
void value_turn_all_ins(const Game& game, const NodeState& node, int seat, TerminalKind kind,
                        std::span<const TerminalLane> lanes, typename Lanes<W>::Rows& rows,
                        SpareRows& spare) {
    ProfileScope scope(kProfileIncomplete);
    const CardContext& ctx = game.card_context();
    thread_local std::vector<RunoutPair> runouts;
    const std::size_t divisor = incomplete_board_runouts(game, node, runouts);
    std::size_t swept = 0;
    for (const RunoutPair& runout : runouts) {
        const RunoutRecord& record = ctx.runout_record(runout.first, runout.second);
        if (real_entries(record.seats[0]).empty() || real_entries(record.seats[1]).empty()) {
            continue;  // the lone sweep declines such a runout
        }
        ++swept;
        if (kind == TerminalKind::kTurnAllInRaked) {
            ProfileScope raked(kProfileShowdownRaked);
            batch_raked<W>(ctx, record, seat, lanes, rows);
        } else {
            ProfileScope unraked(kProfileShowdownUnraked);
            batch_unraked<W>(record, seat, lanes, rows);
        }
    }
    spread_values<W>(lanes, rows, std::array<bool, W>{}, spare);
    for (const TerminalLane& lane : lanes) {
        scale_incomplete_values(std::span<float>(lane.out, rows.value_count), swept, divisor);
    }
}

template <std::size_t W>
void value_lanes(const Game& game, const NodeState& node, int seat, TerminalKind kind,
                 std::span<const TerminalLane> lanes) {
    const CardContext& ctx = game.card_context();
    thread_local typename Lanes<W>::Rows rows;
    thread_local SpareRows spare;
    rows.prepare(ctx.pockets[1 - seat].size(), ctx.pockets[seat].size());
    interleave_reach<W>(lanes, rows.reach_count, rows, spare);
    if (kind == TerminalKind::kTurnAllInUnraked || kind == TerminalKind::kTurnAllInRaked) {
        value_turn_all_ins<W>(game, node, seat, kind, lanes, rows, spare);
    } else {
        value_batch<W>(game, node, seat, kind, lanes, rows, spare);
    }
}

}  // namespace

template <KernelPath P>
void terminal_eval_batch(const Game& game, const NodeState& node, int seat, TerminalKind kind,
                         std::span<const TerminalLane> lanes) {
    ProfileScope scope(kProfileTerminalEval);
    if (lanes.size() <= 4) {
        value_lanes<4>(game, node, seat, kind, lanes);
    } else {
        value_lanes<8>(game, node, seat, kind, lanes.first(std::min(lanes.size(), kTerminalBatch)));
    }
}

template void terminal_eval_batch<kBuildPath>(const Game&, const NodeState&, int, TerminalKind,
                                              std::span<const TerminalLane>);

}  // namespace quendal
