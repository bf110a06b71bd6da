// Working arrays of a traversal, one frame per depth. Frames only grow, so a
// traversal allocates only when a frame first needs a larger array.
#pragma once

#include "core/runout_tables.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
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

// An all-in terminal swept on several threads: its runouts, two rows (wins,
// losses) of H per runout, and which runouts were swept. A traversal is at
// one terminal at a time, so a stack needs only one of these.
struct RunoutScratch {
    std::vector<RunoutPair> runouts;
    std::vector<float> values;
    std::vector<std::uint8_t> swept;
};

// A street's subtree valued in three steps: the opponent's reach at every
// node of the street top-down, its terminals in batches, then the usual
// walk, which takes both from here instead of computing them again.
struct SubtreeBatch {
    struct Terminal {
        std::size_t node;
        std::size_t reach;  // offsets into `rows`
        std::size_t values;
    };
    bool active = false;
    bool stops_at_chance = false;     // the turn's: the river's subtrees have their own
    std::size_t first = 0;            // the subtree's root
    std::vector<std::uint32_t> slot;  // per node from `first`: offset into `rows` + 1, or 0
    std::vector<float> rows;          // opponent nodes' child reach, terminals' values
    std::size_t used = 0;             // the rows in use; the vector only grows
    std::vector<Terminal> terminals;

    // The rows recorded for a node of the subtree being walked, or null.
    const float* find(std::size_t node) const {
        if (!active || node < first || node - first >= slot.size() || slot[node - first] == 0) {
            return nullptr;
        }
        return rows.data() + slot[node - first] - 1;
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
    RunoutScratch& runouts() { return runouts_; }
    SubtreeBatch& river_batch() { return river_; }
    SubtreeBatch& turn_batch() { return turn_; }
    // What the batches recorded for a node being walked, or null.
    const float* batched(std::size_t node) const {
        const float* rows = river_.find(node);
        return rows != nullptr ? rows : turn_.find(node);
    }

    // Set while the stack serves a chunk of a chance node's children in a
    // read-only traversal: the chance nodes further down then run their
    // children on the thread of the chunk.
    bool inside_chance_chunk = false;

private:
    RunoutScratch runouts_;
    SubtreeBatch river_;
    SubtreeBatch turn_;
    std::array<ScratchFrame, kInlineFrames> inline_;
    std::deque<ScratchFrame> overflow_;
};

// Stacks for the chunks of parallel loops. A chunk borrows a stack for its
// duration and returns it, so the arrays grown in one iteration serve the
// next instead of being allocated and freed per chunk; a thread gets back its
// own stack when it can, whose arrays its caches still hold. A thread that helps
// with other work while it waits holds one stack per chunk it runs.
class ScratchPool {
public:
    class Lease {
    public:
        explicit Lease(ScratchPool& pool) : pool_(pool), stack_(pool.take()) {}
        ~Lease() { pool_.give_back(std::move(stack_)); }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        ScratchStack& stack() { return *stack_; }

    private:
        ScratchPool& pool_;
        std::unique_ptr<ScratchStack> stack_;
    };

private:
    struct Free {
        std::unique_ptr<ScratchStack> stack;
        std::size_t owner;  // the thread that gave it back
    };

    // Numbers the threads that lease stacks, from 0 in the order they first do.
    static std::size_t thread_number() {
        static std::atomic<std::size_t> next{0};
        thread_local const std::size_t number = next.fetch_add(1);
        return number;
    }

    // The stack this thread gave back last when it is free: its arrays are
    // still in this thread's caches. Else the stack given back last.
    std::unique_ptr<ScratchStack> take() {
        const std::size_t me = thread_number();
        {
            std::lock_guard lock(mutex_);
            if (!free_.empty()) {
                std::size_t at = free_.size() - 1;
                for (std::size_t i = free_.size(); i-- > 0;) {
                    if (free_[i].owner == me) {
                        at = i;
                        break;
                    }
                }
                std::unique_ptr<ScratchStack> stack = std::move(free_[at].stack);
                free_.erase(free_.begin() + static_cast<std::ptrdiff_t>(at));
                return stack;
            }
        }
        return std::make_unique<ScratchStack>();
    }
    void give_back(std::unique_ptr<ScratchStack> stack) {
        std::lock_guard lock(mutex_);
        free_.push_back({std::move(stack), thread_number()});
    }

    std::mutex mutex_;
    std::vector<Free> free_;
};

}  // namespace quendal
