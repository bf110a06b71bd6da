#include "session/node_lock_expansion.h"

#include "session/action_labels.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace quendal_app {

namespace {

struct LockEntry {
    std::int64_t action_index = 0;
    float probability = 1.0f;
    std::vector<float> probabilities;
};

float clamp_probability(float p) {
    if (std::isnan(p)) {
        return 0.0f;
    }
    return std::clamp(p, 0.0f, 1.0f);
}

bool fits(const LockEntry& entry, std::size_t actions) {
    if (!entry.probabilities.empty()) {
        return entry.probabilities.size() == actions;
    }
    return entry.action_index >= 0 && static_cast<std::uint64_t>(entry.action_index) < actions;
}

// Writes the hand's column of the action-major strategy.
void write_hand(const LockEntry& entry, std::size_t actions, std::size_t hands, std::size_t h,
                std::vector<float>& strategy) {
    if (!entry.probabilities.empty()) {
        double sum = 0.0;
        for (const float p : entry.probabilities) {
            if (std::isfinite(p) && p > 0.0f) {
                sum += p;
            }
        }
        for (std::size_t a = 0; a < actions; ++a) {
            const float p = entry.probabilities[a];
            strategy[a * hands + h] =
                sum > 0.0 ? (std::isfinite(p) && p > 0.0f ? static_cast<float>(p / sum) : 0.0f)
                          : 1.0f / static_cast<float>(actions);
        }
        return;
    }
    if (actions == 1) {
        strategy[h] = 1.0f;
        return;
    }
    const float p = clamp_probability(entry.probability);
    const float rest = (1.0f - p) / static_cast<float>(actions - 1);
    for (std::size_t a = 0; a < actions; ++a) {
        strategy[a * hands + h] = static_cast<std::int64_t>(a) == entry.action_index ? p : rest;
    }
}

}  // namespace

void apply_solve_node_locks(quendal::Game& game, const std::vector<SolveNodeLock>& locks) {
    const std::size_t node_count = game.nodes().size();
    std::map<std::uint64_t, std::map<std::string, LockEntry>> by_node;
    for (const SolveNodeLock& lock : locks) {
        if (lock.hand.empty() || lock.node_index >= node_count) {
            continue;
        }
        by_node[lock.node_index][lock.hand] =
            LockEntry{lock.action_index, clamp_probability(lock.action_prob), lock.action_probs};
    }
    const quendal::CardContext& context = game.card_context();
    for (auto& [node_index, entries] : by_node) {
        const quendal::NodeState& node = game.nodes()[node_index];
        const std::size_t actions = node.actions.size();
        if (node.type != quendal::kDecisionNode || actions == 0) {
            continue;
        }
        std::erase_if(entries, [&](const auto& item) { return !fits(item.second, actions); });
        if (entries.empty()) {
            continue;
        }
        const quendal::PocketList& pockets = context.pockets[node.player];
        const std::size_t hands = pockets.size();
        if (hands == 0) {
            continue;
        }
        std::vector<float> strategy(actions * hands, -1.0f);
        bool any = false;
        for (std::size_t h = 0; h < hands; ++h) {
            const auto it = entries.find(hand_class_label(pockets[h]));
            if (it == entries.end()) {
                continue;
            }
            write_hand(it->second, actions, hands, h, strategy);
            any = true;
        }
        if (any) {
            game.set_node_lock(node_index, std::move(strategy));
        }
    }
}

}  // namespace quendal_app
