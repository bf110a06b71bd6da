// The session's per-hand node queries: the kept state is copied under the
// lock, the work runs on the copies.
#include "session/hand_distributions.h"
#include "session/solve_session.h"

namespace quendal_app {

SolveSession::SolveTables::SolveTables(std::unique_ptr<NodeParents> parents)
    : parents_(std::move(parents)) {}

const NodeParents& SolveSession::SolveTables::parents(const quendal::Game& game) {
    std::call_once(once_, [&] {
        if (!parents_) {
            parents_ = std::make_unique<NodeParents>(game);
        }
    });
    return *parents_;
}

HandBucketsResult SolveSession::node_hand_buckets(std::uint64_t node) const {
    const SolvedState state = solved_state();
    if (!state) {
        return {};
    }
    try {
        return compute_node_hand_buckets(*state.game, *state.solver,
                                         state.tables->parents(*state.game), node);
    } catch (const std::exception&) {
        return {};
    }
}

HandStrategyResult SolveSession::node_hand_strategy(std::uint64_t node) const {
    const SolvedState state = solved_state();
    return state ? compute_node_hand_strategy(*state.game, *state.solver,
                                              state.tables->parents(*state.game), node)
                 : HandStrategyResult{};
}

HandCombosResult SolveSession::node_hand_combos(std::uint64_t node) const {
    const SolvedState state = solved_state();
    if (!state) {
        return {};
    }
    return compute_node_hand_combos(*state.game, *state.solver, state.tables->parents(*state.game),
                                    node);
}

PocketActionEvsResult SolveSession::node_pocket_action_evs(std::uint64_t node, bool ip,
                                                           std::string_view first,
                                                           std::string_view second) const {
    const SolvedState state = solved_state();
    if (!state) {
        return {};
    }
    return compute_node_pocket_action_evs(
        *state.game, *state.solver, state.tables->parents(*state.game), node, ip, first, second);
}

HandCombosResult SolveSession::node_seat_hand_combos(std::uint64_t node, bool ip) const {
    const SolvedState state = solved_state();
    if (!state) {
        return {};
    }
    return compute_node_seat_hand_combos(*state.game, *state.solver,
                                         state.tables->parents(*state.game), node, ip);
}

ActionStatsResult SolveSession::node_action_stats(std::uint64_t node) const {
    const SolvedState state = solved_state();
    if (!state) {
        return {};
    }
    try {
        return compute_node_action_stats(*state.game, *state.solver,
                                         state.tables->parents(*state.game), node);
    } catch (const std::exception&) {
        return {};
    }
}

NodeStatsAndCombos SolveSession::node_stats_and_combos(std::uint64_t node) const {
    const SolvedState state = solved_state();
    if (!state) {
        return {};
    }
    return compute_node_stats_and_combos(*state.game, *state.solver,
                                         state.tables->parents(*state.game), node);
}

ChanceCardClassesResult SolveSession::node_chance_card_classes(std::uint64_t node) const {
    const SolvedState state = solved_state();
    return state ? compute_node_chance_card_classes(*state.game, node) : ChanceCardClassesResult{};
}

HandDistributionsResult SolveSession::node_hand_distributions(std::uint64_t node) const {
    const SolvedState state = solved_state();
    if (!state) {
        return {};
    }
    try {
        return compute_node_hand_distributions(*state.game, *state.solver,
                                               state.tables->parents(*state.game), node);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace quendal_app
