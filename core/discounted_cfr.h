// The equilibrium engine: Discounted CFR over a Game's tree, with its own
// worker pool for chance-node fan-out.
#pragma once

#include "core/float_arena.h"
#include "core/game.h"
#include "core/kernel_path.h"
#include "core/node_info.h"
#include "core/parallel_for.h"
#include "core/scratch_stack.h"
#include "core/thread_pool.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace quendal {

class DiscountedCfr {
public:
    struct Options {
        std::uint32_t max_iterations = 0;
        float target_exploitability = 0.0f;  // hundredths of a chip
        std::uint32_t exploitability_interval = 0;
        bool verbose = false;
        bool compact_storage = false;
        std::size_t threads = 1;
        std::function<void(std::uint32_t, float, double)> progress;
        std::function<bool()> should_stop;
    };

    explicit DiscountedCfr(Options options);
    ~DiscountedCfr();
    DiscountedCfr(const DiscountedCfr&) = delete;
    DiscountedCfr& operator=(const DiscountedCfr&) = delete;

    // Prepares the node state for `game` and runs iterations until the limit,
    // a stop request or the target exploitability.
    void run(Game& game);

    float exploitability() const { return exploitability_; }
    std::uint32_t iterations() const { return iterations_; }
    std::size_t thread_count() const { return threads_; }
    const std::vector<NodeInfo>& node_states() const { return nodes_; }
    const std::vector<float>& root_values(int seat) const { return root_values_[seat]; }

    // Average strategy: per action the mean over the acting seat's hands, or
    // per action and hand. Empty for anything but an active decision node.
    std::vector<float> average_strategy(std::size_t node);
    std::vector<float> average_strategy_flat(std::size_t node);
    // Root values of both seats under the average strategies, and when each
    // best-responds to the other.
    std::array<float, 2> current_ev(Game& game);
    std::array<float, 2> mes_ev(Game& game);
    // Per-hand values of `seat` at `node` against the opponent's root weights
    // or a reach of the caller's.
    std::vector<float> compute_node_values(Game& game, std::size_t node, int seat);
    std::vector<float> compute_node_values_with_reach(Game& game, std::size_t node, int seat,
                                                      std::span<const float> reach);
    // Per-hand values of `seat` at every child of `node`, once per opponent
    // reach: entry r × C + c holds reach r at child c (C children), each the
    // list compute_node_values_with_reach gives for that child and reach.
    std::vector<std::vector<float>> compute_child_values(
        Game& game, std::size_t node, int seat, std::span<const std::span<const float>> reaches);

    // Discount factors of iteration parameter t.
    struct Discounts {
        float positive = 0.0f;
        float negative = 0.5f;
        float strategy_weight = 0.0f;
    };
    static Discounts discounts_for(std::uint32_t t);

private:
    friend struct DiscountedCfrTestAccess;

    void prepare_states(Game& game);
    void solve_iteration(Game& game, std::uint32_t t);
    // The traversals are built per kernel path (core/kernel_path.h): the
    // public entry points run them on the path in use.
    template <KernelPath P>
    void solve_recursive(Game& game, std::size_t node, int seat, std::span<const float> reach,
                         std::span<float> out, std::size_t depth, ScratchStack& scratch);
    template <KernelPath P>
    void solve_own_decision(Game& game, std::size_t node, int seat, std::span<const float> reach,
                            std::span<float> out, std::size_t depth, ScratchStack& scratch);
    template <KernelPath P>
    void solve_opponent_decision(Game& game, std::size_t node, int seat,
                                 std::span<const float> reach, std::span<float> out,
                                 std::size_t depth, ScratchStack& scratch);
    using Recurse = void (DiscountedCfr::*)(Game&, std::size_t, int, std::span<const float>,
                                            std::span<float>, std::size_t, ScratchStack&);
    // The subtree of a turn or river node of any traversal: the same values
    // and updates as `recurse`, with the street's terminals valued in
    // batches first.
    template <KernelPath P>
    void solve_street(Game& game, std::size_t node, int seat, std::span<const float> reach,
                      std::span<float> out, std::size_t depth, ScratchStack& scratch,
                      Recurse recurse, bool training);
    // Records the opponent's child reach and the terminals of the street
    // below `node`; false when the batch cannot serve the subtree.
    template <KernelPath P>
    bool collect_street(Game& game, std::size_t node, int seat, std::size_t reach,
                        std::size_t reach_size, std::size_t hands, std::size_t depth,
                        ScratchStack& scratch, SubtreeBatch& batch, bool training);
    template <KernelPath P>
    void value_street_terminals(Game& game, int seat, std::size_t reach_size, std::size_t hands,
                                SubtreeBatch& batch, RunoutScratch& runouts);
    // The opponent's strategy at `node` (regret matching and locks in
    // training, the average strategy otherwise) times its reach, one row of
    // `opp_hands` per action; reach beyond its end counts as 0.
    template <KernelPath P>
    void opponent_child_reach(Game& game, std::size_t node, std::size_t a_count,
                              std::size_t opp_hands, std::span<const float> reach, float* rows,
                              ScratchFrame& frame, bool training);
    // The opponent's child reach rows at `node` for a traversal: those the
    // street's batch recorded on the way down, or computed into the frame.
    template <KernelPath P>
    const float* child_reach_rows(Game& game, std::size_t node, std::size_t a_count,
                                  std::size_t opp_hands, std::span<const float> reach,
                                  ScratchStack& scratch, ScratchFrame& frame, bool training);
    // A terminal's values for a traversal: those the street's batch recorded,
    // or valued here.
    template <KernelPath P>
    void terminal_values(Game& game, std::size_t node, int seat, std::span<const float> reach,
                         std::span<float> out, ScratchStack& scratch);
    // Chance nodes of every traversal; training merges repeated children and
    // fans out only above its size thresholds.
    template <KernelPath P>
    void evaluate_chance(Game& game, std::size_t node, int seat, std::span<const float> reach,
                         std::span<float> out, std::size_t depth, ScratchStack& scratch,
                         Recurse recurse, bool training);
    // Asks the cache for the arrays a traversal of `seat` reads in nodes
    // [first, last) (a hint: it changes no value).
    void prefetch_arrays(std::size_t first, std::size_t last, int seat, bool training) const;
    // Terminal values; an all-in before the turn sweeps its runouts on the pool.
    template <KernelPath P>
    void evaluate_terminal(Game& game, const NodeState& state, int seat,
                           std::span<const float> reach, std::span<float> out,
                           RunoutScratch& scratch);
    template <KernelPath P>
    void compute_cfvalue_recursive(Game& game, std::size_t node, int seat,
                                   std::span<const float> reach, std::span<float> out,
                                   std::size_t depth, ScratchStack& scratch);
    template <KernelPath P>
    void compute_best_cfvalue_recursive(Game& game, std::size_t node, int seat,
                                        std::span<const float> reach, std::span<float> out,
                                        std::size_t depth, ScratchStack& scratch);
    template <KernelPath P, bool Best>
    void value_recursive(Game& game, std::size_t node, int seat, std::span<const float> reach,
                         std::span<float> out, std::size_t depth, ScratchStack& scratch);
    // Writes the average strategy of a decision node (A × H) into `out`.
    template <KernelPath P>
    void average_strategy_into(std::size_t node, float* out);
    template <KernelPath P, bool Best>
    std::array<float, 2> root_values_sum(Game& game);
    template <KernelPath P>
    float measure_exploitability(Game& game);

    // Chunks [0, n) over the pool; callers check that the pool exists.
    template <typename Body>
    void parallel_for(std::size_t n, const Body& body) {
        quendal::parallel_for(*pool_, threads_, n, body);
    }

    Options options_;
    float exploitability_ = 0.0f;
    std::uint32_t iterations_ = 0;
    PerSeat<std::vector<float>> root_values_;
    PerSeat<std::vector<float>> eval_values_;
    std::vector<NodeInfo> nodes_;
    FloatArena arrays_;  // the nodes' regrets and strategy sums
    bool compact_ = false;
    std::vector<std::uint8_t> distinct_children_;
    Discounts discounts_;
    std::function<void(std::uint32_t, float, double)> progress_;
    std::size_t threads_ = 1;
    std::unique_ptr<ThreadPool> pool_;
    PerSeat<ScratchStack> scratch_;
    ScratchPool chunk_scratch_;
};

}  // namespace quendal
