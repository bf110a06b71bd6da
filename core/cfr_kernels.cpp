#include "core/cfr_kernels.h"

#include "core/solver_profile.h"

#include <algorithm>

#ifdef QUENDAL_COMPILING_AVX2_PATH
#include <immintrin.h>
#define QUENDAL_KERNELS_AVX2 1
#endif

// Last: the definitions below are built for this compile's kernel path.
#include "core/kernel_path_target.h"

namespace quendal {

namespace {

#ifdef QUENDAL_KERNELS_AVX2
constexpr std::size_t kLanes = 8;
#endif

// out[i] = op(out[i], in[i]) style loops share this shape: eight lanes at a
// time where the vector path exists, then the remainder one by one.
template <typename Vector, typename Scalar>
void for_lanes(std::size_t n, Vector vector_op, Scalar scalar_op) {
    std::size_t i = 0;
#ifdef QUENDAL_KERNELS_AVX2
    for (; i + kLanes <= n; i += kLanes) {
        vector_op(i);
    }
#else
    (void)vector_op;
#endif
    for (; i < n; ++i) {
        scalar_op(i);
    }
}

// The kernels' scalar steps over hands [begin, hands) of every row: what is
// left after their eight-hand blocks, and all of it on the portable path.

// Regret matching; each probability then times reach[h] when reach is given.
void regret_matching_tail(float* out, float* scratch, const float* regrets, const float* reach,
                          std::size_t actions, std::size_t hands, std::size_t begin) {
    const float uniform = 1.0f / static_cast<float>(actions);
    // The first action sets the sums (0 + x is x for the non-negative x here).
    for (std::size_t a = 0; a < actions; ++a) {
        float* row = out + a * hands;
        const float* r = regrets + a * hands;
        for (std::size_t h = begin; h < hands; ++h) {
            const float kept = r[h] > 0.0f ? r[h] : 0.0f;
            row[h] = kept;
            scratch[h] = a == 0 ? kept : scratch[h] + kept;
        }
    }
    for (std::size_t h = begin; h < hands; ++h) {
        scratch[h] = scratch[h] > 0.0f ? 1.0f / scratch[h] : 0.0f;
    }
    for (std::size_t a = 0; a < actions; ++a) {
        float* row = out + a * hands;
        for (std::size_t h = begin; h < hands; ++h) {
            const float p = scratch[h] > 0.0f ? row[h] * scratch[h] : uniform;
            row[h] = reach != nullptr ? p * reach[h] : p;
        }
    }
}

void fma_actions_tail(float* out, const float* strategy, const float* values, std::size_t actions,
                      std::size_t hands, std::size_t begin) {
    for (std::size_t h = begin; h < hands; ++h) {
        out[h] = strategy[h] * values[h];
    }
    for (std::size_t a = 1; a < actions; ++a) {
        const float* s = strategy + a * hands;
        const float* v = values + a * hands;
        for (std::size_t h = begin; h < hands; ++h) {
            out[h] += s[h] * v[h];
        }
    }
}

void update_regrets_tail(float* regrets, const float* action_values, const float* node_values,
                         std::size_t actions, std::size_t hands, std::size_t begin, float positive,
                         float negative) {
    for (std::size_t a = 0; a < actions; ++a) {
        float* row = regrets + a * hands;
        const float* instant = action_values + a * hands;
        for (std::size_t h = begin; h < hands; ++h) {
            const float r = row[h];
            const float discounted = (r >= 0.0f ? positive : negative) * r + instant[h];
            row[h] = discounted - node_values[h];
        }
    }
}

// Where the eight-hand blocks end.
std::size_t vector_end([[maybe_unused]] std::size_t hands) {
#ifdef QUENDAL_KERNELS_AVX2
    return hands - hands % kLanes;
#else
    return 0;
#endif
}

}  // namespace

template <KernelPath P>
void axpy(float* dst, const float* src, std::size_t n, float s) {
    if (s == 0.0f) {
        return;
    }
    for_lanes(
        n,
        [&]([[maybe_unused]] std::size_t i) {
#ifdef QUENDAL_KERNELS_AVX2
            _mm256_storeu_ps(dst + i, _mm256_fmadd_ps(_mm256_set1_ps(s), _mm256_loadu_ps(src + i),
                                                      _mm256_loadu_ps(dst + i)));
#endif
        },
        [&](std::size_t i) { dst[i] += s * src[i]; });
}

template <KernelPath P>
void fma_actions(float* out, const float* strategy, const float* values, std::size_t actions,
                 std::size_t hands) {
    ProfileScope scope(kProfileFmaActions);
    if (actions == 0 || hands == 0) {
        return;
    }
    const std::size_t end = vector_end(hands);
#ifdef QUENDAL_KERNELS_AVX2
    // Eight hands at a time through every action, the sum held in a register.
    for (std::size_t h = 0; h < end; h += kLanes) {
        __m256 sum = _mm256_mul_ps(_mm256_loadu_ps(strategy + h), _mm256_loadu_ps(values + h));
        for (std::size_t a = 1; a < actions; ++a) {
            const std::size_t i = a * hands + h;
            sum = _mm256_fmadd_ps(_mm256_loadu_ps(strategy + i), _mm256_loadu_ps(values + i), sum);
        }
        _mm256_storeu_ps(out + h, sum);
    }
#endif
    fma_actions_tail(out, strategy, values, actions, hands, end);
}

template <KernelPath P>
void update_regrets(float* regrets, const float* action_values, const float* node_values,
                    std::size_t actions, std::size_t hands, float positive, float negative) {
    ProfileScope scope(kProfileUpdateRegrets);
    const std::size_t end = vector_end(hands);
#ifdef QUENDAL_KERNELS_AVX2
    for (std::size_t a = 0; a < actions; ++a) {
        float* row = regrets + a * hands;
        const float* instant = action_values + a * hands;
        for (std::size_t h = 0; h < end; h += kLanes) {
            const __m256 r = _mm256_loadu_ps(row + h);
            // Ordered compare: NaN fails it and takes the negative factor.
            const __m256 nonneg = _mm256_cmp_ps(r, _mm256_setzero_ps(), _CMP_GE_OQ);
            const __m256 factor =
                _mm256_blendv_ps(_mm256_set1_ps(negative), _mm256_set1_ps(positive), nonneg);
            const __m256 discounted = _mm256_fmadd_ps(factor, r, _mm256_loadu_ps(instant + h));
            _mm256_storeu_ps(row + h, _mm256_sub_ps(discounted, _mm256_loadu_ps(node_values + h)));
        }
    }
#endif
    update_regrets_tail(regrets, action_values, node_values, actions, hands, end, positive,
                        negative);
}

namespace {

// Regret matching, each probability then multiplied by reach[h] when reach
// is given (the product rounded once more, as multiply_into would).
template <KernelPath P>
void regret_matching_rows(float* out, float* scratch, const float* regrets, const float* reach,
                          std::size_t actions, std::size_t hands) {
    ProfileScope scope(kProfileRegretMatching);
    if (actions == 0 || hands == 0) {
        return;
    }
    const std::size_t end = vector_end(hands);
#ifdef QUENDAL_KERNELS_AVX2
    const float uniform = 1.0f / static_cast<float>(actions);
    // Eight hands at a time through every action: the positive parts and
    // their sum, then the division, the sum never leaving a register.
    const __m256 zero = _mm256_setzero_ps();
    const __m256 even = _mm256_set1_ps(uniform);
    for (std::size_t begin = 0; begin < end; begin += kLanes) {
        // max returns its second operand when either is NaN, so a NaN
        // regret gives 0, as the scalar comparison does.
        const float* r = regrets + begin;
        float* row = out + begin;
        __m256 sum = _mm256_max_ps(_mm256_loadu_ps(r), zero);
        _mm256_storeu_ps(row, sum);
        for (std::size_t a = 1; a < actions; ++a) {
            r += hands;
            row += hands;
            const __m256 kept = _mm256_max_ps(_mm256_loadu_ps(r), zero);
            _mm256_storeu_ps(row, kept);
            sum = _mm256_add_ps(sum, kept);
        }
        // Lanes without a positive sum divide too (masked exceptions) and
        // are then replaced by 0.
        const __m256 has_sum = _mm256_cmp_ps(sum, zero, _CMP_GT_OQ);
        const __m256 inv = _mm256_and_ps(_mm256_div_ps(_mm256_set1_ps(1.0f), sum), has_sum);
        _mm256_storeu_ps(scratch + begin, inv);
        const __m256 has = _mm256_cmp_ps(inv, zero, _CMP_GT_OQ);
        row = out + begin;
        if (reach == nullptr) {
            for (std::size_t a = 0; a < actions; ++a, row += hands) {
                const __m256 scaled = _mm256_mul_ps(_mm256_loadu_ps(row), inv);
                _mm256_storeu_ps(row, _mm256_blendv_ps(even, scaled, has));
            }
        } else {
            const __m256 weight = _mm256_loadu_ps(reach + begin);
            for (std::size_t a = 0; a < actions; ++a, row += hands) {
                const __m256 scaled = _mm256_mul_ps(_mm256_loadu_ps(row), inv);
                _mm256_storeu_ps(row, _mm256_mul_ps(_mm256_blendv_ps(even, scaled, has), weight));
            }
        }
    }
#endif
    regret_matching_tail(out, scratch, regrets, reach, actions, hands, end);
}

}  // namespace

template <KernelPath P>
void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t actions,
                     std::size_t hands) {
    regret_matching_rows<P>(strategy, scratch, regrets, nullptr, actions, hands);
}

template <KernelPath P>
void regret_matching_reach(float* rows, float* scratch, const float* regrets, const float* reach,
                           std::size_t actions, std::size_t hands) {
    regret_matching_rows<P>(rows, scratch, regrets, reach, actions, hands);
}

template <KernelPath P>
void average_strategy_rows(float* out, const float* sums, std::size_t actions, std::size_t hands) {
    if (actions == 0 || hands == 0) {
        return;
    }
    const float uniform = 1.0f / static_cast<float>(actions);
    // A block of hands at a time: first each hand's total over its actions,
    // added in action order, then every row divided by it.
    constexpr std::size_t kBlock = 256;
    float totals[kBlock];
    for (std::size_t begin = 0; begin < hands; begin += kBlock) {
        const std::size_t n = std::min(kBlock, hands - begin);
        std::fill(totals, totals + n, 0.0f);
        for (std::size_t a = 0; a < actions; ++a) {
            const float* row = sums + a * hands + begin;
            for_lanes(
                n,
                [&]([[maybe_unused]] std::size_t h) {
#ifdef QUENDAL_KERNELS_AVX2
                    // max(0, x) is x for a NaN x and for -0, as std::max(x, 0) is.
                    const __m256 kept =
                        _mm256_max_ps(_mm256_setzero_ps(), _mm256_loadu_ps(row + h));
                    _mm256_storeu_ps(totals + h, _mm256_add_ps(_mm256_loadu_ps(totals + h), kept));
#endif
                },
                [&](std::size_t h) { totals[h] += std::max(row[h], 0.0f); });
        }
        for (std::size_t a = 0; a < actions; ++a) {
            const float* row = sums + a * hands + begin;
            float* to = out + a * hands + begin;
            for_lanes(
                n,
                [&]([[maybe_unused]] std::size_t h) {
#ifdef QUENDAL_KERNELS_AVX2
                    // Lanes without a positive total divide too (masked
                    // exceptions) and then take the uniform probability.
                    const __m256 total = _mm256_loadu_ps(totals + h);
                    const __m256 has = _mm256_cmp_ps(total, _mm256_setzero_ps(), _CMP_GT_OQ);
                    const __m256 kept =
                        _mm256_max_ps(_mm256_setzero_ps(), _mm256_loadu_ps(row + h));
                    _mm256_storeu_ps(to + h, _mm256_blendv_ps(_mm256_set1_ps(uniform),
                                                              _mm256_div_ps(kept, total), has));
#endif
                },
                [&](std::size_t h) {
                    to[h] = totals[h] > 0.0f ? std::max(row[h], 0.0f) / totals[h] : uniform;
                });
        }
    }
}

template <KernelPath P>
void multiply_into(float* out, const float* a, const float* b, std::size_t n) {
    for_lanes(
        n,
        [&]([[maybe_unused]] std::size_t i) {
#ifdef QUENDAL_KERNELS_AVX2
            _mm256_storeu_ps(out + i,
                             _mm256_mul_ps(_mm256_loadu_ps(a + i), _mm256_loadu_ps(b + i)));
#endif
        },
        [&](std::size_t i) { out[i] = a[i] * b[i]; });
}

template <KernelPath P>
void strategy_sum_update(float* sums, const float* sigma, float weight, std::size_t n) {
    ProfileScope scope(kProfileStrategySumUpdate);
    for_lanes(
        n,
        [&]([[maybe_unused]] std::size_t i) {
#ifdef QUENDAL_KERNELS_AVX2
            _mm256_storeu_ps(sums + i,
                             _mm256_fmadd_ps(_mm256_set1_ps(weight), _mm256_loadu_ps(sums + i),
                                             _mm256_loadu_ps(sigma + i)));
#endif
        },
        [&](std::size_t i) { sums[i] = weight * sums[i] + sigma[i]; });
}

template <KernelPath P>
void sum_rows_into(float* out, const float* rows, std::size_t row_count, std::size_t hands) {
    ProfileScope scope(kProfileSumRowsInto);
    for (std::size_t r = 0; r < row_count; ++r) {
        axpy<P>(out, rows + r * hands, hands, 1.0f);
    }
}

template <KernelPath P>
void sum_actions_double(float* out, const float* values, std::size_t actions, std::size_t hands) {
    std::size_t h = 0;
#ifdef QUENDAL_KERNELS_AVX2
    // Eight hands at a time, as two four-lane double sums.
    for (; h + kLanes <= hands; h += kLanes) {
        __m256d low = _mm256_setzero_pd();
        __m256d high = _mm256_setzero_pd();
        for (std::size_t a = 0; a < actions; ++a) {
            const __m256 x = _mm256_loadu_ps(values + a * hands + h);
            low = _mm256_add_pd(low, _mm256_cvtps_pd(_mm256_castps256_ps128(x)));
            high = _mm256_add_pd(high, _mm256_cvtps_pd(_mm256_extractf128_ps(x, 1)));
        }
        _mm256_storeu_ps(out + h, _mm256_set_m128(_mm256_cvtpd_ps(high), _mm256_cvtpd_ps(low)));
    }
    for (; h + 4 <= hands; h += 4) {
        __m256d sum = _mm256_setzero_pd();
        for (std::size_t a = 0; a < actions; ++a) {
            sum = _mm256_add_pd(sum, _mm256_cvtps_pd(_mm_loadu_ps(values + a * hands + h)));
        }
        _mm_storeu_ps(out + h, _mm256_cvtpd_ps(sum));
    }
#endif
    for (; h < hands; ++h) {
        double sum = 0.0;
        for (std::size_t a = 0; a < actions; ++a) {
            sum += values[a * hands + h];
        }
        out[h] = static_cast<float>(sum);
    }
}

template <KernelPath P>
void scale_into(float* out, const float* in, float factor, std::size_t n) {
    for_lanes(
        n,
        [&]([[maybe_unused]] std::size_t i) {
#ifdef QUENDAL_KERNELS_AVX2
            _mm256_storeu_ps(out + i,
                             _mm256_mul_ps(_mm256_set1_ps(factor), _mm256_loadu_ps(in + i)));
#endif
        },
        [&](std::size_t i) { out[i] = factor * in[i]; });
}

template <KernelPath P>
void update_own_node(float* out, float* regrets, float* sums, const float* values, float* strategy,
                     float* scratch, std::size_t actions, std::size_t hands, float weight,
                     float positive, float negative) {
    if (actions == 0 || hands == 0) {
        return;
    }
    const std::size_t end = vector_end(hands);
#ifdef QUENDAL_KERNELS_AVX2
    const float uniform = 1.0f / static_cast<float>(actions);
    const __m256 zero = _mm256_setzero_ps();
    const __m256 even = _mm256_set1_ps(uniform);
    const __m256 w = _mm256_set1_ps(weight);
    const __m256 pos = _mm256_set1_ps(positive);
    const __m256 neg = _mm256_set1_ps(negative);
    for (std::size_t begin = 0; begin < end; begin += kLanes) {
        // The positive parts' sum (a NaN regret counts as 0), then its reciprocal.
        __m256 total = _mm256_max_ps(_mm256_loadu_ps(regrets + begin), zero);
        for (std::size_t a = 1; a < actions; ++a) {
            total = _mm256_add_ps(
                total, _mm256_max_ps(_mm256_loadu_ps(regrets + a * hands + begin), zero));
        }
        const __m256 inv = _mm256_and_ps(_mm256_div_ps(_mm256_set1_ps(1.0f), total),
                                         _mm256_cmp_ps(total, zero, _CMP_GT_OQ));
        const __m256 has = _mm256_cmp_ps(inv, zero, _CMP_GT_OQ);
        // Each action's probability: into the node value and the strategy sums.
        __m256 node = zero;
        for (std::size_t a = 0; a < actions; ++a) {
            const std::size_t i = a * hands + begin;
            const __m256 kept = _mm256_max_ps(_mm256_loadu_ps(regrets + i), zero);
            const __m256 sigma = _mm256_blendv_ps(even, _mm256_mul_ps(kept, inv), has);
            const __m256 v = _mm256_loadu_ps(values + i);
            node = a == 0 ? _mm256_mul_ps(sigma, v) : _mm256_fmadd_ps(sigma, v, node);
            _mm256_storeu_ps(sums + i, _mm256_fmadd_ps(w, _mm256_loadu_ps(sums + i), sigma));
        }
        _mm256_storeu_ps(out + begin, node);
        // The regrets, once the node value is known (NaN takes the negative factor).
        for (std::size_t a = 0; a < actions; ++a) {
            const std::size_t i = a * hands + begin;
            const __m256 r = _mm256_loadu_ps(regrets + i);
            const __m256 factor = _mm256_blendv_ps(neg, pos, _mm256_cmp_ps(r, zero, _CMP_GE_OQ));
            const __m256 discounted = _mm256_fmadd_ps(factor, r, _mm256_loadu_ps(values + i));
            _mm256_storeu_ps(regrets + i, _mm256_sub_ps(discounted, node));
        }
    }
#endif
    // The remaining hands step by step, through the working space.
    regret_matching_tail(strategy, scratch, regrets, nullptr, actions, hands, end);
    fma_actions_tail(out, strategy, values, actions, hands, end);
    for (std::size_t a = 0; a < actions; ++a) {
        const std::size_t i = a * hands + end;
        strategy_sum_update<P>(sums + i, strategy + i, weight, hands - end);
    }
    update_regrets_tail(regrets, values, out, actions, hands, end, positive, negative);
}

template void axpy<kBuildPath>(float*, const float*, std::size_t, float);
template void fma_actions<kBuildPath>(float*, const float*, const float*, std::size_t, std::size_t);
template void update_regrets<kBuildPath>(float*, const float*, const float*, std::size_t,
                                         std::size_t, float, float);
template void regret_matching<kBuildPath>(float*, float*, const float*, std::size_t, std::size_t);
template void regret_matching_reach<kBuildPath>(float*, float*, const float*, const float*,
                                                std::size_t, std::size_t);
template void average_strategy_rows<kBuildPath>(float*, const float*, std::size_t, std::size_t);
template void multiply_into<kBuildPath>(float*, const float*, const float*, std::size_t);
template void strategy_sum_update<kBuildPath>(float*, const float*, float, std::size_t);
template void sum_rows_into<kBuildPath>(float*, const float*, std::size_t, std::size_t);
template void sum_actions_double<kBuildPath>(float*, const float*, std::size_t, std::size_t);
template void update_own_node<kBuildPath>(float*, float*, float*, const float*, float*, float*,
                                          std::size_t, std::size_t, float, float, float);
template void scale_into<kBuildPath>(float*, const float*, float, std::size_t);

}  // namespace quendal
