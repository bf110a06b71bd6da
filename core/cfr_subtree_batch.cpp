// A street's subtree valued in three steps: the opponent's reach at every
// node of the street top-down, as the traversal would compute it; the
// street's terminals in batches (core/terminal_batch.h); then the traversal
// itself, which takes both from the batch instead of computing them again.
// Values and updates are those of the traversal alone, bit for bit.
#include "core/discounted_cfr.h"
#include "core/terminal_batch.h"
#include "core/terminal_payoffs.h"

#include <algorithm>
#include <array>

// Last: the definitions below are built for this compile's kernel path.
#include "core/kernel_path_target.h"

namespace quendal {

template <KernelPath P>
bool DiscountedCfr::collect_street(Game& game, std::size_t node, int seat, std::size_t reach,
                                   std::size_t reach_size, std::size_t hands, std::size_t depth,
                                   ScratchStack& scratch, SubtreeBatch& batch, bool training) {
    // Past these the batch's table and rows would cost more than they save.
    constexpr std::size_t kMaxSpan = std::size_t{1} << 16;
    constexpr std::size_t kMaxRows = std::size_t{1} << 22;
    if (node < batch.first || node - batch.first >= kMaxSpan) {
        return false;
    }
    const std::size_t index = node - batch.first;
    if (index >= batch.slot.size()) {
        batch.slot.resize(index + 1, 0);
    }
    const auto allocate = [&](std::size_t n) {
        const std::size_t offset = batch.used;
        batch.used += n;
        if (batch.rows.size() < batch.used) {
            batch.rows.resize(batch.used);
        }
        batch.slot[index] = static_cast<std::uint32_t>(offset + 1);
        return offset;
    };
    const NodeState& state = game.nodes()[node];
    if (state.type == kTerminalNode) {
        if (batch.used + hands > kMaxRows) {
            return false;
        }
        batch.terminals.push_back({node, reach, allocate(hands)});
        return true;
    }
    if (state.children.empty() || hands == 0) {
        return true;
    }
    if (state.type == kChanceNode) {
        return batch.stops_at_chance;  // the next street is the traversal's
    }
    const auto collect = [&](std::size_t child, std::size_t child_reach) {
        return collect_street<P>(game, child, seat, child_reach, reach_size, hands, depth + 1,
                                 scratch, batch, training);
    };
    NodeInfo& info = nodes_[node];
    if (state.player == seat) {
        if (training && info.hands != hands) {
            return true;  // valued as zeros, children unvisited
        }
        for (const std::size_t child : state.children) {
            if (!collect(child, reach)) {
                return false;
            }
        }
        return true;
    }
    if (state.children.size() == 1) {
        return collect(state.children[0], reach);
    }
    const std::size_t a_count = info.actions;
    const std::size_t opp_hands = info.hands;
    if (opp_hands != reach_size) {
        // Training values such a node as zeros; the read-only traversals
        // pad the reach, which the batch leaves to them.
        return training;
    }
    if (batch.used + a_count * opp_hands > kMaxRows) {
        return false;
    }
    const std::size_t block = allocate(a_count * opp_hands);
    float* rows = batch.rows.data();
    opponent_child_reach<P>(game, node, a_count, opp_hands,
                            std::span<const float>(rows + reach, reach_size), rows + block,
                            scratch.frame(depth), training);
    for (std::size_t a = 0; a < a_count; ++a) {
        if (!collect(state.children[a], block + a * opp_hands)) {
            return false;
        }
    }
    return true;
}

template <KernelPath P>
void DiscountedCfr::solve_street(Game& game, std::size_t node, int seat,
                                 std::span<const float> reach, std::span<float> out,
                                 std::size_t depth, ScratchStack& scratch, Recurse recurse,
                                 bool training) {
    const NodeState& root = game.nodes()[node];
    SubtreeBatch& batch = root.street == 2 ? scratch.river_batch() : scratch.turn_batch();
    batch.first = node;
    batch.stops_at_chance = root.street != 2;
    std::fill(batch.slot.begin(), batch.slot.end(), 0);
    // The root's reach at offset 0; the rows after it are written before
    // they are read.
    if (batch.rows.size() < reach.size()) {
        batch.rows.resize(reach.size());
    }
    std::copy(reach.begin(), reach.end(), batch.rows.begin());
    batch.used = reach.size();
    batch.terminals.clear();
    if (root.street >= 1 && root.type != kChanceNode &&
        collect_street<P>(game, node, seat, 0, reach.size(), out.size(), depth, scratch, batch,
                          training)) {
        value_street_terminals<P>(game, seat, reach.size(), out.size(), batch, scratch.runouts());
        batch.active = true;
    }
    // The batch serves this walk only, however it ends.
    struct Close {
        SubtreeBatch& batch;
        ~Close() { batch.active = false; }
    } close{batch};
    (this->*recurse)(game, node, seat, reach, out, depth, scratch);
}

template <KernelPath P>
void DiscountedCfr::value_street_terminals(Game& game, int seat, std::size_t reach_size,
                                           std::size_t hands, SubtreeBatch& batch,
                                           RunoutScratch& runouts) {
    if (batch.terminals.empty()) {
        return;
    }
    const CardContext& ctx = game.card_context();
    const bool sizes_ok =
        reach_size == ctx.pockets[1 - seat].size() && hands == ctx.pockets[seat].size();
    const NodeState& board = game.nodes()[batch.terminals.front().node];
    // Pending lanes per kind. A lone terminal is swept alone: its sweep
    // skips the hands without reach.
    std::array<std::array<TerminalLane, kTerminalBatch>, kTerminalKinds> pending;
    std::array<const NodeState*, kTerminalKinds> lone{};
    std::array<std::size_t, kTerminalKinds> count{};
    const auto flush = [&](TerminalKind kind) {
        const auto k = static_cast<std::size_t>(kind);
        if (count[k] == 1) {
            const TerminalLane& lane = pending[k][0];
            terminal_eval<P>(game, *lone[k], seat,
                             std::span<const float>(lane.opp_reach, reach_size),
                             std::span<float>(lane.out, hands));
        } else if (count[k] > 1) {
            terminal_eval_batch<P>(game, board, seat, kind,
                                   std::span<const TerminalLane>(pending[k].data(), count[k]));
        }
        count[k] = 0;
    };
    for (const SubtreeBatch::Terminal& t : batch.terminals) {
        const NodeState& state = game.nodes()[t.node];
        TerminalLane lane{batch.rows.data() + t.reach, batch.rows.data() + t.values, {}};
        TerminalKind kind =
            sizes_ok ? plan_terminal(game, state, seat, lane.units) : TerminalKind::kOther;
        if (state.turn != board.turn || state.river != board.river) {
            kind = TerminalKind::kOther;
        }
        if (kind == TerminalKind::kOther) {
            evaluate_terminal<P>(game, state, seat,
                                 std::span<const float>(lane.opp_reach, reach_size),
                                 std::span<float>(lane.out, hands), runouts);
            continue;
        }
        const auto k = static_cast<std::size_t>(kind);
        if (count[k] == 0) {
            lone[k] = &state;
        }
        pending[k][count[k]++] = lane;
        if (count[k] == kTerminalBatch) {
            flush(kind);
        }
    }
    for (std::size_t k = 0; k < kTerminalKinds; ++k) {
        flush(static_cast<TerminalKind>(k));
    }
}

template void DiscountedCfr::solve_street<kBuildPath>(Game&, std::size_t, int,
                                                      std::span<const float>, std::span<float>,
                                                      std::size_t, ScratchStack&, Recurse, bool);

}  // namespace quendal
