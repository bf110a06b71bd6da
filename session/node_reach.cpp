#include "session/node_reach.h"

#include "core/cfr_kernels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <deque>

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

double reach_weight(float weight, float reach) {
    if (!usable(weight) || !(reach > 0.0f)) {
        return 0.0;
    }
    const double w = static_cast<double>(weight) * reach;
    return std::isfinite(w) ? w : 0.0;
}

std::vector<double> seat_reach_weights(
    const quendal::Game& game, quendal::DiscountedCfr& solver,
    const std::vector<std::pair<std::uint64_t, std::uint32_t>>& path, int seat,
    std::uint64_t dead_cards) {
    const quendal::CardContext& ctx = game.card_context();
    const std::vector<float> ones(ctx.pockets[seat].size(), 1.0f);
    const std::vector<float> reach = seat_reach_along(game, solver, path, seat, ones, dead_cards);
    const std::vector<float>& range = ctx.pocket_weights[seat];
    std::vector<double> weights(reach.size(), 0.0);
    for (std::size_t h = 0; h < reach.size() && h < range.size(); ++h) {
        weights[h] = reach_weight(range[h], reach[h]);
    }
    return weights;
}

std::vector<double> live_range_weights(const quendal::Game& game, int seat,
                                       std::uint64_t dead_cards) {
    const quendal::CardContext& ctx = game.card_context();
    const quendal::PocketList& pockets = ctx.pockets[seat];
    const std::vector<float>& range = ctx.pocket_weights[seat];
    std::vector<double> weights(pockets.size(), 0.0);
    for (std::size_t h = 0; h < pockets.size() && h < range.size(); ++h) {
        if (usable(range[h]) && (quendal::pocket_mask(pockets[h]) & dead_cards) == 0) {
            weights[h] = range[h];
        }
    }
    return weights;
}

std::optional<std::vector<double>> acting_hand_weights(const quendal::Game& game,
                                                       quendal::DiscountedCfr& solver,
                                                       const NodeParents& parents,
                                                       std::uint64_t index,
                                                       const ActingNode& acting) {
    const auto path = parents.path_to(index);
    if (!path) {
        return std::nullopt;
    }
    const std::uint64_t dead = node_dead_cards(game, *acting.node);
    std::vector<double> weights = seat_reach_weights(game, solver, *path, acting.player, dead);
    if (std::none_of(weights.begin(), weights.end(), [](double w) { return w > 0.0; })) {
        weights = live_range_weights(game, acting.player, dead);
    }
    return weights;
}

std::vector<float> reach_weighted_frequencies(std::span<const float> strategy, std::size_t actions,
                                              std::size_t hands, std::span<const double> weights) {
    if (actions == 0 || hands == 0 || strategy.size() != actions * hands) {
        return {};
    }
    const std::size_t n = std::min(hands, weights.size());
    double total = 0.0;
    for (std::size_t h = 0; h < n; ++h) {
        total += weights[h];
    }
    std::vector<float> frequencies(actions);
    const bool weighted = total > 0.0 && std::isfinite(total);
    for (std::size_t a = 0; a < actions; ++a) {
        const float* row = strategy.data() + a * hands;
        double sum = 0.0;
        if (weighted) {
            // Four running sums, so that the additions overlap.
            double s[4] = {0.0, 0.0, 0.0, 0.0};
            std::size_t h = 0;
            for (; h + 4 <= n; h += 4) {
                for (std::size_t k = 0; k < 4; ++k) {
                    s[k] += weights[h + k] * row[h + k];
                }
            }
            for (; h < n; ++h) {
                s[0] += weights[h] * row[h];
            }
            sum = (s[0] + s[1]) + (s[2] + s[3]);
            frequencies[a] = static_cast<float>(sum / total);
        } else {
            // As the engine's plain mean computes it.
            for (std::size_t h = 0; h < hands; ++h) {
                sum += row[h];
            }
            frequencies[a] = static_cast<float>(sum / static_cast<double>(hands));
        }
    }
    return frequencies;
}

namespace {

// The walk of walk_decision_reach. A level's reach rows are written only
// where they differ from the level above (the acting seat's after its
// action, both seats' after a deal); the others point up.
class DecisionReachWalk {
public:
    DecisionReachWalk(const quendal::Game& game, quendal::DiscountedCfr& solver,
                      const NodeParents& parents, const DecisionReachVisitor& visit)
        : game_(game),
          ctx_(game.card_context()),
          solver_(solver),
          parents_(parents),
          visit_(visit) {
        for (int seat = 0; seat < 2; ++seat) {
            const quendal::PocketList& pockets = ctx_.pockets[seat];
            const std::vector<float>& range = ctx_.pocket_weights[seat];
            range_[seat].assign(pockets.size(), 0.0);
            for (std::size_t h = 0; h < pockets.size() && h < range.size(); ++h) {
                range_[seat][h] = usable(range[h]) ? range[h] : 0.0;
            }
            for (std::size_t h = 0; h < pockets.size(); ++h) {
                holders_[seat][quendal::pocket_low(pockets[h])].push_back(
                    static_cast<std::uint32_t>(h));
                holders_[seat][quendal::pocket_high(pockets[h])].push_back(
                    static_cast<std::uint32_t>(h));
            }
        }
    }

    void run() {
        const auto& nodes = game_.nodes();
        if (nodes.empty() || nodes[0].type == quendal::kTerminalNode) {
            return;
        }
        const std::uint64_t dead = node_dead_cards(game_, nodes[0]);
        std::array<const float*, 2> reach{};
        for (int seat = 0; seat < 2; ++seat) {
            float* row = level_row(0, seat);
            const quendal::PocketList& pockets = ctx_.pockets[seat];
            for (std::size_t h = 0; h < pockets.size(); ++h) {
                row[h] = (quendal::pocket_mask(pockets[h]) & dead) == 0 ? 1.0f : 0.0f;
            }
            reach[seat] = row;
        }
        walk(0, 0, dead, reach);
    }

private:
    float* level_row(std::size_t depth, int seat) {
        while (levels_.size() <= depth) {
            levels_.emplace_back();
            for (int s = 0; s < 2; ++s) {
                levels_.back()[s].resize(ctx_.pockets[s].size());
            }
        }
        return levels_[depth][seat].data();
    }

    void walk(std::uint64_t index, std::size_t depth, std::uint64_t dead,
              std::array<const float*, 2> reach) {
        const auto& nodes = game_.nodes();
        const quendal::NodeState& node = nodes[index];
        std::vector<float> strategy;
        const int player = node.player;
        const bool decision = node.type == quendal::kDecisionNode && (player == 0 || player == 1);
        std::size_t hands = 0;
        if (decision) {
            hands = ctx_.pockets[player].size();
            strategy = solver_.average_strategy_flat(index);
            if (strategy.size() != node.actions.size() * hands) {
                strategy.clear();
            }
            // As reach_weight gives them: a reach is a product of
            // probabilities, finite and not negative.
            const std::vector<double>& range = range_[player];
            weights_.resize(hands);
            for (std::size_t h = 0; h < hands; ++h) {
                weights_[h] = range[h] * reach[player][h];
            }
            visit_(index, strategy, weights_);
        }
        for (std::size_t k = 0; k < node.children.size(); ++k) {
            const std::uint64_t child = node.children[k];
            if (child >= nodes.size() || parents_.parent[child] != index ||
                parents_.position[child] != k || nodes[child].type == quendal::kTerminalNode) {
                continue;
            }
            std::array<const float*, 2> next = reach;
            if (decision && !strategy.empty() && k < node.actions.size()) {
                float* row = level_row(depth + 1, player);
                const float* taken = strategy.data() + k * hands;
                for (std::size_t h = 0; h < hands; ++h) {
                    const float p = taken[h];
                    row[h] = reach[player][h] * (usable(p) ? p : 0.0f);
                }
                next[player] = row;
            }
            const std::uint64_t child_dead = node_dead_cards(game_, nodes[child]);
            if (const std::uint64_t dealt = child_dead & ~dead; dealt != 0) {
                for (int seat = 0; seat < 2; ++seat) {
                    float* row = level_row(depth + 1, seat);
                    if (next[seat] != row) {
                        std::copy(next[seat], next[seat] + ctx_.pockets[seat].size(), row);
                    }
                    for (std::uint64_t cards = dealt; cards != 0; cards &= cards - 1) {
                        for (const std::uint32_t h : holders_[seat][std::countr_zero(cards)]) {
                            row[h] = 0.0f;
                        }
                    }
                    next[seat] = row;
                }
            }
            walk(child, depth + 1, child_dead, next);
        }
    }

    const quendal::Game& game_;
    const quendal::CardContext& ctx_;
    quendal::DiscountedCfr& solver_;
    const NodeParents& parents_;
    const DecisionReachVisitor& visit_;
    // One pair of rows per level of depth; a deque, so rows stay put as it grows.
    std::deque<std::array<std::vector<float>, 2>> levels_;
    // Each seat's range weights, 0 where not usable.
    std::array<std::vector<double>, 2> range_;
    // Each seat's hands holding a card, by card code.
    std::array<std::array<std::vector<std::uint32_t>, quendal::kCardCount>, 2> holders_;
    std::vector<double> weights_;
};

}  // namespace

void walk_decision_reach(const quendal::Game& game, quendal::DiscountedCfr& solver,
                         const NodeParents& parents, const DecisionReachVisitor& visit) {
    DecisionReachWalk(game, solver, parents, visit).run();
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
