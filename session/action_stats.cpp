#include "session/action_stats.h"

#include "session/action_labels.h"
#include "session/equity_sampling.h"
#include "session/node_reach.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace quendal_app {

namespace {

// Exact equity on a complete board from the runout's stored strengths.
double river_equity(const quendal::CardContext& ctx, const quendal::NodeState& node, int player,
                    const std::vector<double>& hero, const std::vector<float>& villain) {
    const quendal::RunoutRecord& record = ctx.runout_record(node.turn, node.river);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (record.seats[0].size() <= 2 || record.seats[1].size() <= 2) {
        return nan;
    }
    std::array<std::vector<std::uint32_t>, 2> strength;
    for (int seat = 0; seat < 2; ++seat) {
        strength[seat].assign(ctx.pockets[seat].size(), 0);
        for (const quendal::StrengthEntry& e : record.seats[seat]) {
            if (e.pocket < strength[seat].size()) {
                strength[seat][e.pocket] = e.key;
            }
        }
    }
    const int opponent = 1 - player;
    double total = 0.0, wins = 0.0, ties = 0.0;
    for (std::size_t h = 0; h < hero.size(); ++h) {
        const std::uint32_t mine = strength[player][h];
        if (!(hero[h] > 0.0) || mine == 0) {
            continue;
        }
        const std::uint64_t mask = quendal::pocket_mask(ctx.pockets[player][h]);
        for (std::size_t j = 0; j < villain.size(); ++j) {
            const std::uint32_t theirs = strength[opponent][j];
            if (!(villain[j] > 0.0f) || theirs == 0 ||
                (quendal::pocket_mask(ctx.pockets[opponent][j]) & mask) != 0) {
                continue;
            }
            const double t = hero[h] * villain[j];
            total += t;
            wins += mine > theirs ? t : 0.0;
            ties += mine == theirs ? t : 0.0;
        }
    }
    return total > 0.0 ? (ties * 0.5 + wins) / total : nan;
}

}  // namespace

std::optional<ActionStatsInputs> action_stats_inputs(const quendal::Game& game,
                                                     quendal::DiscountedCfr& solver,
                                                     const NodeParents& parents,
                                                     std::uint64_t index) {
    std::optional<ActingNode> acting = acting_node(game, solver, index, true);
    if (!acting) {
        return std::nullopt;
    }
    const auto path = parents.path_to(index);
    if (!path) {
        return std::nullopt;
    }
    const quendal::CardContext& ctx = game.card_context();
    // The opponent's range weights, with the hands that hold a card dealt on
    // the way at 0.
    const std::uint64_t dealt = node_dead_cards(game, *acting->node);
    const int opponent = 1 - acting->player;
    ActionStatsInputs inputs;
    inputs.villain = ctx.pocket_weights[opponent];
    for (std::size_t j = 0; j < inputs.villain.size() && j < ctx.pockets[opponent].size(); ++j) {
        if ((quendal::pocket_mask(ctx.pockets[opponent][j]) & dealt) != 0) {
            inputs.villain[j] = 0.0f;
        }
    }
    inputs.own = seat_reach_weights(game, solver, *path, acting->player, dealt);
    inputs.mean =
        reach_weighted_frequencies(acting->strategy, acting->actions, acting->hands, inputs.own);
    inputs.acting = std::move(*acting);
    return inputs;
}

ActionStatsResult compute_node_action_stats(quendal::Game& game, quendal::DiscountedCfr& solver,
                                            const NodeParents& parents, std::uint64_t index) {
    const std::optional<ActionStatsInputs> inputs =
        action_stats_inputs(game, solver, parents, index);
    if (!inputs) {
        return {};
    }
    const std::span<const float> reach(inputs->villain);
    const auto children =
        acting_child_values(game, solver, inputs->acting, index, std::span(&reach, 1));
    if (!children) {
        return {};
    }
    return action_stats_from_values(game, index, *inputs, children->front());
}

ActionStatsResult action_stats_from_values(const quendal::Game& game, std::uint64_t index,
                                           const ActionStatsInputs& inputs,
                                           const std::vector<float>& child_values) {
    ActionStatsResult result;
    const quendal::NodeState& node = *inputs.acting.node;
    const std::size_t actions = inputs.acting.actions;
    const quendal::CardContext& ctx = game.card_context();
    const int player = inputs.acting.player;
    const int opponent = 1 - player;
    const std::size_t hands = inputs.acting.hands;
    const std::vector<float>& strategy = inputs.acting.strategy;
    const std::vector<double>& own = inputs.own;
    const std::vector<float>& villain = inputs.villain;
    if (child_values.size() != actions * hands || own.size() != hands) {
        return result;
    }
    for (std::size_t a = 0; a < actions; ++a) {
        result.frequency.push_back(a < inputs.mean.size() ? inputs.mean[a] : 0.0f);
    }
    const std::int32_t pot = node.pot >= 1 ? node.pot : game.config().starting_pot;
    const UnblockedWeight unblocked(ctx, opponent, villain);
    const double normaliser = ctx.matchup_normaliser;
    const double offset = ev_offset(game, node);
    for (std::size_t a = 0; a < actions; ++a) {
        result.labels.push_back(action_display_label(node.actions[a], pot));
        result.codes.push_back(action_code(node.actions[a], pot));
        double combos = 0.0, ev_sum = 0.0;
        for (std::size_t h = 0; h < hands; ++h) {
            const float p = strategy[a * hands + h];
            if (!(own[h] > 0.0) || !(p > 0.0f)) {
                continue;
            }
            const double k = static_cast<double>(p) * own[h];
            combos += k;
            double x = child_values[a * hands + h];
            const double m = unblocked(h);
            if (normaliser > 0.0 && m > 0.0) {
                x *= normaliser / m;
            }
            if (std::isfinite(x)) {
                ev_sum += k * x;
            }
        }
        result.combos.push_back(combos);
        double ev = combos > 0.0 ? ev_sum / combos : 0.0;
        if (std::isfinite(offset) && offset > 0.0 && std::isfinite(ev)) {
            ev += offset;
        }
        result.ev.push_back(ev);
    }

    std::mt19937 generator(static_cast<std::uint32_t>(index) ^ 0xC0FFEEu);
    const std::uint32_t samples = node.turn != quendal::kNoCard ? 4000 : 6000;
    std::vector<quendal::CardCode> flop(
        ctx.board_cards.begin(),
        ctx.board_cards.begin() +
            static_cast<std::ptrdiff_t>(std::min<std::size_t>(3, ctx.board_cards.size())));
    for (std::size_t a = 0; a < actions; ++a) {
        std::vector<double> hero(hands, 0.0);
        for (std::size_t h = 0; h < hands; ++h) {
            const double q = own[h] * strategy[a * hands + h];
            hero[h] = own[h] > 0.0 && strategy[a * hands + h] > 0.0f && std::isfinite(q) ? q : 0.0;
        }
        double e = 0.0;
        if (node.turn == quendal::kNoCard || node.river == quendal::kNoCard) {
            e = sample_equity_vs_range(generator, flop, node.turn, node.river, ctx.pockets[player],
                                       ctx.pockets[opponent], hero, villain, samples);
        } else {
            e = river_equity(ctx, node, player, hero, villain);
        }
        result.equity.push_back(std::isfinite(e) ? std::clamp(e, 0.0, 1.0)
                                                 : std::numeric_limits<double>::quiet_NaN());
    }
    result.ok = true;
    return result;
}

}  // namespace quendal_app
