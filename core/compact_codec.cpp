#include "core/compact_codec.h"

#include <algorithm>
#include <cmath>

namespace quendal {

void quantize_int16(std::span<const float> values, std::vector<std::int16_t>& out, float& scale) {
    scale = 1.0f;
    if (values.empty()) {
        out.clear();
        return;
    }
    float largest = 0.0f;
    for (float v : values) {
        largest = std::max(largest, std::fabs(v));  // a NaN never wins the comparison
    }
    out.assign(values.size(), 0);
    if (static_cast<double>(largest) <= 1e-9) {
        return;
    }
    scale = largest;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float ratio = std::clamp(values[i] / largest, -1.0f, 1.0f);
        // A NaN entry falls through clamp unchanged and is stored as 0.
        out[i] = std::isnan(ratio) ? std::int16_t{0}
                                   : static_cast<std::int16_t>(std::lround(32767.0f * ratio));
    }
}

void dequantize_int16(std::vector<float>& out, const std::vector<std::int16_t>& codes, float scale,
                      std::size_t actions, std::size_t hands) {
    const std::size_t n = actions * hands;
    out.assign(n, 0.0f);
    if (codes.empty() || !(scale > 0.0f) || n == 0 || codes.size() < n) {
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = static_cast<float>(codes[i]) / 32767.0f * scale;
    }
}

}  // namespace quendal
