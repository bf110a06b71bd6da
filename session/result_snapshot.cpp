#include "session/result_snapshot.h"

#include "session/action_labels.h"

#include <cmath>

namespace quendal_app {

namespace {

float usable_frequency(const std::vector<float>& strategy, std::size_t i) {
    if (i >= strategy.size()) {
        return 0.0f;
    }
    const float f = strategy[i];
    return std::isfinite(f) && f >= 0.0f ? f : 0.0f;
}

const char* kind_text(std::uint8_t type) {
    switch (type) {
        case quendal::kDecisionNode:
            return "decision";
        case quendal::kChanceNode:
            return "chance";
        default:
            return "terminal";
    }
}

}  // namespace

void normalise_frequencies(std::vector<float>& frequencies) {
    if (frequencies.empty()) {
        return;
    }
    double sum = 0.0;
    for (const float f : frequencies) {
        sum += f;
    }
    for (float& f : frequencies) {
        f = sum > 0.0 ? static_cast<float>(f / sum) : 1.0f / static_cast<float>(frequencies.size());
    }
}

void fill_root_actions(SolveResultSnapshot& snapshot, const quendal::Game& game,
                       quendal::DiscountedCfr& solver, std::int32_t starting_pot) {
    if (game.nodes().empty()) {
        return;
    }
    const quendal::NodeState& root = game.nodes()[0];
    const std::int32_t pot = starting_pot > 0 ? starting_pot : root.pot;
    std::vector<float> strategy;
    if (root.type == quendal::kDecisionNode) {
        // At the root every hand's reach weight is its range weight.
        const std::vector<double> weights =
            seat_reach_weights(game, solver, {}, root.player, node_dead_cards(game, root));
        strategy = reach_weighted_frequencies(solver.average_strategy_flat(0), root.actions.size(),
                                              weights.size(), weights);
    }
    std::vector<float> frequencies;
    for (std::size_t i = 0; i < root.actions.size(); ++i) {
        snapshot.root_action_labels.push_back(action_display_label(root.actions[i], pot));
        snapshot.root_action_codes.push_back(action_code(root.actions[i], pot));
        frequencies.push_back(usable_frequency(strategy, i));
    }
    normalise_frequencies(frequencies);
    snapshot.root_action_frequencies = std::move(frequencies);
}

void fill_node_records(SolveResultSnapshot& snapshot, const quendal::Game& game,
                       quendal::DiscountedCfr& solver, const NodeParents& parents,
                       std::int32_t starting_pot) {
    const std::vector<quendal::NodeState>& nodes = game.nodes();
    snapshot.nodes.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const quendal::NodeState& node = nodes[i];
        SolveNodeMeta meta;
        meta.kind = kind_text(node.type);
        if (node.type == quendal::kDecisionNode) {
            meta.player = node.player == 0 ? "OOP" : "IP";
        } else if (node.type == quendal::kChanceNode) {
            meta.street = node.turn == quendal::kNoCard    ? "turn"
                          : node.river == quendal::kNoCard ? "river"
                                                           : "";
        }
        meta.pot = node.pot;
        meta.invested_oop = node.contribution_oop;
        meta.invested_ip = node.contribution_ip;
        const std::int32_t pot = node.pot > 0 ? node.pot : starting_pot;
        meta.actions.reserve(node.actions.size());
        for (std::size_t j = 0; j < node.actions.size(); ++j) {
            SolveActionMeta action;
            action.label = action_display_label(node.actions[j], pot);
            action.code = action_code(node.actions[j], pot);
            action.child =
                j < node.children.size() ? static_cast<std::uint32_t>(node.children[j]) : 0;
            meta.actions.push_back(std::move(action));
        }
        snapshot.nodes.push_back(std::move(meta));
    }

    // Decision nodes: the reach-weighted frequencies, every node's reach from
    // one walk down the tree. A node the walk does not reach keeps the plain
    // mean; chance nodes have none.
    const auto set_frequencies = [&](std::size_t i, const std::vector<float>& strategy) {
        for (std::size_t j = 0; j < snapshot.nodes[i].actions.size(); ++j) {
            snapshot.nodes[i].actions[j].frequency = usable_frequency(strategy, j);
        }
    };
    std::vector<bool> reached(nodes.size(), false);
    walk_decision_reach(
        game, solver, parents,
        [&](std::uint64_t i, const std::vector<float>& strategy, std::span<const double> weights) {
            set_frequencies(i, reach_weighted_frequencies(strategy, nodes[i].actions.size(),
                                                          weights.size(), weights));
            reached[i] = true;
        });
    std::vector<float> frequencies;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].type == quendal::kDecisionNode && !reached[i]) {
            set_frequencies(i, solver.average_strategy(i));
        }
        std::vector<SolveActionMeta>& actions = snapshot.nodes[i].actions;
        frequencies.clear();
        for (const SolveActionMeta& a : actions) {
            frequencies.push_back(a.frequency);
        }
        normalise_frequencies(frequencies);
        for (std::size_t j = 0; j < actions.size(); ++j) {
            actions[j].frequency = frequencies[j];
        }
    }
}

}  // namespace quendal_app
