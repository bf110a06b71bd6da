// Read-only traversals and result queries of the solved game: values under
// the average strategies, best responses, and the average strategy itself.
#include "core/cfr_kernels.h"
#include "core/discounted_cfr.h"
#include "core/solver_profile.h"
#include "core/terminal_payoffs.h"

#include <algorithm>
#include <cmath>

// Last: the definitions below are built for this compile's kernel path.
#include "core/kernel_path_target.h"

namespace quendal {

template <KernelPath P>
void DiscountedCfr::average_strategy_into(std::size_t node, float* out) {
    NodeInfo& info = nodes_[node];
    const std::size_t a_count = info.actions;
    const std::size_t hands = info.hands;
    const std::span<const float> sums = info.strategy_sum_view(compact_);
    const float uniform = 1.0f / static_cast<float>(a_count);
    if (sums.empty()) {
        std::fill(out, out + a_count * hands, uniform);
        return;
    }
    average_strategy_rows<P>(out, sums.data(), a_count, hands);
}

#ifndef QUENDAL_COMPILING_AVX2_PATH
// Public queries: built once, in the portable compile, they run on the path in
// use.

std::vector<float> DiscountedCfr::average_strategy_flat(std::size_t node) {
    if (node >= nodes_.size() || !nodes_[node].active || nodes_[node].actions == 0 ||
        nodes_[node].hands == 0) {
        return {};
    }
    std::vector<float> flat(nodes_[node].actions * nodes_[node].hands);
    with_kernel_path([&]<KernelPath P>() { average_strategy_into<P>(node, flat.data()); });
    return flat;
}

std::vector<float> DiscountedCfr::average_strategy(std::size_t node) {
    const std::vector<float> flat = average_strategy_flat(node);
    if (flat.empty()) {
        return {};
    }
    const std::size_t a_count = nodes_[node].actions;
    const std::size_t hands = nodes_[node].hands;
    std::vector<float> mean(a_count);
    for (std::size_t a = 0; a < a_count; ++a) {
        double sum = 0.0;
        for (std::size_t h = 0; h < hands; ++h) {
            sum += flat[a * hands + h];
        }
        mean[a] = static_cast<float>(sum / static_cast<double>(hands));
    }
    return mean;
}

#endif

template <KernelPath P, bool Best>
void DiscountedCfr::value_recursive(Game& game, std::size_t node, int seat,
                                    std::span<const float> reach, std::span<float> out,
                                    std::size_t depth, ScratchStack& scratch) {
    const NodeState& state = game.nodes()[node];
    const Recurse self = Best ? &DiscountedCfr::compute_best_cfvalue_recursive<P>
                              : &DiscountedCfr::compute_cfvalue_recursive<P>;
    if (state.type == kTerminalNode) {
        terminal_values<P>(game, node, seat, reach, out, scratch);
        return;
    }
    if (state.children.empty()) {
        std::fill(out.begin(), out.end(), 0.0f);
        return;
    }
    if (state.type == kChanceNode) {
        evaluate_chance<P>(game, node, seat, reach, out, depth, scratch, self, false);
        return;
    }
    const std::size_t a_count = state.children.size();
    const std::size_t hands = out.size();
    ScratchFrame& frame = scratch.frame(depth);
    if (state.player != seat) {
        if (a_count == 1) {
            (this->*self)(game, state.children[0], seat, reach, out, depth + 1, scratch);
            return;
        }
        const std::size_t opp_hands = nodes_[node].hands;
        const float* child_reach =
            child_reach_rows<P>(game, node, a_count, opp_hands, reach, scratch, frame, false);
        float* values = ScratchFrame::ensure(frame.child_values, a_count * hands);
        for (std::size_t a = 0; a < a_count; ++a) {
            (this->*self)(game, state.children[a], seat,
                          std::span<const float>(child_reach + a * opp_hands, opp_hands),
                          std::span<float>(values + a * hands, hands), depth + 1, scratch);
        }
        std::fill(out.begin(), out.end(), 0.0f);
        sum_rows_into<P>(out.data(), values, a_count, hands);
        return;
    }

    float* values = ScratchFrame::ensure(frame.child_values, a_count * hands);
    for (std::size_t a = 0; a < a_count; ++a) {
        (this->*self)(game, state.children[a], seat, reach,
                      std::span<float>(values + a * hands, hands), depth + 1, scratch);
    }
    if constexpr (!Best) {
        float* strategy = ScratchFrame::ensure(frame.strategy, a_count * hands);
        average_strategy_into<P>(node, strategy);
        fma_actions<P>(out.data(), strategy, values, a_count, hands);
    } else {
        const std::vector<float>* lock = game.find_node_lock(node);
        if (lock == nullptr) {
            // Each hand's best action, the first of equal ones, action by
            // action over all hands so that the compiler vectorises it.
            std::copy(values, values + hands, out.begin());
            for (std::size_t a = 1; a < a_count; ++a) {
                const float* row = values + a * hands;
                for (std::size_t h = 0; h < hands; ++h) {
                    out[h] = row[h] > out[h] ? row[h] : out[h];
                }
            }
            return;
        }
        const bool per_hand = lock->size() >= a_count * hands;
        const bool per_node = !per_hand && lock->size() == a_count;
        for (std::size_t h = 0; h < hands; ++h) {
            if (per_node || (per_hand && !std::signbit((*lock)[h]))) {
                double sum = 0.0;
                for (std::size_t a = 0; a < a_count; ++a) {
                    const float l = per_node ? (*lock)[a] : (*lock)[a * hands + h];
                    if (per_node || !std::signbit(l)) {
                        sum += static_cast<double>(l) * values[a * hands + h];
                    }
                }
                out[h] = static_cast<float>(sum);
                continue;
            }
            float best = values[h];
            for (std::size_t a = 1; a < a_count; ++a) {
                if (values[a * hands + h] > best) {
                    best = values[a * hands + h];
                }
            }
            out[h] = best;
        }
    }
}

template <KernelPath P>
void DiscountedCfr::compute_cfvalue_recursive(Game& game, std::size_t node, int seat,
                                              std::span<const float> reach, std::span<float> out,
                                              std::size_t depth, ScratchStack& scratch) {
    value_recursive<P, false>(game, node, seat, reach, out, depth, scratch);
}

template <KernelPath P>
void DiscountedCfr::compute_best_cfvalue_recursive(Game& game, std::size_t node, int seat,
                                                   std::span<const float> reach,
                                                   std::span<float> out, std::size_t depth,
                                                   ScratchStack& scratch) {
    value_recursive<P, true>(game, node, seat, reach, out, depth, scratch);
}

template <KernelPath P, bool Best>
std::array<float, 2> DiscountedCfr::root_values_sum(Game& game) {
    ProfileScope scope(Best ? kProfileMesEv : kProfileCurrentEv);
    const CardContext& ctx = game.card_context();
    ScratchStack scratch;
    std::array<float, 2> result{};
    for (int seat = 0; seat < 2; ++seat) {
        eval_values_[seat].assign(ctx.pockets[seat].size(), 0.0f);
        value_recursive<P, Best>(game, 0, seat, ctx.pocket_weights[1 - seat], eval_values_[seat], 0,
                                 scratch);
        const std::vector<float>& w = ctx.pocket_weights[seat];
        double sum = 0.0;
        for (std::size_t h = 0; h < std::min(w.size(), eval_values_[seat].size()); ++h) {
            sum += static_cast<double>(w[h]) * eval_values_[seat][h];
        }
        result[seat] = static_cast<float>(sum);
    }
    return result;
}

#ifndef QUENDAL_COMPILING_AVX2_PATH
// Public queries: built once, in the portable compile, they run on the path in
// use.

std::array<float, 2> DiscountedCfr::current_ev(Game& game) {
    return with_kernel_path([&]<KernelPath P>() { return root_values_sum<P, false>(game); });
}

std::array<float, 2> DiscountedCfr::mes_ev(Game& game) {
    return with_kernel_path([&]<KernelPath P>() { return root_values_sum<P, true>(game); });
}

std::vector<float> DiscountedCfr::compute_node_values(Game& game, std::size_t node, int seat) {
    return compute_node_values_with_reach(game, node, seat,
                                          game.card_context().pocket_weights[1 - seat]);
}

std::vector<float> DiscountedCfr::compute_node_values_with_reach(Game& game, std::size_t node,
                                                                 int seat,
                                                                 std::span<const float> reach) {
    std::vector<float> values(game.card_context().pockets[seat].size(), 0.0f);
    if (values.empty()) {
        return values;
    }
    ScratchStack scratch;
    with_kernel_path([&]<KernelPath P>() {
        value_recursive<P, false>(game, node, seat, reach, values, 0, scratch);
    });
    return values;
}

std::vector<std::vector<float>> DiscountedCfr::compute_child_values(
    Game& game, std::size_t node, int seat, std::span<const std::span<const float>> reaches) {
    const std::span<const std::uint64_t> children = game.nodes()[node].children;
    const std::size_t count = children.size();
    const std::size_t hands = game.card_context().pockets[seat].size();
    std::vector<std::vector<float>> values(reaches.size() * count, std::vector<float>(hands, 0.0f));
    if (hands == 0) {
        return values;
    }
    // The children one after another on this thread: the first chance node
    // of each line below hands its cards to the pool, which keeps every
    // worker busy without a second level of tasks waiting on the first.
    ScratchStack scratch;
    with_kernel_path([&]<KernelPath P>() {
        for (std::size_t c = 0; c < count; ++c) {
            for (std::size_t r = 0; r < reaches.size(); ++r) {
                value_recursive<P, false>(game, children[c], seat, reaches[r],
                                          values[r * count + c], 0, scratch);
            }
        }
    });
    return values;
}

#endif

template <KernelPath P>
float DiscountedCfr::measure_exploitability(Game& game) {
    ProfileScope scope(kProfileExploitability);
    const std::array<float, 2> best = root_values_sum<P, true>(game);
    if (game.config().rake_rate > 0.0) {
        const std::array<float, 2> current = root_values_sum<P, false>(game);
        const float d1 = best[1] - current[1];
        const float d0 = best[0] - current[0];
        return static_cast<float>(0.5 * (static_cast<double>(d1) + static_cast<double>(d0)));
    }
    return static_cast<float>(0.5 * (static_cast<double>(best[0]) + best[1]));
}

template void DiscountedCfr::average_strategy_into<kBuildPath>(std::size_t, float*);
template void DiscountedCfr::value_recursive<kBuildPath, false>(Game&, std::size_t, int,
                                                                std::span<const float>,
                                                                std::span<float>, std::size_t,
                                                                ScratchStack&);
template std::array<float, 2> DiscountedCfr::root_values_sum<kBuildPath, false>(Game&);
template std::array<float, 2> DiscountedCfr::root_values_sum<kBuildPath, true>(Game&);
template float DiscountedCfr::measure_exploitability<kBuildPath>(Game&);

}  // namespace quendal
