#include "core/discounted_cfr.h"

#include "core/solver_profile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace quendal {

DiscountedCfr::DiscountedCfr(Options options)
    : options_(std::move(options)),
      compact_(options_.compact_storage),
      progress_(std::move(options_.progress)),
      threads_(std::max<std::size_t>(1, options_.threads)) {
    if (threads_ > 1) {
        pool_ = std::make_unique<ThreadPool>(threads_ - 1);
    }
}

DiscountedCfr::~DiscountedCfr() = default;

DiscountedCfr::Discounts DiscountedCfr::discounts_for(std::uint32_t t) {
    Discounts d;
    const double x = t > 0 ? static_cast<double>(t) - 1.0 : 0.0;
    const double x15 = std::sqrt(x) * x;
    d.positive = static_cast<float>(x15 / (x15 + 1.0));
    d.negative = 0.5f;
    std::uint32_t p = 0;
    if (t > 0) {
        p = 1;
        while (p * 4u != 0 && p * 4u <= t) {
            p *= 4u;
        }
    }
    const double y = static_cast<double>(t - p);
    const double ratio = y / (y + 1.0);
    d.strategy_weight = static_cast<float>(ratio * ratio * ratio);
    return d;
}

void DiscountedCfr::prepare_states(Game& game) {
    const std::vector<NodeState>& tree = game.nodes();
    distinct_children_.assign(tree.size(), 1);
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (tree[i].type != kChanceNode) {
            continue;
        }
        std::vector<std::uint64_t> sorted(tree[i].children.begin(), tree[i].children.end());
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
            distinct_children_[i] = 0;
        }
    }
    nodes_.clear();
    nodes_.resize(tree.size());
    arrays_ = FloatArena();
    const CardContext& ctx = game.card_context();
    // Every decision node's regrets, then every node's strategy sums, each in
    // node order and each array starting on 32 bytes: the opponent's visits,
    // which read regrets only, stream through them without sums in between.
    constexpr std::size_t kAlign = 8;  // floats
    std::size_t total = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const NodeState& node = tree[i];
        if (node.type != kDecisionNode || node.actions.empty()) {
            continue;
        }
        NodeInfo& info = nodes_[i];
        info.player = node.player;
        info.active = true;
        info.actions = static_cast<std::uint32_t>(node.actions.size());
        info.hands = static_cast<std::uint32_t>(ctx.pockets[node.player].size());
        total += (std::size_t{info.actions} * info.hands + kAlign - 1) / kAlign * kAlign;
    }
    if (compact_) {
        // Only the 16-bit codes are kept; they start as zeros with scale 1.
        for (NodeInfo& info : nodes_) {
            if (info.active) {
                info.compact = std::make_unique<NodeInfo::Compact>();
                info.compact->regrets.assign(std::size_t{info.actions} * info.hands, 0);
                info.compact->strategy_sums.assign(std::size_t{info.actions} * info.hands, 0);
            }
        }
        return;
    }
    arrays_ = FloatArena(2 * total);
    float* next = arrays_.data();
    for (const bool sums : {false, true}) {
        for (NodeInfo& info : nodes_) {
            if (!info.active) {
                continue;
            }
            const std::size_t n = std::size_t{info.actions} * info.hands;
            (sums ? info.strategy_sums : info.regrets) = std::span<float>(next, n);
            next += (n + kAlign - 1) / kAlign * kAlign;
        }
    }
}

void DiscountedCfr::run(Game& game) {
    using Clock = std::chrono::steady_clock;
    const bool profiling = profile_enabled();
    if (profiling) {
        profile_reset(profile_registry());
    }
    {
        ProfileScope total(kProfileTotalRun);
        exploitability_ = 0.0f;
        iterations_ = 0;
        prepare_states(game);
        const auto loop_start = Clock::now();
        for (std::uint32_t i = 1; i <= options_.max_iterations && i != 0; ++i) {
            if (options_.should_stop && options_.should_stop()) {
                break;
            }
            const auto iteration_start = Clock::now();
            iterations_ = i;
            {
                ProfileScope iteration(kProfileSolveIteration);
                solve_iteration(game, i - 1);
            }
            const bool measure =
                i == options_.max_iterations || (options_.exploitability_interval != 0 &&
                                                 i % options_.exploitability_interval == 0);
            if (measure) {
                exploitability_ = with_kernel_path(
                    [&]<KernelPath P>() { return measure_exploitability<P>(game); });
            }
            const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                                    Clock::now() - iteration_start)
                                    .count();
            const double iteration_ms = static_cast<double>(micros) / 1000.0;
            if (progress_) {
                progress_(iterations_, exploitability_, iteration_ms);
            }
            if (options_.verbose && (i % 50 == 0 || i == options_.max_iterations)) {
                std::cout << "[CFR] iteration " << i << " / " << options_.max_iterations
                          << "  exploitability\u2248" << exploitability_ << "  iter\u2248"
                          << iteration_ms << "ms" << std::endl;
            }
            if (options_.exploitability_interval != 0 && measure &&
                options_.target_exploitability >= exploitability_) {
                break;
            }
        }
        if (options_.verbose) {
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - loop_start)
                    .count();
            std::cout << "[CFR] completed " << iterations_ << " iterations in "
                      << static_cast<long long>(elapsed) << "ms"
                      << "  exploitability\u2248" << exploitability_ << std::endl;
        }
    }
    if (profiling) {
        print_profile_summary(
            stdout,
            {iterations_, options_.max_iterations, threads_, options_.exploitability_interval},
            profile_aggregate(profile_registry()));
    }
}

void DiscountedCfr::solve_iteration(Game& game, std::uint32_t t) {
    discounts_ = discounts_for(t);
    const CardContext& ctx = game.card_context();
    for (int seat = 0; seat < 2; ++seat) {
        root_values_[seat].assign(ctx.pockets[seat].size(), 0.0f);
        with_kernel_path([&]<KernelPath P>() {
            const NodeState& root = game.nodes()[0];
            if (root.street >= 1 && root.type != kChanceNode) {
                solve_street<P>(game, 0, seat, ctx.pocket_weights[1 - seat], root_values_[seat], 0,
                                scratch_[seat], &DiscountedCfr::solve_recursive<P>, true);
            } else {
                solve_recursive<P>(game, 0, seat, ctx.pocket_weights[1 - seat], root_values_[seat],
                                   0, scratch_[seat]);
            }
        });
    }
}

}  // namespace quendal
