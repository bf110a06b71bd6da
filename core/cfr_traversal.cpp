// The training traversal of Discounted CFR: counterfactual values of the
// traversing seat's hands, with regret and strategy-sum updates at its own
// decision nodes.
#include "core/cfr_kernels.h"
#include "core/discounted_cfr.h"
#include "core/solver_profile.h"
#include "core/terminal_payoffs.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// Last: the definitions below are built for this compile's kernel path.
#include "core/kernel_path_target.h"

namespace quendal {

namespace {

void zero(std::span<float> out) {
    std::fill(out.begin(), out.end(), 0.0f);
}

// Replaces the locked entries of a strategy (a lock entry with its sign bit
// set is free). Returns true when every hand's action-0 entry is locked.
bool apply_node_lock(const std::vector<float>* lock, float* strategy, std::size_t actions,
                     std::size_t hands) {
    if (lock == nullptr || lock->empty()) {
        return false;
    }
    const std::vector<float>& l = *lock;
    bool fully = l.size() >= hands;
    for (std::size_t h = 0; fully && h < hands; ++h) {
        fully = !std::signbit(l[h]);
    }
    const std::size_t n = std::min(actions * hands, l.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::signbit(l[i])) {
            strategy[i] = l[i];
        }
    }
    return fully;
}

}  // namespace

template <KernelPath P>
void DiscountedCfr::solve_recursive(Game& game, std::size_t node, int seat,
                                    std::span<const float> reach, std::span<float> out,
                                    std::size_t depth, ScratchStack& scratch) {
    const NodeState& state = game.nodes()[node];
    if (state.type == kTerminalNode) {
        terminal_values<P>(game, node, seat, reach, out, scratch);
        return;
    }
    if (state.children.empty() || out.empty()) {
        zero(out);
        return;
    }
    if (state.type == kChanceNode) {
        evaluate_chance<P>(game, node, seat, reach, out, depth, scratch,
                           &DiscountedCfr::solve_recursive<P>, true);
    } else if (state.player == seat) {
        solve_own_decision<P>(game, node, seat, reach, out, depth, scratch);
    } else {
        solve_opponent_decision<P>(game, node, seat, reach, out, depth, scratch);
    }
}

template <KernelPath P>
void DiscountedCfr::solve_own_decision(Game& game, std::size_t node, int seat,
                                       std::span<const float> reach, std::span<float> out,
                                       std::size_t depth, ScratchStack& scratch) {
    const NodeState& state = game.nodes()[node];
    NodeInfo& info = nodes_[node];
    const std::size_t a_count = info.actions;
    const std::size_t hands = info.hands;
    if (hands != out.size()) {
        zero(out);
        return;
    }
    const std::span<float> regrets = info.regrets_view(compact_);
    const std::span<float> sums = info.strategy_sum_view(compact_);
    ScratchFrame& frame = scratch.frame(depth);
    float* values = ScratchFrame::ensure(frame.child_values, a_count * hands);
    for (std::size_t a = 0; a < a_count; ++a) {
        solve_recursive<P>(game, state.children[a], seat, reach,
                           std::span<float>(values + a * hands, hands), depth + 1, scratch);
    }
    float* strategy = ScratchFrame::ensure(frame.strategy, a_count * hands);
    float* totals = ScratchFrame::ensure(frame.strategy_totals, hands);
    const std::vector<float>* lock = game.find_node_lock(node);
    if ((lock == nullptr || lock->empty()) && !profile_enabled()) {
        // The common case in one pass; the profile times the steps one by one.
        update_own_node<P>(out.data(), regrets.data(), sums.data(), values, strategy, totals,
                           a_count, hands, discounts_.strategy_weight, discounts_.positive,
                           discounts_.negative);
        if (compact_) {
            info.compact_regrets_now();
            info.compact_strategy_sums_now();
        }
        return;
    }
    regret_matching<P>(strategy, totals, regrets.data(), a_count, hands);
    const bool fully_locked = apply_node_lock(lock, strategy, a_count, hands);
    fma_actions<P>(out.data(), strategy, values, a_count, hands);
    strategy_sum_update<P>(sums.data(), strategy, discounts_.strategy_weight, a_count * hands);

    if (!fully_locked) {
        if (lock == nullptr || lock->empty()) {
            update_regrets<P>(regrets.data(), values, out.data(), a_count, hands,
                              discounts_.positive, discounts_.negative);
        } else {
            for (std::size_t h = 0; h < hands; ++h) {
                if (h < lock->size() && !std::signbit((*lock)[h])) {
                    continue;  // a locked hand keeps its regrets
                }
                for (std::size_t a = 0; a < a_count; ++a) {
                    float& r = regrets[a * hands + h];
                    const float factor = r >= 0.0f ? discounts_.positive : discounts_.negative;
                    r = factor * r + values[a * hands + h] - out[h];
                }
            }
        }
    }
    if (compact_) {
        if (!fully_locked) {
            info.compact_regrets_now();
        }
        info.compact_strategy_sums_now();
    }
}

template <KernelPath P>
void DiscountedCfr::solve_opponent_decision(Game& game, std::size_t node, int seat,
                                            std::span<const float> reach, std::span<float> out,
                                            std::size_t depth, ScratchStack& scratch) {
    const NodeState& state = game.nodes()[node];
    if (state.children.size() == 1) {
        solve_recursive<P>(game, state.children[0], seat, reach, out, depth + 1, scratch);
        return;
    }
    NodeInfo& info = nodes_[node];
    const std::size_t a_count = info.actions;
    const std::size_t opp_hands = info.hands;
    if (opp_hands != reach.size()) {
        zero(out);
        return;
    }
    const std::size_t hands = out.size();
    ScratchFrame& frame = scratch.frame(depth);
    const float* child_reach =
        child_reach_rows<P>(game, node, a_count, opp_hands, reach, scratch, frame, true);
    float* values = ScratchFrame::ensure(frame.child_values, a_count * hands);
    for (std::size_t a = 0; a < a_count; ++a) {
        solve_recursive<P>(game, state.children[a], seat,
                           std::span<const float>(child_reach + a * opp_hands, opp_hands),
                           std::span<float>(values + a * hands, hands), depth + 1, scratch);
    }
    sum_actions_double<P>(out.data(), values, a_count, hands);
}

template <KernelPath P>
void DiscountedCfr::evaluate_terminal(Game& game, const NodeState& state, int seat,
                                      std::span<const float> reach, std::span<float> out,
                                      RunoutScratch& scratch) {
    const CardContext& ctx = game.card_context();
    const bool flop_all_in = state.last_action != kFold && state.turn == kNoCard;
    const bool sizes_ok =
        reach.size() == ctx.pockets[1 - seat].size() && out.size() == ctx.pockets[seat].size();
    if (!flop_all_in || !sizes_ok || !pool_ || threads_ < 2) {
        terminal_eval<P>(game, state, seat, reach, out);
        return;
    }
    ProfileScope terminal(kProfileTerminalEval);
    ProfileScope scope(kProfileIncomplete);
    std::vector<RunoutPair>& runouts = scratch.runouts;
    const std::size_t divisor = incomplete_board_runouts(game, state, runouts);
    const std::size_t n = runouts.size();
    const std::size_t hands = out.size();
    float* rows = ScratchFrame::ensure(scratch.values, 2 * n * hands);
    if (scratch.swept.size() < n) {
        scratch.swept.resize(n);
    }
    std::uint8_t* swept = scratch.swept.data();
    parallel_for(n, [&](std::size_t begin, std::size_t end) {
        for (std::size_t r = begin; r < end; ++r) {
            float* win = rows + 2 * r * hands;
            float* loss = win + hands;
            std::fill(win, loss + hands, 0.0f);
            swept[r] = sweep_incomplete_runout<P>(game, state, runouts[r], seat, reach,
                                                  std::span<float>(win, hands),
                                                  std::span<float>(loss, hands))
                           ? 1
                           : 0;
        }
    });
    // Each hand adds its runouts in order, wins before losses, as the serial
    // sweep does; hands are independent, so they are split over the pool.
    zero(out);
    parallel_for(hands, [&](std::size_t begin, std::size_t end) {
        for (std::size_t row = 0; row < 2 * n; ++row) {
            axpy<P>(out.data() + begin, rows + row * hands + begin, end - begin, 1.0f);
        }
    });
    const std::size_t swept_count = static_cast<std::size_t>(std::count(swept, swept + n, 1));
    scale_incomplete_values(out, swept_count, divisor);
}

template <KernelPath P>
void DiscountedCfr::opponent_child_reach(Game& game, std::size_t node, std::size_t a_count,
                                         std::size_t opp_hands, std::span<const float> reach,
                                         float* rows, ScratchFrame& frame, bool training) {
    const std::vector<float>* lock = training ? game.find_node_lock(node) : nullptr;
    if (training && (lock == nullptr || lock->empty()) && reach.size() == opp_hands) {
        // No lock to apply: the strategy goes straight into the reach rows.
        float* totals = ScratchFrame::ensure(frame.opponent_totals, opp_hands);
        regret_matching_reach<P>(rows, totals, nodes_[node].regrets_view(compact_).data(),
                                 reach.data(), a_count, opp_hands);
        return;
    }
    float* strategy = ScratchFrame::ensure(frame.opponent_strategy, a_count * opp_hands);
    if (training) {
        NodeInfo& info = nodes_[node];
        const std::span<float> regrets = info.regrets_view(compact_);
        float* totals = ScratchFrame::ensure(frame.opponent_totals, opp_hands);
        regret_matching<P>(strategy, totals, regrets.data(), a_count, opp_hands);
        apply_node_lock(lock, strategy, a_count, opp_hands);
    } else {
        average_strategy_into<P>(node, strategy);
    }
    for (std::size_t a = 0; a < a_count; ++a) {
        const float* s = strategy + a * opp_hands;
        float* row = rows + a * opp_hands;
        if (reach.size() == opp_hands) {
            multiply_into<P>(row, s, reach.data(), opp_hands);
            continue;
        }
        for (std::size_t o = 0; o < opp_hands; ++o) {
            row[o] = s[o] * (o < reach.size() ? reach[o] : 0.0f);
        }
    }
}

template <KernelPath P>
const float* DiscountedCfr::child_reach_rows(Game& game, std::size_t node, std::size_t a_count,
                                             std::size_t opp_hands, std::span<const float> reach,
                                             ScratchStack& scratch, ScratchFrame& frame,
                                             bool training) {
    if (const float* recorded = scratch.batched(node)) {
        return recorded;
    }
    float* rows = ScratchFrame::ensure(frame.child_reach, a_count * opp_hands);
    opponent_child_reach<P>(game, node, a_count, opp_hands, reach, rows, frame, training);
    return rows;
}

template <KernelPath P>
void DiscountedCfr::terminal_values(Game& game, std::size_t node, int seat,
                                    std::span<const float> reach, std::span<float> out,
                                    ScratchStack& scratch) {
    if (const float* recorded = scratch.batched(node)) {
        std::copy(recorded, recorded + out.size(), out.begin());
        return;
    }
    evaluate_terminal<P>(game, game.nodes()[node], seat, reach, out, scratch.runouts());
}

#ifndef QUENDAL_COMPILING_AVX2_PATH
// Path-independent: built once, in the portable compile.
void DiscountedCfr::prefetch_arrays(std::size_t first, std::size_t last, int seat,
                                    bool training) const {
    const auto fetch = [](std::span<const float> array) {
        const char* bytes = reinterpret_cast<const char*>(array.data());
        const std::size_t size = array.size() * sizeof(float);
        for (std::size_t b = 0; b < size; b += 64) {
            __builtin_prefetch(bytes + b, 0, 2);  // into the second-level cache
        }
    };
    last = std::min(last, nodes_.size());
    for (std::size_t i = first; i < last; ++i) {
        const NodeInfo& info = nodes_[i];
        if (!info.active) {
            continue;
        }
        // Training reads every node's regrets and the traversing seat's
        // strategy sums; the read-only traversals the opponent's strategy sums.
        const bool own = info.player == seat;
        if (training) {
            fetch(info.regrets);
        }
        if (training == own) {
            fetch(info.strategy_sums);
        }
    }
}
#endif

template <KernelPath P>
void DiscountedCfr::evaluate_chance(Game& game, std::size_t node, int seat,
                                    std::span<const float> reach, std::span<float> out,
                                    std::size_t depth, ScratchStack& scratch, Recurse recurse,
                                    bool training) {
    const NodeState& state = game.nodes()[node];
    const std::size_t children = state.children.size();
    const std::size_t hands = out.size();
    ScratchFrame& frame = scratch.frame(depth);

    float unseen = unseen_card_count(state);
    if (unseen <= 0.0f) {
        unseen = static_cast<float>(children);
    }
    float* scaled = ScratchFrame::ensure(frame.scaled_reach, reach.size());
    scale_into<P>(scaled, reach.data(), 1.0f / unseen, reach.size());
    const std::span<const float> child_reach(scaled, reach.size());
    float* rows = ScratchFrame::ensure(frame.chance_values, children * hands);
    frame.chance_children = children;
    frame.chance_hands = hands;

    // Positions to evaluate: each distinct child once.
    std::vector<std::uint16_t>& positions = frame.distinct_positions;
    std::vector<std::uint16_t>& map = frame.position_map;
    positions.clear();
    const bool distinct = distinct_children_[node] != 0;
    const bool repeats = training && !distinct;
    if (repeats) {
        map.assign(children, 0);
        for (std::size_t c = 0; c < children; ++c) {
            std::size_t first = c;
            for (std::size_t p = 0; p < c; ++p) {
                if (state.children[p] == state.children[c]) {
                    first = p;
                    break;
                }
            }
            map[c] = static_cast<std::uint16_t>(first);
            if (first == c) {
                positions.push_back(static_cast<std::uint16_t>(c));
            }
        }
    } else {
        for (std::size_t c = 0; c < children; ++c) {
            positions.push_back(static_cast<std::uint16_t>(c));
        }
    }

    // Every river card's subtree is the same betting tree, its nodes numbered
    // in one run, so one subtree's length gives where the next one ends.
    // While one is traversed, the next one's arrays are fetched: at the
    // subtree's scale they come from memory, at every visit.
    const std::size_t river_subtree =
        state.street == 2 && positions.size() >= 2 &&
                state.children[positions[1]] > state.children[positions[0]]
            ? state.children[positions[1]] - state.children[positions[0]]
            : 0;
    const auto evaluate = [&](std::size_t begin, std::size_t end, ScratchStack& stack) {
        for (std::size_t k = begin; k < end; ++k) {
            const std::size_t c = positions[k];
            if (river_subtree != 0 && k + 1 < end) {
                const std::size_t next = state.children[positions[k + 1]];
                prefetch_arrays(next, next + river_subtree, seat, training);
            }
            const std::span<float> row(rows + c * hands, hands);
            if (state.street == 1 || state.street == 2) {
                solve_street<P>(game, state.children[c], seat, child_reach, row, depth + 1, stack,
                                recurse, training);
            } else {
                (this->*recurse)(game, state.children[c], seat, child_reach, row, depth + 1, stack);
            }
        }
    };
    const bool parallel =
        pool_ && threads_ >= 2 && positions.size() >= 2 &&
        (training ? depth <= 8 && children >= 6 && hands >= 64 && hands * children >= 1536
                  : distinct && !scratch.inside_chance_chunk);
    if (parallel && training) {
        // Each chunk borrows a stack of its own: frames are never shared between threads.
        parallel_for(positions.size(), [&](std::size_t begin, std::size_t end) {
            ScratchPool::Lease lease(chunk_scratch_);
            lease.stack().inside_chance_chunk = false;
            evaluate(begin, end, lease.stack());
        });
    } else if (parallel) {
        // Read-only traversals fan out at the first chance node of a line
        // only, one child per task so that the pool balances unequal
        // subtrees; nested fan-outs would cost more in hand-offs than they
        // gain. Each child's row is written on its own, so the values are
        // those of the serial loop.
        quendal::parallel_for(*pool_, positions.size(), positions.size(),
                              [&](std::size_t begin, std::size_t end) {
                                  ScratchPool::Lease lease(chunk_scratch_);
                                  lease.stack().inside_chance_chunk = true;
                                  evaluate(begin, end, lease.stack());
                              });
    } else {
        evaluate(0, positions.size(), scratch);
    }
    if (repeats) {
        for (std::size_t c = 0; c < children; ++c) {
            if (map[c] != c) {
                std::memcpy(rows + c * hands, rows + map[c] * hands, hands * sizeof(float));
            }
        }
    }

    float* acc = ScratchFrame::ensure(frame.chance_accumulator, hands);
    std::fill(acc, acc + hands, 0.0f);
    sum_rows_into<P>(acc, rows, children, hands);

    // Folded cards: their image's row with the swapped hands exchanged.
    const SuitIsomorphism& iso = game.card_context().suit_isomorphism;
    const std::vector<std::uint8_t>* images = nullptr;
    if (state.street == 1) {
        images = &iso.flop_image_index;
    } else if (state.street == 2 && state.turn != kNoCard) {
        images = &iso.river_image_index[state.turn];
    }
    if (images != nullptr) {
        float* buffer = ScratchFrame::ensure(frame.swap_buffer, hands);
        for (std::size_t k = 0; k < images->size(); ++k) {
            const std::size_t c = (*images)[k];
            if (c >= children) {
                continue;
            }
            const SwapPairs& pairs = game.select_board_table(state, k)[seat];
            if (pairs.empty()) {
                axpy<P>(acc, rows + c * hands, hands, 1.0f);
                continue;
            }
            std::memcpy(buffer, rows + c * hands, hands * sizeof(float));
            for (const auto& [i, j] : pairs) {
                if (i < hands && j < hands) {
                    std::swap(buffer[i], buffer[j]);
                }
            }
            axpy<P>(acc, buffer, hands, 1.0f);
        }
    }
    std::copy(acc, acc + hands, out.begin());
}

template void DiscountedCfr::solve_recursive<kBuildPath>(Game&, std::size_t, int,
                                                         std::span<const float>, std::span<float>,
                                                         std::size_t, ScratchStack&);
template void DiscountedCfr::opponent_child_reach<kBuildPath>(Game&, std::size_t, std::size_t,
                                                              std::size_t, std::span<const float>,
                                                              float*, ScratchFrame&, bool);
template const float* DiscountedCfr::child_reach_rows<kBuildPath>(Game&, std::size_t, std::size_t,
                                                                  std::size_t,
                                                                  std::span<const float>,
                                                                  ScratchStack&, ScratchFrame&,
                                                                  bool);
template void DiscountedCfr::terminal_values<kBuildPath>(Game&, std::size_t, int,
                                                         std::span<const float>, std::span<float>,
                                                         ScratchStack&);
template void DiscountedCfr::evaluate_chance<kBuildPath>(Game&, std::size_t, int,
                                                         std::span<const float>, std::span<float>,
                                                         std::size_t, ScratchStack&, Recurse, bool);
template void DiscountedCfr::evaluate_terminal<kBuildPath>(Game&, const NodeState&, int,
                                                           std::span<const float>, std::span<float>,
                                                           RunoutScratch&);

}  // namespace quendal
