#include "session/node_reach.h"

#include "core/cfr_kernels.h"

#include <cmath>
#include <cstring>

namespace quendal_app {

namespace {

bool usable(float x) {
    return x > 0.0f && std::isfinite(x);
}

}  // namespace

std::optional<ActingNode> acting_node(const quendal::Game& game, quendal::DiscountedCfr& solver,
                                      std::uint64_t index, bool need_children) {
    if (index >= game.nodes().size()) {
        return std::nullopt;
    }
    ActingNode a;
    a.node = &game.nodes()[index];
    a.actions = a.node->actions.size();
    if (a.node->type != quendal::kDecisionNode || a.actions == 0 ||
        (need_children && a.node->children.size() < a.actions)) {
        return std::nullopt;
    }
    const quendal::CardContext& ctx = game.card_context();
    a.player = a.node->player;
    a.hands = ctx.pockets[a.player].size();
    if (a.hands == 0 || ctx.pocket_weights[a.player].size() != a.hands) {
        return std::nullopt;
    }
    a.strategy = solver.average_strategy_flat(index);
    if (a.strategy.size() != a.actions * a.hands) {
        return std::nullopt;
    }
    return a;
}

std::optional<std::vector<std::vector<float>>> acting_child_values(
    quendal::Game& game, quendal::DiscountedCfr& solver, const ActingNode& acting,
    std::uint64_t index, std::span<const std::span<const float>> reaches) {
    const std::size_t children = acting.node->children.size();
    const std::size_t actions = acting.actions;
    const std::size_t hands = acting.hands;
    if (children < actions) {
        return std::nullopt;
    }
    const std::vector<std::vector<float>> values =
        solver.compute_child_values(game, index, acting.player, reaches);
    std::vector<std::vector<float>> blocks(reaches.size());
    for (std::size_t r = 0; r < reaches.size(); ++r) {
        blocks[r].resize(actions * hands);
        for (std::size_t a = 0; a < actions; ++a) {
            const std::vector<float>& row = values[r * children + a];
            if (row.size() != hands) {
                return std::nullopt;
            }
            std::copy(row.begin(), row.end(),
                      blocks[r].begin() + static_cast<std::ptrdiff_t>(a * hands));
        }
    }
    return blocks;
}

std::optional<std::vector<float>> acting_node_values(const ActingNode& acting,
                                                     const std::vector<float>& children) {
    const std::size_t actions = acting.actions;
    const std::size_t hands = acting.hands;
    if (acting.node->children.size() != actions || children.size() != actions * hands ||
        acting.strategy.size() != actions * hands) {
        return std::nullopt;
    }
    std::vector<float> values(hands, 0.0f);
    quendal::fma_actions(values.data(), acting.strategy.data(), children.data(), actions, hands);
    return values;
}

bool same_reach(std::span<const float> a, std::span<const float> b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0);
}

NodeParents::NodeParents(const quendal::Game& game)
    : parent(game.nodes().size(), kNone), position(game.nodes().size(), 0) {
    const auto& nodes = game.nodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        for (std::size_t k = 0; k < nodes[i].children.size(); ++k) {
            const std::uint64_t child = nodes[i].children[k];
            if (child < parent.size() && parent[child] == kNone && child != 0) {
                parent[child] = i;
                position[child] = static_cast<std::uint32_t>(k);
            }
        }
    }
}

std::optional<std::vector<std::pair<std::uint64_t, std::uint32_t>>> NodeParents::path_to(
    std::uint64_t node) const {
    std::vector<std::pair<std::uint64_t, std::uint32_t>> path;
    std::uint64_t at = node;
    while (at != 0) {
        if (at >= parent.size() || parent[at] == kNone || path.size() > parent.size()) {
            return std::nullopt;
        }
        path.emplace_back(parent[at], position[at]);
        at = parent[at];
    }
    return std::vector<std::pair<std::uint64_t, std::uint32_t>>(path.rbegin(), path.rend());
}

std::uint64_t node_dead_cards(const quendal::Game& game, const quendal::NodeState& node) {
    std::uint64_t dead = 0;
    for (const quendal::CardCode c : game.card_context().board_cards) {
        dead |= std::uint64_t{1} << c;
    }
    if (node.turn != quendal::kNoCard) {
        dead |= std::uint64_t{1} << node.turn;
    }
    if (node.river != quendal::kNoCard) {
        dead |= std::uint64_t{1} << node.river;
    }
    return dead;
}

std::vector<float> seat_reach_along(
    const quendal::Game& game, quendal::DiscountedCfr& solver,
    const std::vector<std::pair<std::uint64_t, std::uint32_t>>& path, int seat,
    std::span<const float> initial, std::uint64_t dead_cards) {
    const quendal::PocketList& pockets = game.card_context().pockets[seat];
    std::vector<float> reach(pockets.size(), 0.0f);
    for (std::size_t j = 0; j < pockets.size(); ++j) {
        const float w = j < initial.size() ? initial[j] : 0.0f;
        reach[j] = usable(w) && (quendal::pocket_mask(pockets[j]) & dead_cards) == 0 ? w : 0.0f;
    }
    for (const auto& [ancestor, taken] : path) {
        const quendal::NodeState& node = game.nodes()[ancestor];
        const std::size_t actions = node.actions.size();
        if (node.type != quendal::kDecisionNode || node.player != seat || taken >= actions) {
            continue;
        }
        const std::vector<float> strategy = solver.average_strategy_flat(ancestor);
        if (strategy.size() != actions * pockets.size()) {
            continue;
        }
        for (std::size_t j = 0; j < pockets.size(); ++j) {
            const float p = strategy[taken * pockets.size() + j];
            reach[j] *= usable(p) ? p : 0.0f;
        }
    }
    return reach;
}

UnblockedWeight::UnblockedWeight(const quendal::CardContext& ctx, int opponent,
                                 std::span<const float> weights)
    : ctx_(ctx), seat_(1 - opponent), weights_(weights) {
    const quendal::PocketList& pockets = ctx.pockets[opponent];
    for (std::size_t j = 0; j < pockets.size() && j < weights.size(); ++j) {
        if (usable(weights[j])) {
            total_ += weights[j];
            card_[quendal::pocket_low(pockets[j])] += weights[j];
            card_[quendal::pocket_high(pockets[j])] += weights[j];
        }
    }
}

double UnblockedWeight::operator()(std::size_t h) const {
    const quendal::Pocket pocket = ctx_.pockets[seat_][h];
    double same = 0.0;
    const quendal::PocketIndex index = ctx_.same_hand[seat_][h];
    if (index != quendal::kNoPocket && index < weights_.size() && usable(weights_[index])) {
        same = weights_[index];
    }
    const double m =
        total_ - card_[quendal::pocket_low(pocket)] - card_[quendal::pocket_high(pocket)] + same;
    return m > 0.0 && std::isfinite(m) ? m : 0.0;
}

double ev_offset(const quendal::Game& game, const quendal::NodeState& node) {
    const std::int32_t total = static_cast<std::int32_t>(
        static_cast<std::int64_t>(game.config().starting_pot) + 2 * std::int64_t{node.matched});
    return static_cast<double>(total) * 0.5;
}

double scaled_hand_value(double value, double normaliser, double unblocked, double offset) {
    double x = value;
    if (normaliser > 0.0 && unblocked > 0.0) {
        x *= normaliser / unblocked;
    }
    if (std::isfinite(offset) && offset > 0.0 && std::isfinite(x)) {
        x += offset;
    }
    return std::isfinite(x) ? x : 0.0;
}

}  // namespace quendal_app
