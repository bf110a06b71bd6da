// Small spots that solve in well under a second, and a helper that runs a
// solve to its end and keeps every report.
#pragma once

#include "session/solve_session.h"

#include <mutex>
#include <vector>

namespace quendal_app::test {

// Ks Qd 7h 4c 2s, pot 10, stack 20, bets 50% and 100%, raises all-in.
SolveConfig river_fixture();
// Ks Qd 7h 4c, pot 10, stack 15, bets 75%, raises all-in.
SolveConfig turn_fixture();
// Ah 8d 3c with a few hands each, pot 10, stack 10: a pot bet is all-in.
SolveConfig tiny_flop_fixture();

// Every report of one solve, in order.
class ReportLog {
public:
    SolveSession::ProgressCallback callback();
    std::vector<SolveProgress> reports() const;

private:
    mutable std::mutex mutex_;
    std::vector<SolveProgress> reports_;
};

// Starts the solve, waits until the session is idle and returns the reports.
std::vector<SolveProgress> solve_and_wait(SolveSession& session, const SolveConfig& config);

// A session holding one finished solve, with handy views of it.
struct Solved {
    SolveSession session;
    SolveSession::SolvedState state;

    explicit Solved(const SolveConfig& config);
    const quendal::Game& game() const { return *state.game; }
    const quendal::CardContext& ctx() const { return state.game->card_context(); }

    // The first node matching the predicate, or the node count.
    template <typename Pred>
    std::size_t find(Pred pred) const {
        const auto& nodes = game().nodes();
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (pred(nodes[i])) {
                return i;
            }
        }
        return nodes.size();
    }
};

// Locks every class of OOP's range at the root to its first action.
void lock_root_to_first_action(SolveConfig& config, const std::vector<std::string>& classes);

}  // namespace quendal_app::test
