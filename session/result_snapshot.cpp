#include "session/result_snapshot.h"

#include "session/action_labels.h"

#include <array>
#include <cmath>
#include <unordered_map>

namespace quendal_app {

namespace {

float usable_frequency(const std::vector<float>& strategy, std::size_t i) {
    if (i >= strategy.size()) {
        return 0.0f;
    }
    const float f = strategy[i];
    return std::isfinite(f) && f >= 0.0f ? f : 0.0f;
}

// The label and code ids of actions, each text made once: the same betting
// recurs below every dealt card, so few (kind, amount, pot) are distinct.
class ActionTexts {
public:
    struct Ids {
        std::uint32_t label = 0;
        std::uint32_t code = 0;
    };

    explicit ActionTexts(NodeMetaList& list) : list_(list) {}

    Ids operator()(const quendal::PlanAction& action, std::int32_t pot) {
        // Only bets and raises read the pot.
        const bool sized = action.kind == quendal::kBet || action.kind == quendal::kRaise;
        const Key key{action.kind, action.amount, sized ? pot : 0};
        const auto [it, added] = made_.try_emplace(key);
        if (added) {
            it->second = {list_.intern(action_display_label(action, pot)),
                          list_.intern(action_code(action, pot))};
        }
        return it->second;
    }

private:
    struct Key {
        std::uint8_t kind = 0;
        std::int32_t amount = 0;
        std::int32_t pot = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            const std::uint64_t bits =
                (static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.pot)) << 32) |
                static_cast<std::uint32_t>(k.amount);
            return std::hash<std::uint64_t>()(bits * 31 + k.kind);
        }
    };
    NodeMetaList& list_;
    std::unordered_map<Key, Ids, KeyHash> made_;
};

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
    std::size_t action_total = 0;
    for (const quendal::NodeState& node : nodes) {
        action_total += node.actions.size();
    }
    NodeMetaList list;
    list.reserve(nodes.size(), action_total);
    const std::uint32_t decision = list.intern("decision");
    const std::uint32_t chance = list.intern("chance");
    const std::uint32_t terminal = list.intern("terminal");
    const std::uint32_t turn = list.intern("turn");
    const std::uint32_t river = list.intern("river");
    const std::array<std::uint32_t, 2> seats = {list.intern("OOP"), list.intern("IP")};
    ActionTexts texts(list);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const quendal::NodeState& node = nodes[i];
        NodeMetaList::Node meta;
        if (node.type == quendal::kDecisionNode) {
            meta.kind = decision;
            meta.player = seats[node.player == 0 ? 0 : 1];
        } else if (node.type == quendal::kChanceNode) {
            meta.kind = chance;
            meta.street = node.turn == quendal::kNoCard    ? turn
                          : node.river == quendal::kNoCard ? river
                                                           : 0;
        } else {
            meta.kind = terminal;
        }
        meta.pot = node.pot;
        meta.invested_oop = node.contribution_oop;
        meta.invested_ip = node.contribution_ip;
        meta.action_count = static_cast<std::uint32_t>(node.actions.size());
        list.add_node(meta);
        const std::int32_t pot = node.pot > 0 ? node.pot : starting_pot;
        for (std::size_t j = 0; j < node.actions.size(); ++j) {
            const ActionTexts::Ids ids = texts(node.actions[j], pot);
            list.add_action(
                {ids.label, ids.code, 0.0f,
                 j < node.children.size() ? static_cast<std::uint32_t>(node.children[j]) : 0u});
        }
    }

    // Decision nodes: the reach-weighted frequencies, every node's reach from
    // one walk down the tree. A node the walk does not reach keeps the plain
    // mean; chance nodes have none.
    const auto set_frequencies = [&](std::size_t i, const std::vector<float>& strategy) {
        for (std::size_t j = 0; j < nodes[i].actions.size(); ++j) {
            list.mutable_action(i, j).frequency = usable_frequency(strategy, j);
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
        const std::size_t count = nodes[i].actions.size();
        frequencies.clear();
        for (std::size_t j = 0; j < count; ++j) {
            frequencies.push_back(list.action(i, j).frequency);
        }
        normalise_frequencies(frequencies);
        for (std::size_t j = 0; j < count; ++j) {
            list.mutable_action(i, j).frequency = frequencies[j];
        }
    }
    snapshot.nodes = std::move(list);
}

}  // namespace quendal_app
