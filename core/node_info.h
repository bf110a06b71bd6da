// Per-node solver state of a decision node: cumulative regrets and strategy
// sums, action-major (A rows of H hands), optionally held as 16-bit codes
// between visits.
#pragma once

#include "core/compact_codec.h"

#include <cstdint>
#include <vector>

namespace quendal {

struct NodeInfo {
    std::uint8_t player = 0;
    bool active = false;
    std::uint64_t actions = 0;
    std::uint64_t hands = 0;
    std::vector<float> regrets;
    std::vector<float> strategy_sums;
    std::vector<std::int16_t> compact_regrets;
    float compact_regrets_scale = 1.0f;
    std::vector<std::int16_t> compact_strategy_sums;
    float compact_strategy_sums_scale = 1.0f;

    // The float arrays; in compact mode an emptied array is first decoded.
    std::vector<float>& regrets_view(bool compact) {
        if (compact && regrets.empty()) {
            dequantize_int16(regrets, compact_regrets, compact_regrets_scale, actions, hands);
        }
        return regrets;
    }
    std::vector<float>& strategy_sum_view(bool compact) {
        if (compact && strategy_sums.empty()) {
            dequantize_int16(strategy_sums, compact_strategy_sums, compact_strategy_sums_scale,
                             actions, hands);
        }
        return strategy_sums;
    }

    // Encodes the float arrays and empties them (storage given back).
    void compact_regrets_now() {
        quantize_int16(regrets, compact_regrets, compact_regrets_scale);
        std::vector<float>().swap(regrets);
    }
    void compact_strategy_sums_now() {
        quantize_int16(strategy_sums, compact_strategy_sums, compact_strategy_sums_scale);
        std::vector<float>().swap(strategy_sums);
    }
};

}  // namespace quendal
