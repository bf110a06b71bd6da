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

}  // namespace quendal_app::test
