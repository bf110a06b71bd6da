// Working arrays of a traversal, one frame per depth. Frames only grow, so a
// traversal allocates only when a frame first needs a larger array.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace quendal {

struct ScratchFrame {
    std::vector<float> scaled_reach;
    std::vector<float> chance_values;  // C × H
    std::size_t chance_children = 0;
    std::size_t chance_hands = 0;
    std::vector<float> chance_accumulator;
    std::vector<float> swap_buffer;
    std::vector<std::uint16_t> distinct_positions;
    std::vector<std::uint16_t> position_map;
    std::vector<float> child_values;  // A × H
    std::vector<float> strategy;      // A × H
    std::vector<float> strategy_totals;
    std::vector<float> opponent_strategy;
    std::vector<float> opponent_totals;
    std::vector<float> child_reach;

    // Grows `v` to at least n entries and returns its data.
    static float* ensure(std::vector<float>& v, std::size_t n) {
        if (v.size() < n) {
            v.resize(n);
        }
        return v.data();
    }
};

class ScratchStack {
public:
    static constexpr std::size_t kInlineFrames = 32;

    ScratchFrame& frame(std::size_t depth) {
        if (depth < kInlineFrames) {
            return inline_[depth];
        }
        while (overflow_.size() < depth - kInlineFrames + 1) {
            overflow_.emplace_back();  // a deque keeps earlier frames in place
        }
        return overflow_[depth - kInlineFrames];
    }

private:
    std::array<ScratchFrame, kInlineFrames> inline_;
    std::deque<ScratchFrame> overflow_;
};

}  // namespace quendal
