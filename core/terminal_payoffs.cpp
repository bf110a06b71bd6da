#include "core/terminal_payoffs.h"

#include "core/solver_profile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#ifdef QUENDAL_COMPILING_AVX2_PATH
#include <immintrin.h>
#endif

// Last: the definitions below are built for this compile's kernel path.
#include "core/kernel_path_target.h"

namespace quendal {

namespace {

using CardSums = std::array<double, kCardCount>;

struct Units {
    double win = 0.0;
    double loss = 0.0;
    double tie = 0.0;
};

Units units_for(double pot, double rake, double normaliser) {
    if (!(normaliser > 0.0)) {
        return {};
    }
    return {(pot / 2.0 - rake) / normaliser, -(pot / 2.0) / normaliser, -(rake / 2.0) / normaliser};
}

double terminal_pot(const Game& game, const NodeState& node) {
    return static_cast<double>(game.config().starting_pot) + 2.0 * node.matched;
}

// The body of rake_for_pot. Like ranking_table below, each compile of the
// sweeps calls a copy of its own, as it would call a function of this file;
// the public names are built once, in the portable compile.
double pot_rake(const TreeConfig& config, double pot) {
    if (!(config.rake_rate > 0.0)) {
        return 0.0;
    }
    const double rake = pot * config.rake_rate;
    return config.rake_cap > 0.0 ? std::min(config.rake_cap, rake) : rake;
}

bool sizes_match(const Game& game, int seat, std::span<const float> opp_reach,
                 std::span<float> out) {
    const CardContext& ctx = game.card_context();
    return opp_reach.size() == ctx.pockets[1 - seat].size() &&
           out.size() == ctx.pockets[seat].size();
}

void zero(std::span<float> out) {
    std::fill(out.begin(), out.end(), 0.0f);
}

float reach_of(std::span<const float> opp_reach, std::uint32_t index) {
    return index < opp_reach.size() ? opp_reach[index] : 0.0f;
}

struct Accumulator {
    double sum = 0.0;
    CardSums cards{};

    void add(CardCode low, CardCode high, double reach) {
        sum += reach;
        cards[low] += reach;
        cards[high] += reach;
    }
    void add(Pocket pocket, float reach) { add(pocket_low(pocket), pocket_high(pocket), reach); }
    // Reach of the hands that share no card with the pocket.
    double disjoint(CardCode low, CardCode high) const { return sum - cards[low] - cards[high]; }
    double disjoint(Pocket pocket) const {
        return disjoint(pocket_low(pocket), pocket_high(pocket));
    }
    double disjoint(const StrengthEntry& e) const { return disjoint(e.low, e.high); }
};

// A sorted-list entry's layout without its default values, so that the
// buffers below are not cleared on every sweep.
struct LiveEntry {
    std::uint32_t key;
    std::uint16_t pocket;
    CardCode low;
    CardCode high;
};
static_assert(sizeof(LiveEntry) == sizeof(StrengthEntry));

// The opponent hands of a sorted list that carry reach, in list order: their
// entries and, beside them, their reach. Most opponent hands reach a terminal
// with none (their strategy left the line), and a hand without reach adds
// exact zeros to every sum, so the sweeps merge only these with their own
// list: the sums are the same, bit for bit. The hands are entries 1 to n,
// between a front entry of key 0 and a back entry of key 0xFFFFFFFF (no real
// key equals either), so the merges stop at the ends without counting.
struct LiveHands {
    // Room for every pocket of a seat, the two ends, and the vector gather's
    // last group, which writes four entries whatever it keeps.
    std::array<LiveEntry, kComboCount + 6> entries;
    std::array<float, kComboCount + 6> reach;
};

#ifdef QUENDAL_COMPILING_AVX2_PATH
// Per mask of kept lanes among four (bit i: lane i has reach), the kept lanes
// in order: for the floats as they stand, and as the 32-bit halves of the
// 64-bit entries.
constexpr std::array<std::array<int, 4>, 16> kKeepFloats = [] {
    std::array<std::array<int, 4>, 16> table{};
    for (int mask = 0; mask < 16; ++mask) {
        int out = 0;
        for (int lane = 0; lane < 4; ++lane) {
            if ((mask >> lane) & 1) {
                table[mask][out++] = lane;
            }
        }
    }
    return table;
}();
constexpr std::array<std::array<int, 8>, 16> kKeepEntries = [] {
    std::array<std::array<int, 8>, 16> table{};
    for (int mask = 0; mask < 16; ++mask) {
        for (int out = 0; out < 4; ++out) {
            table[mask][2 * out] = 2 * kKeepFloats[mask][out];
            table[mask][2 * out + 1] = 2 * kKeepFloats[mask][out] + 1;
        }
    }
    return table;
}();
#endif

// Gathers the entries of `opp` with nonzero reach (an index beyond the reach
// list counts as none) into `live` and returns how many there are. Each entry
// is written and the count advances only past one with reach, so no branch
// depends on the reach.
std::size_t gather_live(std::span<const StrengthEntry> opp, std::span<const float> reach,
                        LiveHands& live) {
    const std::size_t size = std::min<std::size_t>(opp.size(), kComboCount);
    live.entries[0] = {0, kNoPocket, kNoCard, kNoCard};
    live.reach[0] = 0.0f;
    std::size_t n = 1;
    std::size_t i = 0;
#ifdef QUENDAL_COMPILING_AVX2_PATH
    const __m256i limit = _mm256_set1_epi64x(static_cast<long long>(reach.size()));
    const __m256i pocket_mask = _mm256_set1_epi64x(0xFFFF);
    for (; i + 4 <= size; i += 4) {
        const __m256i entries = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&opp[i]));
        // The pocket is the 16 bits above the key of each 64-bit entry.
        const __m256i pockets = _mm256_and_si256(_mm256_srli_epi64(entries, 32), pocket_mask);
        const __m256i inside = _mm256_cmpgt_epi64(limit, pockets);
        // The 64-bit lane masks, narrowed to four 32-bit ones.
        const __m128 take = _mm_castsi128_ps(_mm256_castsi256_si128(
            _mm256_permutevar8x32_epi32(inside, _mm256_setr_epi32(0, 2, 4, 6, 0, 2, 4, 6))));
        const __m128 r = _mm256_mask_i64gather_ps(_mm_setzero_ps(), reach.data(), pockets, take, 4);
        const int keep = _mm_movemask_ps(_mm_cmp_ps(r, _mm_setzero_ps(), _CMP_NEQ_UQ));
        const __m256i moved = _mm256_permutevar8x32_epi32(
            entries,
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(kKeepEntries[keep].data())));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(&live.entries[n]), moved);
        _mm_storeu_ps(
            &live.reach[n],
            _mm_permutevar_ps(
                r, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kKeepFloats[keep].data()))));
        n += static_cast<std::size_t>(std::popcount(static_cast<unsigned>(keep)));
    }
#endif
    for (; i < size; ++i) {
        const float r = reach_of(reach, opp[i].pocket);
        live.entries[n] = {opp[i].key, opp[i].pocket, opp[i].low, opp[i].high};
        live.reach[n] = r;
        n += r != 0.0f ? 1 : 0;
    }
    live.entries[n] = {0xFFFFFFFFu, kNoPocket, kNoCard, kNoCard};
    live.reach[n] = 0.0f;
    return n - 1;
}

// Both sweeps add into `out` and write nothing when they decline.
// The unraked sweep adds its wins and its losses in two passes, into `out`
// and `loss_out` (the same array unless a caller keeps them apart).
bool sweep_unraked(const RunoutRecord& record, int seat, const Units& u,
                   std::span<const float> opp_reach, std::span<float> out,
                   std::span<float> loss_out) {
    const auto own = real_entries(record.seats[seat]);
    const auto opp = real_entries(record.seats[1 - seat]);
    if (own.empty() || opp.empty()) {
        return false;
    }
    LiveHands live;
    const std::size_t n = gather_live(opp, opp_reach, live);
    if (n == 0) {
        return true;  // every own hand adds 0
    }
    const auto key_less = [](std::uint32_t key, const StrengthEntry& e) { return key < e.key; };
    const auto entry_less = [](const StrengthEntry& e, std::uint32_t key) { return e.key < key; };
    const LiveEntry* const entry = live.entries.data();
    const float* const reach = live.reach.data();
    // Own hands no stronger than the weakest live hand beat nothing: they
    // would add exact zeros, so the wins start above it.
    Accumulator below;
    std::size_t j = 1;
    for (auto it = std::upper_bound(own.begin(), own.end(), entry[1].key, key_less);
         it != own.end(); ++it) {
        while (entry[j].key < it->key) {
            below.add(entry[j].low, entry[j].high, reach[j]);
            ++j;
        }
        out[it->pocket] += static_cast<float>(below.disjoint(*it) * u.win);
    }
    // Likewise own hands no weaker than the strongest live hand lose to none.
    Accumulator above;
    std::size_t k = n;
    const auto top = std::lower_bound(own.begin(), own.end(), entry[n].key, entry_less);
    for (auto it = std::make_reverse_iterator(top); it != own.rend(); ++it) {
        while (entry[k].key > it->key) {
            above.add(entry[k].low, entry[k].high, reach[k]);
            --k;
        }
        loss_out[it->pocket] += static_cast<float>(above.disjoint(*it) * u.loss);
    }
    return true;
}

bool sweep_raked(const CardContext& ctx, const RunoutRecord& record, int seat, const Units& u,
                 std::span<const float> opp_reach, std::span<float> out) {
    const auto own = real_entries(record.seats[seat]);
    const auto opp = real_entries(record.seats[1 - seat]);
    if (own.empty() || opp.empty()) {
        return false;
    }
    const PocketIndexList& same_hand = ctx.same_hand[seat];

    LiveHands live;
    const std::size_t n = gather_live(opp, opp_reach, live);
    const LiveEntry* const entry = live.entries.data();
    const float* const reach = live.reach.data();
    Accumulator all;
    for (std::size_t i = 1; i <= n; ++i) {
        all.add(entry[i].low, entry[i].high, reach[i]);
    }
    if (all.sum == 0.0) {
        return true;  // every own hand adds 0
    }
    Accumulator lt, le;
    std::size_t j_lt = 1, j_le = 1;
    for (const StrengthEntry& e : own) {
        while (entry[j_lt].key < e.key) {
            lt.add(entry[j_lt].low, entry[j_lt].high, reach[j_lt]);
            ++j_lt;
        }
        while (entry[j_le].key <= e.key) {
            le.add(entry[j_le].low, entry[j_le].high, reach[j_le]);
            ++j_le;
        }
        const PocketIndex same = same_hand[e.pocket];
        const double r_same = same != kNoPocket ? reach_of(opp_reach, same) : 0.0;
        const double wins = lt.disjoint(e);
        const double up_to = le.disjoint(e);
        const double ties = up_to - wins + r_same;
        const double losses = all.disjoint(e) - up_to;
        out[e.pocket] += static_cast<float>(ties * u.tie + wins * u.win + losses * u.loss);
    }
    return true;
}

// Raked or unraked, as the pot and rake decide; adds into `out` (the raked
// sweep adds nothing to `loss_out`).
bool sweep_runout(const Game& game, const RunoutRecord& record, int seat, double pot,
                  std::span<const float> opp_reach, std::span<float> out,
                  std::span<float> loss_out) {
    const CardContext& ctx = game.card_context();
    const double rake = pot_rake(game.config(), pot);
    const double net = pot > 0.0 ? std::max(0.0, pot - rake) : 0.0;
    const Units u = units_for(pot, rake, ctx.matchup_normaliser);
    if (std::fabs(pot - net) > 1e-9) {
        ProfileScope scope(kProfileShowdownRaked);
        return sweep_raked(ctx, record, seat, u, opp_reach, out);
    }
    ProfileScope scope(kProfileShowdownUnraked);
    return sweep_unraked(record, seat, u, opp_reach, out, loss_out);
}

bool card_level_built(const CardContext& ctx, CardCode turn) {
    if (ctx.board[3] != kNoCard) {
        return turn == ctx.board[3];
    }
    return turn < kCardCount && ((ctx.dead_mask >> turn) & 1) == 0;
}

// The body of select_ranking_table.
const PocketIndexList& ranking_table(const Game& game, const NodeState& node, int seat) {
    const CardContext& ctx = game.card_context();
    if (node.turn != kNoCard && node.river != kNoCard) {
        // A list built for this runout is used even when it is empty: then the
        // seat has no live hand here.
        const std::size_t index = combo_index(node.turn, node.river);
        if (!ctx.runouts[index].seats[0].empty()) {
            return ctx.pair_survivors[index][seat];
        }
    }
    if (node.turn != kNoCard && card_level_built(ctx, node.turn)) {
        return ctx.card_survivors[node.turn][seat];
    }
    return ctx.pocket_index_map[seat];
}

}  // namespace

#ifndef QUENDAL_COMPILING_AVX2_PATH
// Path-independent pieces, built once: in the portable compile.

double rake_for_pot(const TreeConfig& config, double pot) {
    return pot_rake(config, pot);
}

float unseen_card_count(const NodeState& node) {
    if (node.turn == kNoCard) {
        return 45.0f;
    }
    return node.river == kNoCard ? 44.0f : 0.0f;
}

const PocketIndexList& select_ranking_table(const Game& game, const NodeState& node, int seat) {
    return ranking_table(game, node, seat);
}

std::size_t incomplete_board_runouts(const Game& game, const NodeState& node,
                                     std::vector<RunoutPair>& runouts) {
    runouts.clear();
    const CardContext& ctx = game.card_context();
    std::uint64_t dead = ctx.dead_mask;
    if (node.turn != kNoCard) {
        dead |= std::uint64_t{1} << node.turn;
    }
    if (node.river != kNoCard) {
        dead |= std::uint64_t{1} << node.river;
    }
    const int unseen = kCardCount - std::popcount(dead);
    const auto open = [dead](int c) { return ((dead >> c) & 1) == 0; };
    if (node.turn == kNoCard) {
        for (int t = 0; t < kCardCount; ++t) {
            for (int r = t + 1; r < kCardCount; ++r) {
                if (open(t) && open(r)) {
                    runouts.emplace_back(static_cast<CardCode>(t), static_cast<CardCode>(r));
                }
            }
        }
        // Each matchup sees the runouts that avoid its four hole cards.
        return static_cast<std::size_t>(std::max(0, (unseen - 4) * (unseen - 5) / 2));
    }
    if (node.river == kNoCard) {
        for (int r = 0; r < kCardCount; ++r) {
            if (open(r)) {
                runouts.emplace_back(node.turn, static_cast<CardCode>(r));
            }
        }
        return static_cast<std::size_t>(std::max(0, unseen - 4));
    }
    return 0;
}

TerminalKind plan_terminal(const Game& game, const NodeState& node, int seat,
                           TerminalUnits& units) {
    const TreeConfig& config = game.config();
    const double normaliser = game.card_context().matchup_normaliser;
    const double pot = terminal_pot(game, node);
    const double rake = pot_rake(config, pot);
    const Units u = units_for(pot, rake, normaliser);
    if (node.last_action == kFold) {
        units.win = static_cast<float>(seat == node.last_actor ? u.loss : u.win);
        return TerminalKind::kFold;
    }
    if (node.turn == kNoCard) {
        return TerminalKind::kOther;
    }
    if (node.river == kNoCard) {
        // As sweep_runout decides for every runout.
        const double net = pot > 0.0 ? std::max(0.0, pot - rake) : 0.0;
        units = {u.win, u.loss, u.tie};
        return std::fabs(pot - net) > 1e-9 ? TerminalKind::kTurnAllInRaked
                                           : TerminalKind::kTurnAllInUnraked;
    }
    Units used = u;
    TerminalKind kind = TerminalKind::kUnraked;
    if (std::fabs(rake) > 1e-9) {
        // As showdown_dispatch decides, with the node's pot.
        const double node_rake = pot_rake(config, node.pot);
        const double net = node.pot > 0.0 ? std::max(0.0, node.pot - node_rake) : 0.0;
        kind = std::fabs(node.pot - net) > 1e-9 ? TerminalKind::kRaked : TerminalKind::kUnraked;
        used = units_for(node.pot, kind == TerminalKind::kRaked ? node_rake : 0.0, normaliser);
    }
    units = {used.win, used.loss, used.tie};
    return kind;
}

void scale_incomplete_values(std::span<float> out, std::size_t swept, std::size_t divisor) {
    if (swept > 0 && divisor > 0) {
        const float scale = 1.0f / static_cast<float>(divisor);
        for (float& v : out) {
            v *= scale;
        }
    }
}

#endif

template <KernelPath P>
void fold_payoff(const Game& game, const NodeState& node, int seat, double unit,
                 std::span<const float> opp_reach, std::span<float> out) {
    ProfileScope scope(kProfileFold);
    const CardContext& ctx = game.card_context();
    const PocketList& opp_pockets = ctx.pockets[1 - seat];
    // The hands with reach first, then their sums (those without add exact
    // zeros), as the showdown sweeps gather theirs.
    struct LivePocket {
        Pocket pocket;
        float reach;
    };
    std::array<LivePocket, kComboCount> live;  // left uninitialised: written before read
    std::size_t n = 0;
    for (PocketIndex o : ranking_table(game, node, 1 - seat)) {
        if (o < opp_reach.size() && n < live.size()) {
            const float r = opp_reach[o];
            live[n] = {opp_pockets[o], r};
            n += r != 0.0f ? 1 : 0;
        }
    }
    Accumulator acc;
    for (std::size_t i = 0; i < n; ++i) {
        acc.add(live[i].pocket, live[i].reach);
    }
    const PocketIndexList& own = ranking_table(game, node, seat);
    if (acc.sum == 0.0) {
        for (PocketIndex h : own) {
            out[h] = 0.0f;
        }
        return;
    }
    const PocketList& own_pockets = ctx.pockets[seat];
    const PocketIndexList& same_hand = ctx.same_hand[seat];
    for (PocketIndex h : own) {
        const PocketIndex same = same_hand[h];
        const double r_same = same != kNoPocket ? reach_of(opp_reach, same) : 0.0;
        out[h] = static_cast<float>((acc.disjoint(own_pockets[h]) + r_same) * unit);
    }
}

template <KernelPath P>
bool showdown_u(const Game& game, const NodeState& node, int seat, std::span<const float> opp_reach,
                std::span<float> out) {
    ProfileScope scope(kProfileShowdownUnraked);
    if (!sizes_match(game, seat, opp_reach, out) || node.turn == kNoCard || node.river == kNoCard) {
        return false;
    }
    zero(out);
    const CardContext& ctx = game.card_context();
    const double pot = node.pot;
    const Units u = units_for(pot, 0.0, ctx.matchup_normaliser);
    return sweep_unraked(ctx.runout_record(node.turn, node.river), seat, u, opp_reach, out, out);
}

template <KernelPath P>
bool showdown_r(const Game& game, const NodeState& node, int seat, std::span<const float> opp_reach,
                std::span<float> out) {
    ProfileScope scope(kProfileShowdownRaked);
    if (!sizes_match(game, seat, opp_reach, out) || node.turn == kNoCard || node.river == kNoCard) {
        return false;
    }
    zero(out);
    const CardContext& ctx = game.card_context();
    const double pot = node.pot;
    const Units u = units_for(pot, pot_rake(game.config(), pot), ctx.matchup_normaliser);
    return sweep_raked(ctx, ctx.runout_record(node.turn, node.river), seat, u, opp_reach, out);
}

template <KernelPath P>
bool showdown_dispatch(const Game& game, const NodeState& node, int seat,
                       std::span<const float> opp_reach, std::span<float> out) {
    if (node.turn == kNoCard || node.river == kNoCard) {
        return false;
    }
    const double pot = node.pot;
    const double net = pot > 0.0 ? std::max(0.0, pot - pot_rake(game.config(), pot)) : 0.0;
    return std::fabs(pot - net) > 1e-9 ? showdown_r<P>(game, node, seat, opp_reach, out)
                                       : showdown_u<P>(game, node, seat, opp_reach, out);
}

template <KernelPath P>
bool sweep_incomplete_runout(const Game& game, const NodeState& node, RunoutPair runout, int seat,
                             std::span<const float> opp_reach, std::span<float> win_out,
                             std::span<float> loss_out) {
    const RunoutRecord& record = game.card_context().runout_record(runout.first, runout.second);
    return sweep_runout(game, record, seat, terminal_pot(game, node), opp_reach, win_out, loss_out);
}

template <KernelPath P>
void incomplete_board_showdown(const Game& game, const NodeState& node, int seat,
                               std::span<const float> opp_reach, std::span<float> out) {
    ProfileScope scope(kProfileIncomplete);
    zero(out);
    if (!sizes_match(game, seat, opp_reach, out)) {
        return;
    }
    thread_local std::vector<RunoutPair> runouts;
    const std::size_t divisor = incomplete_board_runouts(game, node, runouts);
    std::size_t swept = 0;
    for (const RunoutPair& runout : runouts) {
        if (sweep_incomplete_runout<P>(game, node, runout, seat, opp_reach, out, out)) {
            ++swept;
        }
    }
    scale_incomplete_values(out, swept, divisor);
}

template <KernelPath P>
void terminal_eval(const Game& game, const NodeState& node, int seat,
                   std::span<const float> opp_reach, std::span<float> out) {
    ProfileScope scope(kProfileTerminalEval);
    if (!sizes_match(game, seat, opp_reach, out)) {
        zero(out);
        return;
    }
    const CardContext& ctx = game.card_context();
    zero(out);
    const double pot = terminal_pot(game, node);
    const double rake = pot_rake(game.config(), pot);
    const Units u = units_for(pot, rake, ctx.matchup_normaliser);
    if (node.last_action == kFold) {
        const double unit = seat == node.last_actor ? u.loss : u.win;
        fold_payoff<P>(game, node, seat, static_cast<float>(unit), opp_reach, out);
        return;
    }
    if (node.turn == kNoCard || node.river == kNoCard) {
        incomplete_board_showdown<P>(game, node, seat, opp_reach, out);
        return;
    }
    if (std::fabs(rake) <= 1e-9) {
        ProfileScope sweep(kProfileShowdownUnraked);
        sweep_unraked(ctx.runout_record(node.turn, node.river), seat, u, opp_reach, out, out);
        return;
    }
    if (!showdown_dispatch<P>(game, node, seat, opp_reach, out)) {
        zero(out);
    }
}

template void terminal_eval<kBuildPath>(const Game&, const NodeState&, int, std::span<const float>,
                                        std::span<float>);
template void fold_payoff<kBuildPath>(const Game&, const NodeState&, int, double,
                                      std::span<const float>, std::span<float>);
template bool showdown_dispatch<kBuildPath>(const Game&, const NodeState&, int,
                                            std::span<const float>, std::span<float>);
template bool showdown_u<kBuildPath>(const Game&, const NodeState&, int, std::span<const float>,
                                     std::span<float>);
template bool showdown_r<kBuildPath>(const Game&, const NodeState&, int, std::span<const float>,
                                     std::span<float>);
template void incomplete_board_showdown<kBuildPath>(const Game&, const NodeState&, int,
                                                    std::span<const float>, std::span<float>);
template bool sweep_incomplete_runout<kBuildPath>(const Game&, const NodeState&, RunoutPair, int,
                                                  std::span<const float>, std::span<float>,
                                                  std::span<float>);

}  // namespace quendal
