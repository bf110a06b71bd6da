#include "session/memory_estimate.h"

#include "core/node_info.h"

#include <bit>
#include <limits>

namespace quendal_app {

namespace {

constexpr std::uint64_t kPlanNodeBytes = sizeof(quendal::PlanNode);
// A child's entries in the plan's action and child lists.
constexpr std::uint64_t kPerChildBytes = sizeof(quendal::PlanAction) + sizeof(std::uint64_t);

// Truncated toward zero; a figure beyond 64 bits saturates.
std::uint64_t whole_bytes(double bytes) {
    return bytes < 18446744073709551616.0 ? static_cast<std::uint64_t>(bytes)
                                          : std::numeric_limits<std::uint64_t>::max();
}

// The solve holds every node twice (the plan's and the game's copy), their
// action and child lists once (the copies share them), and one engine record
// per node besides the solver arrays.
std::uint64_t tree_bytes(const SolveMemoryEstimate& e, std::uint64_t node_list,
                         std::uint64_t lists) {
    return 2 * node_list + lists + e.node_count * sizeof(quendal::NodeInfo);
}

// The tree, the card context and the solver arrays, and a tenth more.
std::uint64_t total_bytes(const SolveMemoryEstimate& e, std::uint64_t tree) {
    return whole_bytes((static_cast<double>(tree) + static_cast<double>(e.card_context_bytes) +
                        static_cast<double>(e.solver_bytes)) *
                       1.1);
}

void add_totals(SolveMemoryEstimate& e, std::uint64_t node_list, std::uint64_t lists) {
    e.tree_bytes = tree_bytes(e, node_list, lists);
    e.total_bytes = total_bytes(e, e.tree_bytes);
}

}  // namespace

SolveMemoryEstimate measure_solve_memory(const quendal::CardContext& context,
                                         const quendal::ActionPlan& plan, bool compact_storage) {
    SolveMemoryEstimate e;
    const std::vector<quendal::PlanNode>& nodes = plan.nodes();
    const std::uint64_t per_entry = compact_storage ? 4 : 8;
    for (const quendal::PlanNode& node : nodes) {
        if (node.type == quendal::kDecisionNode && !node.actions.empty()) {
            ++e.decision_node_count;
            e.solver_bytes += context.pockets[node.player].size() * node.actions.size() * per_entry;
        }
    }
    e.card_context_bytes = context.memory_bytes();
    e.node_count = nodes.size();
    e.oop_hand_count = context.pockets[0].size();
    e.ip_hand_count = context.pockets[1].size();
    add_totals(e, nodes.capacity() * kPlanNodeBytes, plan.list_bytes());
    return e;
}

SolveMemoryEstimate count_solve_memory(const quendal::CardContextSize& cards,
                                       const quendal::TreeConfig& tree, bool compact_storage,
                                       std::uint64_t limit_bytes) {
    SolveMemoryEstimate e;
    e.card_context_bytes = cards.memory_bytes;
    e.oop_hand_count = cards.hand_counts[0];
    e.ip_hand_count = cards.hand_counts[1];
    const std::uint64_t per_entry = compact_storage ? 4 : 8;
    std::uint64_t child_bytes = 0;
    // The plan's node list grows one node at a time, its capacity doubling.
    const auto node_list_bytes = [&] { return std::bit_ceil(e.node_count) * kPlanNodeBytes; };
    quendal::ActionPlan::walk_shape(
        tree, cards.board, &cards.suit_isomorphism,
        [&](const quendal::PlanNode& node, std::size_t children, std::uint64_t copies) {
            e.node_count += copies;
            child_bytes += copies * children * kPerChildBytes;
            if (node.type == quendal::kDecisionNode && children != 0) {
                e.decision_node_count += copies;
                e.solver_bytes += copies * cards.hand_counts[node.player] * children * per_entry;
            }
            // The total of the nodes so far.
            if (total_bytes(e, tree_bytes(e, node_list_bytes(), child_bytes)) > limit_bytes) {
                e.at_least = true;
                return false;
            }
            return true;
        });
    add_totals(e, node_list_bytes(), child_bytes);
    return e;
}

bool same_estimate_inputs(const SolveConfig& a, const SolveConfig& b) {
    return a.board == b.board && a.starting_pot == b.starting_pot &&
           a.effective_stack == b.effective_stack && a.rake_percent == b.rake_percent &&
           a.rake_cap == b.rake_cap && a.starting_street == b.starting_street &&
           a.compact_storage == b.compact_storage && a.oop_range == b.oop_range &&
           a.ip_range == b.ip_range && a.oop_sizing == b.oop_sizing && a.ip_sizing == b.ip_sizing &&
           a.oop_jam_threshold_pct == b.oop_jam_threshold_pct &&
           a.ip_jam_threshold_pct == b.ip_jam_threshold_pct;
}

}  // namespace quendal_app
