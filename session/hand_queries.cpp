#include "session/hand_queries.h"

#include "core/card.h"
#include "session/action_labels.h"
#include "session/action_stats.h"
#include "session/hand_buckets.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <unordered_map>

namespace quendal_app {

namespace {

bool usable(float x) {
    return x > 0.0f && std::isfinite(x);
}

std::int32_t label_pot(const quendal::Game& game, const quendal::NodeState& node) {
    return node.pot >= 1 ? node.pot : game.config().starting_pot;
}

// Every query answers ok false instead of throwing.
template <typename Result, typename Body>
Result guarded(Body body) {
    try {
        return body();
    } catch (const std::exception&) {
        return Result{};
    }
}

}  // namespace

HandStrategyResult compute_node_hand_strategy(const quendal::Game& game,
                                              quendal::DiscountedCfr& solver,
                                              const NodeParents& parents, std::uint64_t index) {
    return guarded<HandStrategyResult>([&] {
        HandStrategyResult result;
        const std::optional<ActingNode> acting = acting_node(game, solver, index, false);
        if (!acting) {
            return result;
        }
        const quendal::NodeState& node = *acting->node;
        const std::size_t actions = acting->actions;
        const quendal::CardContext& ctx = game.card_context();
        const int player = acting->player;
        const std::size_t hands = acting->hands;
        const std::vector<float>& strategy = acting->strategy;
        const std::optional<std::vector<double>> reach =
            acting_hand_weights(game, solver, parents, index, *acting);
        const std::vector<double> range =
            live_range_weights(game, player, node_dead_cards(game, node));
        if (!reach || reach->size() != hands || range.size() != hands) {
            return result;
        }
        const std::int32_t pot = label_pot(game, node);
        std::vector<std::string> codes;
        for (const quendal::PlanAction& action : node.actions) {
            codes.push_back(action_code(action, pot));
            result.action_names.push_back(action_display_label(action, pot));
        }
        result.labels = hand_class_labels_169();
        std::unordered_map<std::string, std::size_t> class_index;
        for (std::size_t c = 0; c < result.labels.size(); ++c) {
            class_index[result.labels[c]] = c;
        }
        // Per class the sums by weight at the node and, for a class no hand
        // of which gets there, by range weight.
        struct Sums {
            std::vector<double> weight = std::vector<double>(169, 0.0);
            std::vector<double> probs;
        };
        Sums at_node{.probs = std::vector<double>(169 * actions, 0.0)};
        Sums in_range{.probs = std::vector<double>(169 * actions, 0.0)};
        const auto add = [&](Sums& sums, std::size_t c, std::size_t h, double w) {
            sums.weight[c] += w;
            for (std::size_t a = 0; a < actions; ++a) {
                sums.probs[c * actions + a] += static_cast<double>(strategy[a * hands + h]) * w;
            }
        };
        for (std::size_t h = 0; h < hands; ++h) {
            if (!(range[h] > 0.0)) {
                continue;
            }
            const std::size_t c = class_index.at(hand_class_label(ctx.pockets[player][h]));
            add(in_range, c, h, range[h]);
            if ((*reach)[h] > 0.0) {
                add(at_node, c, h, (*reach)[h]);
            }
        }
        result.weights.assign(169, 0.0f);
        result.dominant.assign(169, std::string());
        result.probs.assign(169 * actions, 0.0f);
        for (std::size_t c = 0; c < 169; ++c) {
            const bool reached = at_node.weight[c] > 0.0;
            const Sums& sums = reached ? at_node : in_range;
            if (!(sums.weight[c] > 0.0)) {
                continue;
            }
            float best = -1.0f;
            std::size_t best_action = 0;
            for (std::size_t a = 0; a < actions; ++a) {
                const float p = static_cast<float>(sums.probs[c * actions + a] / sums.weight[c]);
                result.probs[c * actions + a] = p;
                if (p > best) {
                    best = p;
                    best_action = a;
                }
            }
            if (reached) {
                result.weights[c] = static_cast<float>(at_node.weight[c]);
                result.dominant[c] = codes[best_action];
            }
        }
        result.ok = true;
        return result;
    });
}

std::optional<HandCombosInputs> hand_combos_inputs(const quendal::Game& game,
                                                   quendal::DiscountedCfr& solver,
                                                   const NodeParents& parents,
                                                   std::uint64_t index) {
    std::optional<ActingNode> acting = acting_node(game, solver, index, true);
    if (!acting) {
        return std::nullopt;
    }
    const quendal::CardContext& ctx = game.card_context();
    const int player = acting->player;
    const int opponent = 1 - player;
    if (ctx.pockets[opponent].empty() ||
        ctx.pocket_weights[opponent].size() != ctx.pockets[opponent].size()) {
        return std::nullopt;
    }
    const auto path = parents.path_to(index);
    if (!path) {
        return std::nullopt;
    }
    const std::uint64_t dead = node_dead_cards(game, *acting->node);
    HandCombosInputs inputs;
    inputs.opp_reach =
        seat_reach_along(game, solver, *path, opponent, ctx.pocket_weights[opponent], dead);
    const std::vector<float> ones(acting->hands, 1.0f);
    inputs.own_reach = seat_reach_along(game, solver, *path, player, ones, dead);
    inputs.acting = std::move(*acting);
    return inputs;
}

HandCombosResult compute_node_hand_combos(quendal::Game& game, quendal::DiscountedCfr& solver,
                                          const NodeParents& parents, std::uint64_t index) {
    return guarded<HandCombosResult>([&]() -> HandCombosResult {
        const std::optional<HandCombosInputs> inputs =
            hand_combos_inputs(game, solver, parents, index);
        if (!inputs) {
            return {};
        }
        const std::span<const float> reach(inputs->opp_reach);
        const auto children =
            acting_child_values(game, solver, inputs->acting, index, std::span(&reach, 1));
        if (!children) {
            return {};
        }
        return hand_combos_from_values(game, solver, index, *inputs, children->front());
    });
}

HandCombosResult hand_combos_from_values(quendal::Game& game, quendal::DiscountedCfr& solver,
                                         std::uint64_t index, const HandCombosInputs& inputs,
                                         const std::vector<float>& child_values) {
    return guarded<HandCombosResult>([&] {
        HandCombosResult result;
        const quendal::NodeState& node = *inputs.acting.node;
        const std::size_t actions = inputs.acting.actions;
        const quendal::CardContext& ctx = game.card_context();
        const int player = inputs.acting.player;
        const int opponent = 1 - player;
        const std::size_t hands = inputs.acting.hands;
        const std::vector<float>& strategy = inputs.acting.strategy;
        const std::vector<float>& opp_reach = inputs.opp_reach;
        const std::vector<float>& own_reach = inputs.own_reach;
        if (child_values.size() != actions * hands) {
            return result;
        }
        // The node's values follow from its children's; a node with more
        // children than actions is walked as a whole.
        std::optional<std::vector<float>> derived = acting_node_values(inputs.acting, child_values);
        const std::vector<float> values =
            derived ? std::move(*derived)
                    : solver.compute_node_values_with_reach(game, index, player, opp_reach);
        if (values.size() != hands) {
            return result;
        }
        const UnblockedWeight unblocked(ctx, opponent, opp_reach);
        const double normaliser = ctx.matchup_normaliser;
        const double offset = ev_offset(game, node);
        for (std::size_t h = 0; h < hands; ++h) {
            const float w = ctx.pocket_weights[player][h];
            if (!usable(w)) {
                continue;
            }
            const quendal::Pocket pocket = ctx.pockets[player][h];
            HandComboRecord row;
            row.c1 = quendal::card_to_string(static_cast<std::int8_t>(quendal::pocket_low(pocket)));
            row.c2 =
                quendal::card_to_string(static_cast<std::int8_t>(quendal::pocket_high(pocket)));
            row.weight = reach_weight(w, own_reach[h]);
            row.buckets = made_hand_category(game, node, pocket);
            const double m = unblocked(h);
            row.ev = scaled_hand_value(values[h], normaliser, m, offset);
            double sum = 0.0;
            for (std::size_t a = 0; a < actions; ++a) {
                row.action_evs.push_back(
                    scaled_hand_value(child_values[a * hands + h], normaliser, m, offset));
                const float p = strategy[a * hands + h];
                const float kept = std::isfinite(p) && p > 0.0f ? p : 0.0f;
                row.action_probs.push_back(kept);
                sum += kept;
            }
            for (float& p : row.action_probs) {
                p = sum > 0.0 ? static_cast<float>(p / sum) : 1.0f / static_cast<float>(actions);
            }
            result.rows.push_back(std::move(row));
        }
        // Stable, so that equal EVs keep pocket order from call to call.
        std::stable_sort(
            result.rows.begin(), result.rows.end(),
            [](const HandComboRecord& a, const HandComboRecord& b) { return a.ev > b.ev; });
        result.ok = true;
        return result;
    });
}

NodeStatsAndCombos compute_node_stats_and_combos(quendal::Game& game,
                                                 quendal::DiscountedCfr& solver,
                                                 const NodeParents& parents, std::uint64_t index) {
    return guarded<NodeStatsAndCombos>([&] {
        NodeStatsAndCombos result;
        const std::optional<ActionStatsInputs> stats =
            action_stats_inputs(game, solver, parents, index);
        const std::optional<HandCombosInputs> combos =
            hand_combos_inputs(game, solver, parents, index);
        if (!stats && !combos) {
            return result;
        }
        // One walk of the children serves both when the opponent reaches
        // the node with its whole range (at the root, say).
        std::vector<std::span<const float>> reaches;
        std::size_t stats_block = 0, combos_block = 0;
        if (stats) {
            reaches.emplace_back(stats->villain);
        }
        if (combos) {
            if (stats && same_reach(stats->villain, combos->opp_reach)) {
                combos_block = 0;
            } else {
                combos_block = reaches.size();
                reaches.emplace_back(combos->opp_reach);
            }
        }
        const ActingNode& acting = stats ? stats->acting : combos->acting;
        const auto children = acting_child_values(game, solver, acting, index, reaches);
        if (!children) {
            return result;
        }
        if (stats) {
            result.stats = action_stats_from_values(game, index, *stats, (*children)[stats_block]);
        }
        if (combos) {
            result.combos =
                hand_combos_from_values(game, solver, index, *combos, (*children)[combos_block]);
        }
        return result;
    });
}

PocketActionEvsResult compute_node_pocket_action_evs(
    quendal::Game& game, quendal::DiscountedCfr& solver, const NodeParents& parents,
    std::uint64_t index, bool ip, std::string_view first, std::string_view second) {
    return guarded<PocketActionEvsResult>([&] {
        PocketActionEvsResult result;
        if (index >= game.nodes().size()) {
            return result;
        }
        const quendal::NodeState& node = game.nodes()[index];
        const int seat = ip ? 1 : 0;
        const std::size_t actions = node.actions.size();
        if (node.type != quendal::kDecisionNode || node.player != seat || actions == 0 ||
            node.children.size() < actions || first.size() < 2 || second.size() < 2) {
            return result;
        }
        const quendal::CardCode a = quendal::parse_card(first.substr(0, 2));
        const quendal::CardCode b = quendal::parse_card(second.substr(0, 2));
        const quendal::CardContext& ctx = game.card_context();
        const quendal::PocketList& pockets = ctx.pockets[seat];
        if (a == b || pockets.empty() || ctx.pocket_weights[seat].size() != pockets.size()) {
            return result;
        }
        const auto it = std::find(pockets.begin(), pockets.end(), quendal::make_pocket(a, b));
        if (it == pockets.end()) {
            return result;
        }
        const std::size_t h = static_cast<std::size_t>(it - pockets.begin());
        const auto path = parents.path_to(index);
        if (!path) {
            return result;
        }
        const int opponent = 1 - seat;
        const std::uint64_t dead = node_dead_cards(game, node) | quendal::pocket_mask(*it);
        const std::vector<float> opp_reach =
            seat_reach_along(game, solver, *path, opponent, ctx.pocket_weights[opponent], dead);
        const double m = UnblockedWeight(ctx, opponent, opp_reach)(h);
        const double offset = ev_offset(game, node);
        const std::span<const float> reach(opp_reach);
        const std::vector<std::vector<float>> values =
            solver.compute_child_values(game, index, seat, std::span(&reach, 1));
        for (std::size_t action = 0; action < actions; ++action) {
            if (values[action].size() != pockets.size()) {
                return PocketActionEvsResult{};
            }
            result.evs.push_back(
                scaled_hand_value(values[action][h], ctx.matchup_normaliser, m, offset));
        }
        result.ok = true;
        return result;
    });
}

HandCombosResult compute_node_seat_hand_combos(const quendal::Game& game,
                                               quendal::DiscountedCfr& solver,
                                               const NodeParents& parents, std::uint64_t index,
                                               bool ip) {
    return guarded<HandCombosResult>([&] {
        HandCombosResult result;
        if (index >= game.nodes().size()) {
            return result;
        }
        const quendal::CardContext& ctx = game.card_context();
        const int seat = ip ? 1 : 0;
        const quendal::PocketList& pockets = ctx.pockets[seat];
        if (pockets.empty() || ctx.pocket_weights[seat].size() != pockets.size()) {
            return result;
        }
        const auto path = parents.path_to(index);
        if (!path) {
            return result;
        }
        // Hands holding a dead card, or never getting here, have no weight.
        const std::vector<double> weights = seat_reach_weights(
            game, solver, *path, seat, node_dead_cards(game, game.nodes()[index]));
        for (std::size_t h = 0; h < pockets.size(); ++h) {
            if (!(weights[h] > 0.0)) {
                continue;
            }
            HandComboRecord row;
            row.c1 =
                quendal::card_to_string(static_cast<std::int8_t>(quendal::pocket_low(pockets[h])));
            row.c2 =
                quendal::card_to_string(static_cast<std::int8_t>(quendal::pocket_high(pockets[h])));
            row.weight = weights[h];
            result.rows.push_back(std::move(row));
        }
        result.ok = true;
        return result;
    });
}

}  // namespace quendal_app
