#include "session/memory_estimate.h"

#include "core/node_info.h"

namespace quendal_app {

SolveMemoryEstimate measure_solve_memory(const quendal::CardContext& context,
                                         const quendal::ActionPlan& plan, bool compact_storage) {
    SolveMemoryEstimate e;
    const std::vector<quendal::PlanNode>& nodes = plan.nodes();
    std::uint64_t tree = nodes.capacity() * sizeof(quendal::PlanNode);
    const std::uint64_t per_entry = compact_storage ? 4 : 8;
    for (const quendal::PlanNode& node : nodes) {
        tree += node.actions.capacity() * sizeof(quendal::PlanAction) +
                node.children.capacity() * sizeof(std::uint64_t);
        if (node.type == quendal::kDecisionNode && !node.actions.empty()) {
            ++e.decision_node_count;
            e.solver_bytes += context.pockets[node.player].size() * node.actions.size() * per_entry;
        }
    }
    // The solve holds the tree twice (the plan and the game's copy of every
    // node) and one engine record per node besides the solver arrays.
    e.tree_bytes = 2 * tree + nodes.size() * sizeof(quendal::NodeInfo);
    e.card_context_bytes = context.memory_bytes();
    e.node_count = nodes.size();
    e.oop_hand_count = context.pockets[0].size();
    e.ip_hand_count = context.pockets[1].size();
    const double total =
        (static_cast<double>(e.tree_bytes) + static_cast<double>(e.card_context_bytes) +
         static_cast<double>(e.solver_bytes)) *
        1.1;
    e.total_bytes = static_cast<std::uint64_t>(total);
    return e;
}

}  // namespace quendal_app
