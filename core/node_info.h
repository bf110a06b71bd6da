// Per-node solver state of a decision node: cumulative regrets and strategy
// sums, action-major (A rows of H hands), optionally held as 16-bit codes
// between visits.
//
// The float arrays are views: into the engine's one block of solver arrays,
// or, with compact storage, into the node's own decoded copies, which exist
// only while the node is in use.
#pragma once

#include "core/compact_codec.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace quendal {

struct NodeInfo {
    // The 16-bit codes of both arrays with their scales, and the floats
    // decoded from them while the node is in use.
    struct Compact {
        std::vector<std::int16_t> regrets;
        float regrets_scale = 1.0f;
        std::vector<std::int16_t> strategy_sums;
        float strategy_sums_scale = 1.0f;
        std::vector<float> decoded_regrets;
        std::vector<float> decoded_strategy_sums;
    };

    std::uint8_t player = 0;
    bool active = false;
    std::uint32_t actions = 0;
    std::uint32_t hands = 0;
    std::span<float> regrets;
    std::span<float> strategy_sums;
    std::unique_ptr<Compact> compact;  // with compact storage only

    // The float arrays; in compact mode an emptied array is first decoded.
    std::span<float> regrets_view(bool compact_mode) {
        if (compact_mode && regrets.empty() && compact) {
            dequantize_int16(compact->decoded_regrets, compact->regrets, compact->regrets_scale,
                             actions, hands);
            regrets = compact->decoded_regrets;
        }
        return regrets;
    }
    std::span<float> strategy_sum_view(bool compact_mode) {
        if (compact_mode && strategy_sums.empty() && compact) {
            dequantize_int16(compact->decoded_strategy_sums, compact->strategy_sums,
                             compact->strategy_sums_scale, actions, hands);
            strategy_sums = compact->decoded_strategy_sums;
        }
        return strategy_sums;
    }

    // Encodes the float arrays and empties them (decoded storage given back).
    void compact_regrets_now() {
        Compact& c = compact_state();
        quantize_int16(regrets, c.regrets, c.regrets_scale);
        std::vector<float>().swap(c.decoded_regrets);
        regrets = {};
    }
    void compact_strategy_sums_now() {
        Compact& c = compact_state();
        quantize_int16(strategy_sums, c.strategy_sums, c.strategy_sums_scale);
        std::vector<float>().swap(c.decoded_strategy_sums);
        strategy_sums = {};
    }

private:
    Compact& compact_state() {
        if (!compact) {
            compact = std::make_unique<Compact>();
        }
        return *compact;
    }
};

}  // namespace quendal
