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
    const std::vector<float> strategy = solver.average_strategy(0);
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
                       quendal::DiscountedCfr& solver, std::int32_t starting_pot) {
    const std::vector<quendal::NodeState>& nodes = game.nodes();
    snapshot.nodes.reserve(nodes.size());
    std::vector<float> frequencies;
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
        const std::vector<float> strategy = solver.average_strategy(i);
        frequencies.clear();
        meta.actions.reserve(node.actions.size());
        for (std::size_t j = 0; j < node.actions.size(); ++j) {
            SolveActionMeta action;
            action.label = action_display_label(node.actions[j], pot);
            action.code = action_code(node.actions[j], pot);
            action.child =
                j < node.children.size() ? static_cast<std::uint32_t>(node.children[j]) : 0;
            meta.actions.push_back(std::move(action));
            frequencies.push_back(usable_frequency(strategy, j));
        }
        normalise_frequencies(frequencies);
        for (std::size_t j = 0; j < meta.actions.size(); ++j) {
            meta.actions[j].frequency = frequencies[j];
        }
        snapshot.nodes.push_back(std::move(meta));
    }
}

}  // namespace quendal_app
