// Flat-array kernels of the solver. Per-action data is action-major: A rows of
// H entries, entry (a, h) at a * H + h. Stateless and allocation-free; the
// timed ones count under their own profile metric.
#pragma once

#include <cstddef>

namespace quendal {

// dst[i] += s * src[i]; nothing at all when s is 0.
void axpy(float* dst, const float* src, std::size_t n, float s);

// out[h] = sum over a of strategy[a][h] * values[a][h].
void fma_actions(float* out, const float* strategy, const float* values, std::size_t actions,
                 std::size_t hands);

// R = (R >= 0 ? p : q) * R + Va, then R[a][h] -= v[h]. A NaN regret takes q.
void update_regrets(float* regrets, const float* action_values, const float* node_values,
                    std::size_t actions, std::size_t hands, float positive, float negative);

// Regret matching with a uniform fallback; `scratch` (H) ends holding the
// reciprocal of each hand's positive-regret sum, or 0.
void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t actions,
                     std::size_t hands);

// out[i] = a[i] * b[i].
void multiply_into(float* out, const float* a, const float* b, std::size_t n);

// S[i] = w * S[i] + sigma[i].
void strategy_sum_update(float* sums, const float* sigma, float weight, std::size_t n);

// out[h] += rows[r][h] for every row, in order; out is not cleared.
void sum_rows_into(float* out, const float* rows, std::size_t row_count, std::size_t hands);

// out[h] = sum over a of values[a][h], added in double precision in action
// order and rounded once.
void sum_actions_double(float* out, const float* values, std::size_t actions, std::size_t hands);

// out[i] = f * in[i].
void scale_into(float* out, const float* in, float factor, std::size_t n);

}  // namespace quendal
