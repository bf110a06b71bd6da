// The reports of one solve on their way from its worker to the GUI thread.
// Iteration reports are coalesced: while one is waiting to be delivered, a
// newer one takes its place, so a fast solve keeps at most one of them in
// the GUI thread's queue. Every other report travels on its own, in order.
#pragma once

#include "session/solve_records.h"

#include <atomic>
#include <mutex>
#include <optional>

namespace quendal_app {

class ProgressMailbox {
public:
    // On the worker: the report itself when no iteration delivery is on its
    // way (the caller posts one carrying it); otherwise nothing, and the
    // report waits for that delivery in place of any older one.
    std::optional<SolveProgress> putIteration(SolveProgress report) {
        std::lock_guard lock(mutex_);
        if (!iterationPosted_) {
            iterationPosted_ = true;
            return report;
        }
        waiting_ = std::move(report);
        return std::nullopt;
    }

    // On the GUI thread, in an iteration delivery: the newest report that
    // waited for it, if any.
    std::optional<SolveProgress> takeWaiting() {
        std::lock_guard lock(mutex_);
        iterationPosted_ = false;
        std::optional<SolveProgress> report = std::move(waiting_);
        waiting_.reset();
        return report;
    }

    // Counts a delivery posted to the GUI thread.
    void posted() { inFlight_.fetch_add(1); }
    // Counts a delivery taken up by the GUI thread.
    void delivered() { inFlight_.fetch_sub(1); }
    // True when no delivery is on its way. Asked once the worker has ended
    // (it posts everything before it ends), so the answer cannot go stale.
    bool idle() const { return inFlight_.load() == 0; }

private:
    std::mutex mutex_;
    std::optional<SolveProgress> waiting_;
    bool iterationPosted_ = false;
    std::atomic<int> inFlight_{0};
};

}  // namespace quendal_app
