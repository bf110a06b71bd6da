#include "core/terminal_payoffs.h"

#include "core/solver_profile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

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

bool sizes_match(const Game& game, int seat, std::span<const float> opp_reach,
                 std::span<float> out) {
    const CardContext& ctx = game.card_context();
    return opp_reach.size() == ctx.pockets[1 - seat].size() &&
           out.size() == ctx.pockets[seat].size();
}

void zero(std::span<float> out) {
    std::fill(out.begin(), out.end(), 0.0f);
}

// The real entries of a sorted list (without its two sentinels).
std::span<const StrengthEntry> real_entries(const std::vector<StrengthEntry>& list) {
    if (list.size() < 2) {
        return {};
    }
    return std::span<const StrengthEntry>(list).subspan(1, list.size() - 2);
}

float reach_of(std::span<const float> opp_reach, std::uint32_t index) {
    return index < opp_reach.size() ? opp_reach[index] : 0.0f;
}

struct Accumulator {
    double sum = 0.0;
    CardSums cards{};

    void add(Pocket pocket, float reach) {
        sum += reach;
        cards[pocket_low(pocket)] += reach;
        cards[pocket_high(pocket)] += reach;
    }
    // Adds the opponent hand of a sorted-list entry, when it has reach.
    void add_entry(const StrengthEntry& e, const PocketList& pockets,
                   std::span<const float> reach) {
        if (const float r = reach_of(reach, e.pocket); r != 0.0f) {
            add(pockets[e.pocket], r);
        }
    }
    // Reach of the hands that share no card with `pocket`.
    double disjoint(Pocket pocket) const {
        return sum - cards[pocket_low(pocket)] - cards[pocket_high(pocket)];
    }
};

// Both sweeps add into `out` and write nothing when they decline.
bool sweep_unraked(const CardContext& ctx, const RunoutRecord& record, int seat, const Units& u,
                   std::span<const float> opp_reach, std::span<float> out) {
    const auto own = real_entries(record.seats[seat]);
    const auto opp = real_entries(record.seats[1 - seat]);
    if (own.empty() || opp.empty()) {
        return false;
    }
    const PocketList& own_pockets = ctx.pockets[seat];
    const PocketList& opp_pockets = ctx.pockets[1 - seat];

    Accumulator below;
    std::size_t j = 0;
    for (const StrengthEntry& e : own) {
        while (j < opp.size() && opp[j].key < e.key) {
            below.add_entry(opp[j], opp_pockets, opp_reach);
            ++j;
        }
        out[e.pocket] += static_cast<float>(below.disjoint(own_pockets[e.pocket]) * u.win);
    }
    Accumulator above;
    std::size_t k = opp.size();
    for (auto it = own.rbegin(); it != own.rend(); ++it) {
        while (k > 0 && opp[k - 1].key > it->key) {
            above.add_entry(opp[k - 1], opp_pockets, opp_reach);
            --k;
        }
        out[it->pocket] += static_cast<float>(above.disjoint(own_pockets[it->pocket]) * u.loss);
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
    const PocketList& own_pockets = ctx.pockets[seat];
    const PocketList& opp_pockets = ctx.pockets[1 - seat];
    const PocketIndexList& same_hand = ctx.same_hand[seat];

    Accumulator all;
    for (const StrengthEntry& e : opp) {
        all.add_entry(e, opp_pockets, opp_reach);
    }
    if (all.sum == 0.0) {
        return true;  // every own hand adds 0
    }
    Accumulator lt, le;
    std::size_t j_lt = 0, j_le = 0;
    for (const StrengthEntry& e : own) {
        while (j_lt < opp.size() && opp[j_lt].key < e.key) {
            lt.add_entry(opp[j_lt], opp_pockets, opp_reach);
            ++j_lt;
        }
        while (j_le < opp.size() && opp[j_le].key <= e.key) {
            le.add_entry(opp[j_le], opp_pockets, opp_reach);
            ++j_le;
        }
        const Pocket pocket = own_pockets[e.pocket];
        const PocketIndex same = same_hand[e.pocket];
        const double r_same = same != kNoPocket ? reach_of(opp_reach, same) : 0.0;
        const double wins = lt.disjoint(pocket);
        const double up_to = le.disjoint(pocket);
        const double ties = up_to - wins + r_same;
        const double losses = all.disjoint(pocket) - up_to;
        out[e.pocket] += static_cast<float>(ties * u.tie + wins * u.win + losses * u.loss);
    }
    return true;
}

// Raked or unraked, as the pot and rake decide; adds into `out`.
bool sweep_runout(const Game& game, const RunoutRecord& record, int seat, double pot,
                  std::span<const float> opp_reach, std::span<float> out) {
    const CardContext& ctx = game.card_context();
    const double rake = rake_for_pot(game.config(), pot);
    const double net = pot > 0.0 ? std::max(0.0, pot - rake) : 0.0;
    const Units u = units_for(pot, rake, ctx.matchup_normaliser);
    if (std::fabs(pot - net) > 1e-9) {
        ProfileScope scope(kProfileShowdownRaked);
        return sweep_raked(ctx, record, seat, u, opp_reach, out);
    }
    ProfileScope scope(kProfileShowdownUnraked);
    return sweep_unraked(ctx, record, seat, u, opp_reach, out);
}

bool card_level_built(const CardContext& ctx, CardCode turn) {
    if (ctx.board[3] != kNoCard) {
        return turn == ctx.board[3];
    }
    return turn < kCardCount && ((ctx.dead_mask >> turn) & 1) == 0;
}

}  // namespace

double rake_for_pot(const TreeConfig& config, double pot) {
    if (!(config.rake_rate > 0.0)) {
        return 0.0;
    }
    const double rake = pot * config.rake_rate;
    return config.rake_cap > 0.0 ? std::min(config.rake_cap, rake) : rake;
}

float unseen_card_count(const NodeState& node) {
    if (node.turn == kNoCard) {
        return 45.0f;
    }
    return node.river == kNoCard ? 44.0f : 0.0f;
}

const PocketIndexList& select_ranking_table(const Game& game, const NodeState& node, int seat) {
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

void fold_payoff(const Game& game, const NodeState& node, int seat, double unit,
                 std::span<const float> opp_reach, std::span<float> out) {
    ProfileScope scope(kProfileFold);
    const CardContext& ctx = game.card_context();
    const PocketList& opp_pockets = ctx.pockets[1 - seat];
    Accumulator acc;
    for (PocketIndex o : select_ranking_table(game, node, 1 - seat)) {
        if (o < opp_reach.size() && opp_reach[o] != 0.0f) {
            acc.add(opp_pockets[o], opp_reach[o]);
        }
    }
    const PocketIndexList& own = select_ranking_table(game, node, seat);
    for (PocketIndex h : own) {
        if (acc.sum == 0.0) {
            out[h] = 0.0f;
            continue;
        }
        const PocketIndex same = ctx.same_hand[seat][h];
        const double r_same = same != kNoPocket ? reach_of(opp_reach, same) : 0.0;
        out[h] = static_cast<float>((acc.disjoint(ctx.pockets[seat][h]) + r_same) * unit);
    }
}

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
    return sweep_unraked(ctx, ctx.runout_record(node.turn, node.river), seat, u, opp_reach, out);
}

bool showdown_r(const Game& game, const NodeState& node, int seat, std::span<const float> opp_reach,
                std::span<float> out) {
    ProfileScope scope(kProfileShowdownRaked);
    if (!sizes_match(game, seat, opp_reach, out) || node.turn == kNoCard || node.river == kNoCard) {
        return false;
    }
    zero(out);
    const CardContext& ctx = game.card_context();
    const double pot = node.pot;
    const Units u = units_for(pot, rake_for_pot(game.config(), pot), ctx.matchup_normaliser);
    return sweep_raked(ctx, ctx.runout_record(node.turn, node.river), seat, u, opp_reach, out);
}

bool showdown_dispatch(const Game& game, const NodeState& node, int seat,
                       std::span<const float> opp_reach, std::span<float> out) {
    if (node.turn == kNoCard || node.river == kNoCard) {
        return false;
    }
    const double pot = node.pot;
    const double net = pot > 0.0 ? std::max(0.0, pot - rake_for_pot(game.config(), pot)) : 0.0;
    return std::fabs(pot - net) > 1e-9 ? showdown_r(game, node, seat, opp_reach, out)
                                       : showdown_u(game, node, seat, opp_reach, out);
}

void incomplete_board_showdown(const Game& game, const NodeState& node, int seat,
                               std::span<const float> opp_reach, std::span<float> out) {
    ProfileScope scope(kProfileIncomplete);
    zero(out);
    if (!sizes_match(game, seat, opp_reach, out)) {
        return;
    }
    const CardContext& ctx = game.card_context();
    std::uint64_t dead = ctx.dead_mask;
    if (node.turn != kNoCard) {
        dead |= std::uint64_t{1} << node.turn;
    }
    if (node.river != kNoCard) {
        dead |= std::uint64_t{1} << node.river;
    }
    const double pot = terminal_pot(game, node);
    std::size_t swept = 0;
    const auto run = [&](CardCode turn, CardCode river) {
        if (sweep_runout(game, ctx.runout_record(turn, river), seat, pot, opp_reach, out)) {
            ++swept;
        }
    };
    const int unseen = kCardCount - std::popcount(dead);
    int divisor = 0;
    if (node.turn == kNoCard) {
        for (int t = 0; t < kCardCount; ++t) {
            for (int r = t + 1; r < kCardCount; ++r) {
                if (((dead >> t) & 1) == 0 && ((dead >> r) & 1) == 0) {
                    run(static_cast<CardCode>(t), static_cast<CardCode>(r));
                }
            }
        }
        // Each matchup sees the runouts that avoid its four hole cards.
        divisor = (unseen - 4) * (unseen - 5) / 2;
    } else if (node.river == kNoCard) {
        for (int r = 0; r < kCardCount; ++r) {
            if (((dead >> r) & 1) == 0) {
                run(node.turn, static_cast<CardCode>(r));
            }
        }
        divisor = unseen - 4;
    }
    if (swept > 0 && divisor > 0) {
        const float scale = 1.0f / static_cast<float>(divisor);
        for (float& v : out) {
            v *= scale;
        }
    }
}

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
    const double rake = rake_for_pot(game.config(), pot);
    const Units u = units_for(pot, rake, ctx.matchup_normaliser);
    if (node.last_action == kFold) {
        const double unit = seat == node.last_actor ? u.loss : u.win;
        fold_payoff(game, node, seat, static_cast<float>(unit), opp_reach, out);
        return;
    }
    if (node.turn == kNoCard || node.river == kNoCard) {
        incomplete_board_showdown(game, node, seat, opp_reach, out);
        return;
    }
    if (std::fabs(rake) <= 1e-9) {
        ProfileScope sweep(kProfileShowdownUnraked);
        sweep_unraked(ctx, ctx.runout_record(node.turn, node.river), seat, u, opp_reach, out);
        return;
    }
    if (!showdown_dispatch(game, node, seat, opp_reach, out)) {
        zero(out);
    }
}

}  // namespace quendal
