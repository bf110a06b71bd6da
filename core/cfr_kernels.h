// Flat-array kernels of the solver. Per-action data is action-major: A rows of
// H entries, entry (a, h) at a * H + h. Stateless and allocation-free; the
// timed ones count under their own profile metric. Each kernel is built per
// kernel path (core/kernel_path.h); the plain names run the path in use.
#pragma once

#include "core/kernel_path.h"

#include <cstddef>

namespace quendal {

// dst[i] += s * src[i]; nothing at all when s is 0.
template <KernelPath P>
void axpy(float* dst, const float* src, std::size_t n, float s);

// out[h] = sum over a of strategy[a][h] * values[a][h].
template <KernelPath P>
void fma_actions(float* out, const float* strategy, const float* values, std::size_t actions,
                 std::size_t hands);

// R = (R >= 0 ? p : q) * R + Va, then R[a][h] -= v[h]. A NaN regret takes q.
template <KernelPath P>
void update_regrets(float* regrets, const float* action_values, const float* node_values,
                    std::size_t actions, std::size_t hands, float positive, float negative);

// Regret matching with a uniform fallback; `scratch` (H) ends holding the
// reciprocal of each hand's positive-regret sum, or 0.
template <KernelPath P>
void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t actions,
                     std::size_t hands);

// rows[a][h] = strategy[a][h] * reach[h], the strategy as regret_matching
// gives it (each product rounded once more); `scratch` as there.
template <KernelPath P>
void regret_matching_reach(float* rows, float* scratch, const float* regrets, const float* reach,
                           std::size_t actions, std::size_t hands);

// The average strategy from strategy sums: per hand, each action's sum
// (negative as 0) over the sum of the hand's kept sums, added in action
// order; 1 / A for every action of a hand whose kept sums add to no more
// than 0.
template <KernelPath P>
void average_strategy_rows(float* out, const float* sums, std::size_t actions, std::size_t hands);

// out[i] = a[i] * b[i].
template <KernelPath P>
void multiply_into(float* out, const float* a, const float* b, std::size_t n);

// S[i] = w * S[i] + sigma[i].
template <KernelPath P>
void strategy_sum_update(float* sums, const float* sigma, float weight, std::size_t n);

// out[h] += rows[r][h] for every row, in order; out is not cleared.
template <KernelPath P>
void sum_rows_into(float* out, const float* rows, std::size_t row_count, std::size_t hands);

// out[h] = sum over a of values[a][h], added in double precision in action
// order and rounded once.
template <KernelPath P>
void sum_actions_double(float* out, const float* values, std::size_t actions, std::size_t hands);

// out[i] = f * in[i].
template <KernelPath P>
void scale_into(float* out, const float* in, float factor, std::size_t n);

// The traversing seat's node without a lock, after its children: regret
// matching, the node value into out, the strategy sums and the regrets
// updated, with the operations of regret_matching, fma_actions,
// strategy_sum_update and update_regrets in their order (so the same bits),
// in one pass over the hands. `strategy` (A x H) and `scratch` (H) are
// working space whose contents are left unspecified. Untimed: the profile
// times those kernels one by one.
template <KernelPath P>
void update_own_node(float* out, float* regrets, float* sums, const float* values, float* strategy,
                     float* scratch, std::size_t actions, std::size_t hands, float weight,
                     float positive, float negative);

// The kernels of the path in use.
inline void axpy(float* dst, const float* src, std::size_t n, float s) {
    with_kernel_path([&]<KernelPath P>() { axpy<P>(dst, src, n, s); });
}
inline void fma_actions(float* out, const float* strategy, const float* values, std::size_t actions,
                        std::size_t hands) {
    with_kernel_path(
        [&]<KernelPath P>() { fma_actions<P>(out, strategy, values, actions, hands); });
}
inline void update_regrets(float* regrets, const float* action_values, const float* node_values,
                           std::size_t actions, std::size_t hands, float positive, float negative) {
    with_kernel_path([&]<KernelPath P>() {
        update_regrets<P>(regrets, action_values, node_values, actions, hands, positive, negative);
    });
}
inline void regret_matching(float* strategy, float* scratch, const float* regrets,
                            std::size_t actions, std::size_t hands) {
    with_kernel_path(
        [&]<KernelPath P>() { regret_matching<P>(strategy, scratch, regrets, actions, hands); });
}
inline void regret_matching_reach(float* rows, float* scratch, const float* regrets,
                                  const float* reach, std::size_t actions, std::size_t hands) {
    with_kernel_path([&]<KernelPath P>() {
        regret_matching_reach<P>(rows, scratch, regrets, reach, actions, hands);
    });
}
inline void average_strategy_rows(float* out, const float* sums, std::size_t actions,
                                  std::size_t hands) {
    with_kernel_path([&]<KernelPath P>() { average_strategy_rows<P>(out, sums, actions, hands); });
}
inline void multiply_into(float* out, const float* a, const float* b, std::size_t n) {
    with_kernel_path([&]<KernelPath P>() { multiply_into<P>(out, a, b, n); });
}
inline void strategy_sum_update(float* sums, const float* sigma, float weight, std::size_t n) {
    with_kernel_path([&]<KernelPath P>() { strategy_sum_update<P>(sums, sigma, weight, n); });
}
inline void sum_rows_into(float* out, const float* rows, std::size_t row_count, std::size_t hands) {
    with_kernel_path([&]<KernelPath P>() { sum_rows_into<P>(out, rows, row_count, hands); });
}
inline void sum_actions_double(float* out, const float* values, std::size_t actions,
                               std::size_t hands) {
    with_kernel_path([&]<KernelPath P>() { sum_actions_double<P>(out, values, actions, hands); });
}
inline void scale_into(float* out, const float* in, float factor, std::size_t n) {
    with_kernel_path([&]<KernelPath P>() { scale_into<P>(out, in, factor, n); });
}
inline void update_own_node(float* out, float* regrets, float* sums, const float* values,
                            float* strategy, float* scratch, std::size_t actions, std::size_t hands,
                            float weight, float positive, float negative) {
    with_kernel_path([&]<KernelPath P>() {
        update_own_node<P>(out, regrets, sums, values, strategy, scratch, actions, hands, weight,
                           positive, negative);
    });
}

}  // namespace quendal
