// 16-bit storage of a float array with one float scale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quendal {

// Scale = the largest magnitude (NaN ignored); entries are the nearest
// integers to 32767 × x / scale. Arrays of magnitude 1e-9 or less store zeros
// with scale 1. An empty array stores nothing with scale 1.
void quantize_int16(std::span<const float> values, std::vector<std::int16_t>& out, float& scale);

// `out` becomes actions × hands entries: zeros, or the decoded values when the
// codes hold at least that many entries and the scale is positive.
void dequantize_int16(std::vector<float>& out, const std::vector<std::int16_t>& codes, float scale,
                      std::size_t actions, std::size_t hands);

}  // namespace quendal
